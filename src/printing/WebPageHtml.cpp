// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebPageHtml.h"

#include "platform/TextNumber.h"
#include "printing/HtmlWriter.h"

namespace dravik::printing {

namespace {

// The programme cells' classes in header order: It No, Time, Gender, Event, Place, Level.
constexpr const char* kCellClass[] = {"no", "time", "gen", "ev", "place", "lvl"};

// Read between the cells without styles and by a screen reader; hidden where the
// cells stand in columns.
constexpr const char* kSeparator = "<span class=\"sep\">, </span>";

void recordCells(HtmlWriter& w, const WebEvent& e)
{
    if (e.records.empty())
        return;
    w.raw(kSeparator).open("span", " class=\"recs\"");
    for (size_t l = 0; l < e.records.size(); ++l) {
        if (l > 0)
            w.raw(kSeparator);
        w.open("span", " class=\"rl\"");
        for (size_t c = 0; c < e.records[l].size(); ++c) {
            if (c > 0)
                w.raw(kSeparator);
            w.element("span", e.records[l][c]);
        }
        w.close("span");
    }
    w.close("span");
}

void summary(HtmlWriter& w, const WebEvent& e, const WebTexts& t)
{
    bool first = true;
    auto cell = [&](size_t i) {
        if (i >= e.cells.size() || e.cells[i].empty())
            return;
        if (!first)
            w.raw(kSeparator);
        first = false;
        w.element("span", e.cells[i], attribute("class", kCellClass[i]));
    };
    w.open("summary");
    cell(0);
    cell(1);
    cell(3);
    w.open("span", " class=\"meta\"");
    cell(2);
    cell(4);
    cell(5);
    w.close("span");
    recordCells(w, e);
    const size_t n = e.entrantCount();
    w.raw(kSeparator).open("span", " class=\"n\"").text(std::to_string(n));
    w.element("span", n == 1 ? t.entrant : t.entrants, " class=\"vh\"").close("span");
    w.close("summary");
}

void startList(HtmlWriter& w, const WebEvent& e, const WebTexts& t)
{
    w.open("div", " class=\"start\"");
    if (e.heats.empty())
        w.element("p", t.noEntrants, " class=\"none\"");
    const char* first = e.field ? t.order : e.lanes ? t.lane : t.number;
    for (const WebHeat& heat : e.heats) {
        if (!heat.title.empty())
            w.element("h3", heat.title);
        w.open("table", " class=\"sl\"").open("thead").open("tr");
        w.element("th", first, " class=\"lane\"");
        w.element("th", t.id, " class=\"id\"");
        w.element("th", t.name).element("th", t.team, " class=\"team\"");
        w.close("tr").close("thead").open("tbody");
        int position = 0;
        for (const WebEntrant& who : heat.entrants) {
            ++position;
            w.open("tr").element("td", e.lanes ? who.lane : std::to_string(position));
            w.element("td", who.id, " class=\"id\"");
            w.element("td", who.name).element("td", who.team).close("tr");
        }
        w.close("tbody").close("table");
    }
    w.close("div");
}

std::string recordsClass(const WebProgramme& page)
{
    return "r" + std::to_string(page.header.size() > 6 ? page.header.size() - 6 : 0);
}

void symbols(HtmlWriter& w, const WebProgramme& page)
{
    if (page.symbols.empty())
        return;
    w.open("div", " class=\"symbols\"").element("p", page.symbolsTitle).open("ul");
    for (const std::string& s : page.symbols)
        w.element("li", s);
    w.close("ul").close("div").raw("\n");
}

void linkList(HtmlWriter& w, const std::vector<WebLink>& links)
{
    if (links.empty())
        return;
    w.open("ul", " class=\"lists\"");
    for (const WebLink& link : links)
        w.open("li").element("a", link.label, attribute("href", link.href)).close("li");
    w.close("ul").raw("\n");
}

std::string titled(const WebProgramme& page, const std::string& what)
{
    return page.meeting.empty() ? what : page.meeting + " - " + what;
}

} // namespace

void writeEventList(HtmlWriter& w, const WebProgramme& page, const WebDay& day, const std::string& heading,
                    bool pageHeading)
{
    const WebTexts& t = webTexts(page.language);
    w.open("section", " class=\"day\"");
    if (!heading.empty())
        w.element(pageHeading ? "h1" : "h2", heading);
    symbols(w, page);
    w.open("div", " class=\"head\" aria-hidden=\"true\"");
    for (size_t i = 0; i < page.header.size(); ++i) {
        if (i == 6)
            w.open("span", " class=\"recs\"");
        w.element("span", page.header[i], i < 6 ? attribute("class", kCellClass[i]) : std::string());
    }
    if (page.header.size() > 6)
        w.close("span");
    w.close("div").raw("\n");
    for (const WebEvent& e : day.events) {
        w.open("details", " class=\"event\"" + attribute("id", e.anchor));
        summary(w, e, t);
        startList(w, e, t);
        w.close("details").raw("\n");
    }
    w.close("section").raw("\n");
}

std::string startPageHtml(const WebProgramme& page, const WebFrame& frame, const std::vector<WebLink>& days,
                          const std::vector<WebLink>& lists)
{
    const WebTexts& t = webTexts(page.language);
    HtmlWriter w;
    webPageStart(w, frame, titled(page, t.programme), "index.html", "home");
    w.open("section", " class=\"days\"").element("h2", t.days).open("ul");
    for (size_t i = 0; i < days.size() && i < page.days.size(); ++i) {
        const WebDay& day = page.days[i];
        w.open("li").element("a", days[i].label, attribute("href", days[i].href));
        std::string about = std::to_string(day.events.size()) + t.events;
        if (!day.events.empty() && day.events.front().cells.size() > 1) {
            const std::string& from = day.events.front().cells[1];
            const std::string& to = day.events.back().cells[1];
            if (!from.empty())
                about += ", " + from + (to.empty() || to == from ? "" : " - " + to);
        }
        w.element("span", about, " class=\"about\"").close("li");
    }
    w.close("ul").close("section").raw("\n");
    linkList(w, lists);
    symbols(w, page);
    webPageEnd(w, frame);
    return w.take();
}

std::string dayPageHtml(const WebProgramme& page, const WebDay& day, const WebFrame& frame, const std::string& file,
                        const std::string& heading, const std::vector<WebLink>& lists)
{
    const WebTexts& t = webTexts(page.language);
    HtmlWriter w;
    const bool home = file == "index.html";
    webPageStart(w, frame, titled(page, home ? std::string(t.programme) : heading), file, recordsClass(page));
    if (home)
        linkList(w, lists);
    writeEventList(w, page, day, heading, !home);
    webPageEnd(w, frame);
    return w.take();
}

std::string recordsPageHtml(const WebProgramme& page, const Document& report, const WebFrame& frame)
{
    const WebTexts& t = webTexts(page.language);
    HtmlWriter w;
    webPageStart(w, frame, titled(page, t.records), "records.html");
    w.element("h1", t.records);
    for (const Block& block : report.blocks()) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            const std::string text = trimmed(p->text);
            if (!text.empty())
                w.element("h2", text);
        } else if (const auto* table = std::get_if<Table>(&block)) {
            w.open("div", " class=\"scroll\"").open("table", " class=\"rec\"");
            auto alignOf = [&](size_t c) {
                return c < table->columns.size() && table->columns[c].align == Align::Right
                           ? std::string(" class=\"right\"")
                           : std::string();
            };
            if (!table->header.empty()) {
                w.open("thead").open("tr");
                for (size_t c = 0; c < table->header.size(); ++c)
                    w.element("th", table->header[c], alignOf(c));
                w.close("tr").close("thead");
            }
            w.open("tbody");
            for (const auto& row : table->rows) {
                w.open("tr");
                // On a phone each record is a card whose lines carry their column's title.
                for (size_t c = 0; c < row.size(); ++c) {
                    const std::string label = c < table->header.size() ? trimmed(table->header[c]) : std::string();
                    w.element("td", trimmed(row[c]), alignOf(c) + attribute("data-label", label));
                }
                w.close("tr").raw("\n");
            }
            w.close("tbody").close("table").close("div");
        }
    }
    webPageEnd(w, frame);
    return w.take();
}

} // namespace dravik::printing
