// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebPage.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/FormatRecordValue.h"
#include "printing/PageHeading.h"
#include "printing/ProgrammeRowTexts.h"
#include "printing/RecordLookup.h"
#include "printing/RecordSymbols.h"
#include "printing/TextFit.h"
#include "programme/ProgrammeRow.h"
#include "startlists/StartList.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>

namespace dravik::printing {

namespace {

// The paragraphs a page-heading step prints, without their line breaks, so the
// page shows the printout's own words.
std::vector<std::string> headingLines(const std::function<void(Document&)>& step)
{
    Document scratch;
    step(scratch);
    std::vector<std::string> lines;
    for (const Block& b : scratch.blocks())
        if (const auto* p = std::get_if<Paragraph>(&b)) {
            std::string text = trimmed(p->text);
            if (!text.empty())
                lines.push_back(std::move(text));
        }
    return lines;
}

class WebProgrammeBuilder {
public:
    WebProgrammeBuilder(const PrintSources& src, PrintOptions& options)
        : src_(src), options_(options), heading_(src.meeting, options.language)
    {
    }

    WebProgramme build()
    {
        WebProgramme page;
        page.language = options_.language;
        readSources(page);
        const MeetingDetails& m = src_.meeting;
        page.meeting = trimmed(m.remark);
        page.venue = trimmed(m.venue);
        page.header = standardProgrammeHeader(options_.language, options_.records, options_.recordDate);

        // With "All Days" unticked only the chosen day's rows are shown.
        const bool oneDay = !options_.allDays && m.days > 1;
        const GridModel& grid = src_.programme;
        int currentDay = 0;
        for (int r = 1; r < grid.rows(); ++r) {
            const auto& row = grid.rowCells(r);
            const int day = m.days > 1 ? static_cast<int>(textToNumber(row[pcol::Day])) : 1;
            if (oneDay && day != options_.day)
                continue;
            if (page.days.empty() || day != currentDay) {
                currentDay = day;
                const auto title = headingLines([&](Document& d) { heading_.dayOrDateLine(d, day); });
                page.days.push_back({day, title.empty() ? std::string() : title.front(), {}});
            }
            page.days.back().events.push_back(event(row, lists_.events[static_cast<size_t>(r - 1)], day));
        }
        return page;
    }

private:
    void readSources(WebProgramme& page)
    {
        DataStore& store = src_.store;
        if (options_.records != RecordsIncluded::None) {
            symbols_ = LoadRecordSymbols(store.atld61());
            if (symbols_.empty())
                options_.records = RecordsIncluded::None;
            else
                records_.emplace(store.atld60());
        }
        if (records_) {
            auto lines = headingLines([&](Document& d) { heading_.recordSymbols(d, symbols_); });
            if (!lines.empty()) {
                page.symbolsTitle = lines.front();
                page.symbols.assign(lines.begin() + 1, lines.end());
            }
        }
        lists_ = buildStartLists(src_.programme, src_.reference, store, options_.language);
        page.names = lists_.names;
    }

    WebEvent event(const std::vector<std::string>& row, const StartListEvent& startList, int day)
    {
        WebEvent e;
        const std::string number = trimmed(row[pcol::Number]) + trimmed(row[pcol::Sub]);
        e.anchor = anchorFor(day, number);
        e.cells = {number,
                   trimmed(row[pcol::Time]),
                   standardGenderLabel(row[pcol::Gender], row[pcol::Age], options_.language),
                   trimmed(row[pcol::Event]),
                   trimmed(row[pcol::Point]),
                   trimmed(row[pcol::Level])};
        e.field = startList.kind == EventKind::Field;
        e.teamEvent = startList.kind == EventKind::Relay;
        if (records_)
            e.records = recordLines(startList.definition, startList.tipe);
        addStartList(e, startList);
        return e;
    }

    // "d2-26a"; a number seen before on its day gets "-2", "-3", ... so every event
    // keeps its own link.
    std::string anchorFor(int day, const std::string& number)
    {
        std::string base = "d" + std::to_string(day) + "-";
        for (char c : number)
            if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                base += c;
        std::string anchor = base;
        for (int n = 2; !anchors_.insert(anchor).second; ++n)
            anchor = base + "-" + std::to_string(n);
        return anchor;
    }

    // The standard programme's record cells, one line per set instead of padded text.
    std::vector<std::vector<std::string>> recordLines(double definition, int kind) const
    {
        const bool allData = options_.records == RecordsIncluded::AllData;
        std::vector<std::vector<std::string>> lines;
        for (const RecordSymbol& set : symbols_) {
            const RecordEntry* rec = records_->find(set.reference, definition).record;
            if (!rec)
                continue;
            std::vector<std::string> line{rec->value == 0.01
                                              ? trimmed(newEventText(options_.language))
                                              : trimmed(set.symbol + " - " + FormatRecordValue(rec->value, kind))};
            if (allData) {
                std::string name = trimmed(rec->naam + " " + rec->van);
                if (textLength(name) > 15)
                    name = trimmed(firstChars(trimmed(rec->naam), 1) + " " + rec->van);
                line.push_back(name);
                line.push_back(firstChars(trimmed(rec->span), 30));
                line.push_back(firstChars(trimmed(rec->plek), 6));
                if (options_.recordDate == RecordDate::Full)
                    line.push_back(recordDateText(rec->datum));
                else if (options_.recordDate == RecordDate::Year)
                    line.push_back(trimmed(rec->jaar));
            }
            lines.push_back(std::move(line));
        }
        return lines;
    }

    // The start list's heats in draw order; heats are titled when there is more
    // than one, except for the field events, which compete as one group.
    void addStartList(WebEvent& e, const StartListEvent& startList) const
    {
        if (startList.heats.empty())
            return;
        const bool titled = startList.kind != EventKind::Field && startList.heats.back().number > 1;
        const char* heatWord = isEnglish(options_.language) ? "Heat " : "Lopie ";
        for (const StartHeat& heat : startList.heats) {
            if (e.heats.empty() || titled)
                e.heats.push_back({titled ? heatWord + formatNumber(heat.number) : std::string(), {}});
            for (const StartCompetitor& c : heat.competitors) {
                WebEntrant who;
                who.id = c.id;
                who.number = c.code;
                if (c.lane > 0) {
                    who.lane = formatNumber(c.lane);
                    e.lanes = true;
                }
                if (startList.kind == EventKind::Relay)
                    who.name = c.teamName();
                else if (c.named)
                    who.name = (options_.nameStyle == NameStyle::FullName ? c.firstName()
                                                                          : firstChars(c.firstName(), 1)) +
                               " " + c.lastName();
                who.team = c.teamShort();
                e.heats.back().entrants.push_back(std::move(who));
            }
        }
    }

    const PrintSources& src_;
    PrintOptions& options_;
    PageHeading heading_;
    std::vector<RecordSymbol> symbols_;
    std::optional<RecordLookup> records_;
    StartLists lists_;
    std::unordered_set<std::string> anchors_;
};

} // namespace

size_t WebEvent::entrantCount() const
{
    size_t n = 0;
    for (const WebHeat& h : heats)
        n += h.entrants.size();
    return n;
}

size_t WebProgramme::eventCount() const
{
    size_t n = 0;
    for (const WebDay& d : days)
        n += d.events.size();
    return n;
}

WebProgramme buildWebProgramme(const PrintSources& src, PrintOptions& options)
{
    return WebProgrammeBuilder(src, options).build();
}

} // namespace dravik::printing
