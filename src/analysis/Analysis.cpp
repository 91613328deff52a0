// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/Analysis.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"

#include <SQLiteCpp/Statement.h>

#include <cmath>
#include <cstdio>
#include <string_view>
#include <unordered_map>

namespace dravik {

namespace {

// The first character of a UTF-8 text ("" for an empty one).
std::string firstCharacter(std::string_view text)
{
    if (text.empty())
        return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    return std::string(text.substr(0, std::min(n, text.size())));
}

// Event numbers as "12" or "12a": the number, then the sub letter.
struct EventKey {
    double number = 0;
    std::string sub;
};

EventKey eventKey(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    size_t start = i;
    while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        ++i;
    return {textToNumber(text.substr(start, i - start)), trimmed(text.substr(i))};
}

int compareEvents(const std::string& a, const std::string& b)
{
    const EventKey ka = eventKey(a), kb = eventKey(b);
    if (ka.number != kb.number)
        return ka.number < kb.number ? -1 : 1;
    return ka.sub.compare(kb.sub);
}

int countRows(SQLite::Database& db, const char* table)
{
    try {
        SQLite::Statement st(db, std::string("SELECT COUNT(*) FROM ") + table);
        return st.executeStep() ? st.getColumn(0).getInt() : 0;
    } catch (const SQLite::Exception& e) {
        throw StoreError(std::string("Counting the rows of table ") + table + " in database \"" + db.getFilename() +
                         "\" failed: " + e.what());
    }
}

// "Ann,Lee"; a team's record has only the surname, and an event without a record neither.
std::string holderText(const std::string& name, const std::string& surname)
{
    if (name.empty() || surname.empty())
        return name + surname;
    return name + "," + surname;
}

// The first record grid row of each definition number.
std::unordered_map<double, int> recordRows(const GridModel& flxRek)
{
    std::unordered_map<double, int> rows;
    for (int r = 1; r < flxRek.rows(); ++r)
        rows.try_emplace(textToNumber(flxRek.cell(r, reccol::Definition)), r);
    return rows;
}

} // namespace

const AnalysisTexts& analysisTexts(Language lang)
{
    static const AnalysisTexts en{
        "Read Data", "Read the current data", "Events:", "Athletes:", "Participants:", "Events with records:", "Events",
        "Number",    "Record set: "};
    static const AnalysisTexts af{
        "Lees Data", "Read the current data", "Items:", "Atlete:", "Deelnemers", "Items met rekords:", "Items",
        "Nommer",    "Rekord stel: "};
    return isEnglish(lang) ? en : af;
}

const std::vector<std::string>& analysisInstructions()
{
    static const std::vector<std::string> lines{
        "To print the analyzed results the following mus be done:",
        "1.  Select the record set to be used and Display the set.",
        "2.  The participating athletes should be entered (not required).",
        "3.  Read the current data on the Analyze sheet.",
    };
    return lines;
}

const std::vector<std::string>& analysisHeader(Language lang)
{
    static const std::vector<std::string> en{"Number",  "Event",  "H/F",    "Time", "G - A",
                                             "Athlete", "Record", "Holder", "Year"};
    static const std::vector<std::string> af{"Nommer", "Item",   "U/F",   "Tyd", "G - O",
                                             "Atleet", "Rekord", "Houer", "Jaar"};
    return isEnglish(lang) ? en : af;
}

void setupAnalysisGrid(GridModel& flxAnal, Language lang)
{
    flxAnal.setCols(acol::Count);
    flxAnal.setRows(1);
    flxAnal.setHeader(analysisHeader(lang));
    // The printout's column widths, in twips.
    const double widthsCm[acol::Count] = {1.4, 3.1, 1.0, 1.2, 1.2, 1.2, 2.5, 4.0, 1.2};
    for (int c = 0; c < acol::Count; ++c)
        flxAnal.setColWidth(c, static_cast<int>(std::lround(widthsCm[c] * 567)));
}

CompetitorCounts::CompetitorCounts(DataStore& store)
{
    SQLite::Database& db = store.meetingDatabase();
    for (const char* table : {"Atld37", "Atld28"}) {
        try {
            SQLite::Statement st(db, std::string("SELECT Tnom, COUNT(*) FROM ") + table +
                                         " WHERE Tnom IS NOT NULL GROUP BY Tnom");
            while (st.executeStep())
                counts_[st.getColumn(0).getDouble()] += st.getColumn(1).getInt();
        } catch (const SQLite::Exception& e) {
            throw StoreError(std::string("Counting the entries of table ") + table + " in database \"" +
                             db.getFilename() + "\" failed: " + e.what());
        }
    }
}

int CompetitorCounts::of(double definitionNumber) const
{
    auto it = counts_.find(definitionNumber);
    return it == counts_.end() ? 0 : it->second;
}

std::string averageText(int competitors, int athletes)
{
    if (athletes <= 0)
        return "";
    // "#0.0": one decimal, halves away from zero.
    const double tenths = std::floor(static_cast<double>(competitors) * 10 / athletes + 0.5);
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%.1f/Atleet)", tenths / 10);
    return buf;
}

AnalysisResult readAnalysis(GridModel& flxAnal, const AnalysisSources& sources, Language lang,
                            const AnalysisLabels& previous, AnalysisOrder order, const AnalysisProgress& progress)
{
    AnalysisResult result;
    result.labels = previous;
    const GridModel& flxProg = sources.programme;
    flxAnal.beginUpdate();
    if (flxAnal.cols() != acol::Count)
        setupAnalysisGrid(flxAnal, lang);
    flxAnal.setRows(1);
    if (flxProg.rows() < 2) {
        flxAnal.endUpdate();
        return result;
    }

    const int rows = flxProg.rows();
    const CompetitorCounts counts(sources.store);
    std::unordered_map<double, int> recordRow;
    if (sources.displayed)
        recordRow = recordRows(sources.displayed->flxRek);

    for (int r = 1; r < rows; ++r) {
        if (progress)
            progress(r, rows);
        const auto& p = flxProg.rowCells(r);
        std::vector<std::string> cells(acol::Count);
        cells[acol::Number] = p[pcol::Number] + p[pcol::Sub];
        cells[acol::Event] = p[pcol::Event];
        cells[acol::Level] = firstCharacter(p[pcol::Level]);
        cells[acol::Time] = p[pcol::Time];
        cells[acol::GenderAge] = firstCharacter(p[pcol::Gender]) + " - " + p[pcol::Age];

        const double definition = textToNumber(p[pcol::Definition]);
        const bool defined = definition != 0 && sources.definitions.find(definition) < sources.definitions.count();
        int competitors = 0;
        if (defined) {
            competitors = counts.of(definition);
            auto found = recordRow.find(definition);
            if (found != recordRow.end()) {
                const auto& rec = sources.displayed->flxRek.rowCells(found->second);
                cells[acol::Record] = rec[reccol::Record];
                cells[acol::Holder] = holderText(rec[reccol::Name], rec[reccol::Surname]);
                cells[acol::Year] = rec[reccol::Year];
                if (!trimmed(rec[reccol::Record]).empty())
                    ++result.eventsWithRecords;
            }
        }
        cells[acol::Athletes] = std::to_string(competitors);
        result.competitors += competitors;
        flxAnal.addRow(std::move(cells));
    }

    result.read = true;
    result.events = rows - 1;
    result.athletes = countRows(sources.store.meetingDatabase(), "Atld30");
    AnalysisLabels& l = result.labels;
    l.lblItms = std::to_string(result.events);
    l.lblRek = std::to_string(result.eventsWithRecords);
    l.lblAtl = std::to_string(result.athletes);
    l.lblDeel = std::to_string(result.competitors);
    l.lblGem = averageText(result.competitors, result.athletes);
    if (result.eventsWithRecords > 0)
        l.lblReks = analysisTexts(lang).recordSet + sources.displayed->set.symbol + " (" + sources.displayed->set.name +
                    ")";
    flxAnal.endUpdate();
    SortAnalysis(flxAnal, order);
    return result;
}

void SortAnalysis(GridModel& flxAnal, AnalysisOrder order)
{
    if (flxAnal.rows() < 3)
        return;
    using Row = std::vector<std::string>;
    if (order == AnalysisOrder::Number) {
        flxAnal.sortRows(1, flxAnal.rows() - 1, [](const Row& a, const Row& b) {
            const double ca = textToNumber(a[acol::Athletes]), cb = textToNumber(b[acol::Athletes]);
            if (ca != cb)
                return ca < cb;
            return compareEvents(a[acol::Number], b[acol::Number]) < 0;
        });
    } else {
        flxAnal.sortRows(1, flxAnal.rows() - 1, [](const Row& a, const Row& b) {
            return compareEvents(a[acol::Number], b[acol::Number]) < 0;
        });
    }
    flxAnal.setCurrent(1, 0);
}

} // namespace dravik
