#include "printing/WebPage.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/EntrantNames.h"
#include "printing/EntryIndex.h"
#include "printing/FindEventKind.h"
#include "printing/FormatRecordValue.h"
#include "printing/GateEntries.h"
#include "printing/PageHeading.h"
#include "printing/ProgrammeRowTexts.h"
#include "printing/RecordLookup.h"
#include "printing/RecordSymbols.h"
#include "printing/TextFit.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>

namespace dravik::printing {

namespace {

constexpr int kTeamEvent = 3;

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
        page.dates = formatDate(m.day1);
        if (m.days > 1)
            page.dates += " - " + formatDate(m.days == 2 ? m.day2 : m.day3);
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
            page.days.back().events.push_back(event(row, day));
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
        individual_ = EntryIndex(store.atld37());
        teams_ = EntryIndex(store.atld28());
        names_ = EntrantNames(store.atld30(), store.atld20());
    }

    WebEvent event(const std::vector<std::string>& row, int day)
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
        const double definition = textToNumber(row[pcol::Definition]);
        const int kind = FindEventKind(src_.reference.definitions, definition);
        e.field = kind == 7 || kind == 8;
        e.teamEvent = kind == kTeamEvent;
        if (records_)
            e.records = recordLines(definition, kind);
        startList(e, kind, definition, levelIndexOf(row[pcol::Level], options_.language));
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

    // The entrants sorted by heat and lane as the gate programme in draw order
    // sorts them; an event whose entries have no draw keeps its entry order. Heats
    // are titled when there is more than one, except for the field events (kinds 7
    // and 8), which compete as one group.
    void startList(WebEvent& e, int kind, double definition, double level) const
    {
        std::vector<EntryRow> entries = (kind == kTeamEvent ? teams_ : individual_).of(definition, level);
        if (entries.empty())
            return;
        sortInDrawOrder(entries);
        const bool titled = (kind < 7 || kind > 8) && entries.back().heat > 1;
        const char* heatWord = isEnglish(options_.language) ? "Heat " : "Lopie ";
        double heat = entries.front().heat;
        e.heats.push_back({titled ? heatWord + formatNumber(heat) : std::string(), {}});
        for (const EntryRow& entry : entries) {
            if (titled && entry.heat != heat) {
                heat = entry.heat;
                e.heats.push_back({heatWord + formatNumber(heat), {}});
            }
            WebEntrant who;
            who.number = entry.nommer;
            if (entry.lane > 0) {
                who.lane = formatNumber(entry.lane);
                e.lanes = true;
            }
            if (kind == kTeamEvent) {
                who.name = names_.teamName(entry.nommer);
                who.team = names_.teamAbbreviation(entry.nommer);
            } else {
                who.name = names_.athleteName(entry.nommer, options_.nameStyle);
                who.team = names_.teamAbbreviation(std::floor(entry.nommer / 1000));
            }
            e.heats.back().entrants.push_back(std::move(who));
        }
    }

    const PrintSources& src_;
    PrintOptions& options_;
    PageHeading heading_;
    std::vector<RecordSymbol> symbols_;
    std::optional<RecordLookup> records_;
    EntryIndex individual_, teams_;
    EntrantNames names_;
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
