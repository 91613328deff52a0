#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/EntrantNames.h"
#include "printing/EntryIndex.h"
#include "printing/FindEventKind.h"
#include "printing/GateEntries.h"
#include "printing/GateEventText.h"
#include "printing/PageHeading.h"
#include "printing/Printouts.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace dravik::printing {

namespace {

constexpr int kTeamEvent = 3;

// What both gate programmes share: the document, the records of the active
// sets and the entrants, each read once per printout.
class GateProgramme {
public:
    GateProgramme(Document& doc, const PrintSources& src, const PrintOptions& options, PrintState& state,
                  bool withNames)
        : doc_(doc), src_(src), options_(options), state_(state)
    {
        if (options.records != RecordsIncluded::None) {
            symbols_ = LoadRecordSymbols(src.store.atld61());
            records_ = RecordLookup(src.store.atld60());
        }
        if (withNames) {
            individual_ = EntryIndex(src.store.atld37());
            teams_ = EntryIndex(src.store.atld28());
            names_ = EntrantNames(src.store.atld30(), src.store.atld20());
        }
    }

    // The booklet runs day by day (in the print order within a day); every sheet
    // is headed by the meeting and the day with its date, and an event's block
    // never splits over two sheets.
    template <typename EventText>
    void print(const Progress& progress, EventText eventText)
    {
        doc_.setExportFile(src_.documentFile);
        doc_.setFontSize(options_.fontSize);
        doc_.setMarginCm(marginFromTwips(800));
        doc_.setOrientation(Orientation::Portrait);
        doc_.startDoc();
        const GridModel& grid = src_.programme;
        std::vector<int> rows;
        for (int r = 1; r < grid.rows(); ++r)
            rows.push_back(r);
        const bool byDay = src_.meeting.days > 1;
        auto dayOf = [&](int r) { return byDay ? static_cast<int>(textToNumber(grid.cell(r, pcol::Day))) : 0; };
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return dayOf(a) < dayOf(b); });
        const PageHeading heading(src_.meeting, options_.language);
        Table table;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int r = rows[i];
            if (i == 0 || dayOf(r) != dayOf(rows[i - 1])) {
                if (i > 0) {
                    doc_.addTable(std::exchange(table, Table{}));
                    doc_.newPage();
                }
                runningHead(heading, byDay ? dayOf(r) : 1);
                table.columns = {{Align::Left, 18.0}};
                table.tabColumns = true;
                table.continuedMark = isEnglish(options_.language) ? " (continued)" : " (vervolg)";
            }
            if (progress)
                progress(r);
            table.rows.push_back({eventText(*this, grid.rowCells(r))});
        }
        if (rows.empty())
            runningHead(heading, 1);
        doc_.addTable(std::move(table));
        doc_.endDoc();
    }

    void runningHead(const PageHeading& heading, int day)
    {
        doc_.paragraph(heading.meetingLine());
        heading.dayOrDateLine(doc_, day);
    }

    // Entry order: heading, records, the entrants on one line, the blanks.
    std::string entryOrderText(const std::vector<std::string>& row)
    {
        const double definition = textToNumber(row[pcol::Definition]);
        const int kind = FindEventKind(src_.reference.definitions, definition);
        std::string text = BuildEventHeading(row, options_, state_);
        appendRecords(text, definition, kind);
        text += "\r\n";
        if (options_.names != GateNames::None) {
            const double level = levelIndexOf(row[pcol::Level], options_.language);
            for (const EntryRow& e : entriesOf(kind, definition, level))
                text += entrant(kind, e);
        }
        AppendFillInArea(text, options_.resultLines);
        return text;
    }

    // Draw order: the entrants sorted by heat and lane, each heat under its
    // own header with its own blanks; field events (kinds 7 and 8) run as one group.
    std::string drawOrderText(const std::vector<std::string>& row)
    {
        const double definition = textToNumber(row[pcol::Definition]);
        const double level = levelIndexOf(row[pcol::Level], options_.language);
        const int kind = FindEventKind(src_.reference.definitions, definition);
        std::vector<EntryRow> entries = entriesOf(kind, definition, level);
        sortInDrawOrder(entries);
        std::string text = BuildEventHeading(row, options_, state_);
        appendRecords(text, definition, kind);
        const std::string word = heatWord(options_, state_);
        const bool headerBeforeFirst = kind < 6 || kind > 8;
        const bool headerAtChange = kind < 7 || kind > 8;
        if (!entries.empty() && entries.back().heat > 1 && headerBeforeFirst)
            text += "\r\n" + word + formatNumber(entries.front().heat) + "\r\n";
        else
            text += "\r\n\r\n";
        double previousHeat = entries.empty() ? 0 : entries.front().heat;
        for (const EntryRow& e : entries) {
            if (e.heat != previousHeat && headerAtChange) {
                AppendFillInArea(text, options_.resultLines);
                previousHeat = e.heat;
                text += "\r\n" + word + formatNumber(e.heat) + "\r\n";
            }
            text += entrant(kind, e);
        }
        AppendFillInArea(text, options_.resultLines);
        return text;
    }

private:
    void appendRecords(std::string& text, double definition, int kind) const
    {
        if (options_.records == RecordsIncluded::None)
            return;
        // An event without a record prints no "Record(s): " line.
        std::string lines;
        AppendRecordLines(lines, definition, kind, symbols_, records_, options_);
        if (lines.empty())
            return;
        text += isEnglish(options_.language) ? "\r\n\r\nRecord(s): " : "\r\n\r\nRekord(s): ";
        text += lines;
    }

    const std::vector<EntryRow>& entriesOf(int kind, double definition, double level) const
    {
        return (kind == kTeamEvent ? teams_ : individual_).of(definition, level);
    }

    std::string entrant(int kind, const EntryRow& e) const
    {
        return kind == kTeamEvent ? names_.team(e.nommer) : names_.athlete(e.nommer, options_.nameStyle);
    }

    Document& doc_;
    const PrintSources& src_;
    const PrintOptions& options_;
    PrintState& state_;
    std::vector<RecordSymbol> symbols_;
    RecordLookup records_;
    EntryIndex individual_, teams_;
    EntrantNames names_;
};

} // namespace

void PrintGateProgramme(Document& doc, const PrintSources& src, const PrintOptions& options, PrintState& state,
                        const Progress& progress)
{
    GateProgramme gate(doc, src, options, state, options.names != GateNames::None);
    gate.print(progress, [](GateProgramme& g, const auto& row) { return g.entryOrderText(row); });
}

void PrintGateProgrammeDrawOrder(Document& doc, const PrintSources& src, const PrintOptions& options,
                                 PrintState& state, const Progress& progress)
{
    GateProgramme gate(doc, src, options, state, true);
    gate.print(progress, [](GateProgramme& g, const auto& row) { return g.drawOrderText(row); });
}

} // namespace dravik::printing
