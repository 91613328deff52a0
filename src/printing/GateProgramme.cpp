// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/GateEventText.h"
#include "printing/PageHeading.h"
#include "printing/Printouts.h"
#include "printing/TextFit.h"
#include "programme/ProgrammeRow.h"
#include "startlists/StartList.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace dravik::printing {

namespace {

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
        lists_ = buildStartLists(src.programme, src.reference, src.store, options.language, withNames);
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
            table.rows.push_back({eventText(*this, lists_.events[static_cast<size_t>(r - 1)])});
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
    std::string entryOrderText(const StartListEvent& row)
    {
        std::string text = BuildEventHeading(row, options_, state_);
        appendRecords(text, row.definition, row.tipe);
        text += "\r\n";
        if (options_.names != GateNames::None)
            for (const StartCompetitor* c : row.entryOrder())
                text += entrant(row.kind, *c);
        AppendFillInArea(text, options_.resultLines);
        return text;
    }

    // Draw order: the entrants heat by heat, each heat under its own header
    // with its own blanks; field events run as one group.
    std::string drawOrderText(const StartListEvent& row)
    {
        std::string text = BuildEventHeading(row, options_, state_);
        appendRecords(text, row.definition, row.tipe);
        const std::string word = heatWord(options_, state_);
        const bool field = row.kind == EventKind::Field;
        if (!row.heats.empty() && row.heats.back().number > 1 && titlesFirstHeat(row.tipe))
            text += "\r\n" + word + formatNumber(row.heats.front().number) + "\r\n";
        else
            text += "\r\n\r\n";
        for (size_t h = 0; h < row.heats.size(); ++h) {
            if (h > 0 && !field) {
                AppendFillInArea(text, options_.resultLines);
                text += "\r\n" + word + formatNumber(row.heats[h].number) + "\r\n";
            }
            for (const StartCompetitor& c : row.heats[h].competitors)
                text += entrant(row.kind, c);
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

    // "Naam Van (Afkort)   " of an athlete (only the team part when the athlete
    // is unknown), "Naam (Afkort)   " of a team (nothing when it is unknown);
    // with the IDs option the athlete code or team number first.
    std::string entrant(EventKind kind, const StartCompetitor& c) const
    {
        std::string text = options_.ids ? c.id + " " : std::string();
        if (kind == EventKind::Relay)
            return c.teamKnown() ? text + c.teamName() + " (" + c.teamShort() + ")   " : std::string();
        if (c.named)
            text += (options_.nameStyle == NameStyle::FullName ? c.firstName() : firstChars(c.firstName(), 1)) + " " +
                    c.lastName();
        if (c.teamKnown())
            text += " (" + c.teamShort() + ")   ";
        return text;
    }

    Document& doc_;
    const PrintSources& src_;
    const PrintOptions& options_;
    PrintState& state_;
    std::vector<RecordSymbol> symbols_;
    RecordLookup records_;
    StartLists lists_;
};

} // namespace

void PrintGateProgramme(Document& doc, const PrintSources& src, const PrintOptions& options, PrintState& state,
                        const Progress& progress)
{
    GateProgramme gate(doc, src, options, state, options.names != GateNames::None);
    gate.print(progress, [](GateProgramme& g, const auto& row) { return g.entryOrderText(row); });
}

void PrintGateProgrammeDrawOrder(Document& doc, const PrintSources& src, const PrintOptions& options, PrintState& state,
                                 const Progress& progress)
{
    GateProgramme gate(doc, src, options, state, true);
    gate.print(progress, [](GateProgramme& g, const auto& row) { return g.drawOrderText(row); });
}

} // namespace dravik::printing
