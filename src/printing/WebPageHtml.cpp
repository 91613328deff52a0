#include "printing/WebPageHtml.h"

#include "platform/TextNumber.h"
#include "printing/HtmlWriter.h"
#include "printing/WebStyle.h"

namespace dravik::printing {

namespace {

struct WebTexts {
    const char* lang;
    const char* programme;
    const char* records;
    const char* entrants; // the count's tool tip: "8 entrants"
    const char* noEntrants;
    const char* lane;
    const char* order; // first column when no lanes are drawn
    const char* name;
    const char* team;
    const char* id; // the athlete code or team number officials match to the bib
};

const WebTexts& textsFor(Language lang)
{
    static const WebTexts en{"en", "Program", "Records", " entrants", "No entrants", "Lane", "No", "Name", "Team", "ID"};
    static const WebTexts af{"af", "Program", "Rekords", " deelnemers", "Geen deelnemers", "Baan", "Nr", "Naam", "Span", "ID"};
    return isEnglish(lang) ? en : af;
}

// The programme cells' classes in header order: It No, Time, Gender, Event, Place, Level.
constexpr const char* kCellClass[] = {"no", "time", "gen", "ev", "place", "lvl"};

void pageTop(HtmlWriter& w, const WebProgramme& page, const WebLogo& logo, const std::string& title,
             bool recordsPage, bool onRecords)
{
    const WebTexts& t = textsFor(page.language);
    w.raw("<!DOCTYPE html>\n").open("html", attribute("lang", t.lang)).raw("\n<head>\n");
    w.raw("<meta charset=\"utf-8\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    w.element("title", title).raw("\n<style>").raw(webPageStyle()).raw("</style>\n</head>\n<body>\n");
    w.open("header", " class=\"top\"");
    if (!logo.bytes.empty())
        w.open("img", attribute("src", dataUri(logo.type, logo.bytes)) + " alt=\"\"");
    w.open("div").element("h1", page.meeting.empty() ? title : page.meeting);
    if (!page.venue.empty())
        w.element("p", page.venue);
    w.element("p", page.dates).close("div").close("header").raw("\n");
    if (recordsPage) {
        w.open("nav");
        w.element("a", t.programme, std::string(" href=\"index.html\"") + (onRecords ? "" : " class=\"on\""));
        w.element("a", t.records, std::string(" href=\"records.html\"") + (onRecords ? " class=\"on\"" : ""));
        w.close("nav").raw("\n");
    }
}

void pageEnd(HtmlWriter& w)
{
    w.raw("\n</main>\n</body>\n</html>\n");
}

// Cells with several lines (one per record set) print their lines one under another.
void recordCells(HtmlWriter& w, const WebEvent& e)
{
    if (e.records.empty())
        return;
    w.open("span", " class=\"recs\"");
    for (const auto& line : e.records) {
        w.open("span", " class=\"rl\"");
        for (const std::string& cell : line)
            w.element("span", cell);
        w.close("span");
    }
    w.close("span");
}

void summary(HtmlWriter& w, const WebEvent& e, const WebTexts& t)
{
    auto cell = [&](size_t i) {
        if (i < e.cells.size() && !e.cells[i].empty())
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
    const std::string count = std::to_string(e.entrantCount());
    w.element("span", count, attribute("class", "n") + attribute("title", count + t.entrants));
    w.close("summary");
}

void startList(HtmlWriter& w, const WebEvent& e, const WebTexts& t)
{
    w.open("div", " class=\"start\"");
    if (e.heats.empty())
        w.element("p", t.noEntrants, " class=\"none\"");
    for (const WebHeat& heat : e.heats) {
        if (!heat.title.empty())
            w.element("h3", heat.title);
        w.open("table", " class=\"sl\"").open("thead").open("tr");
        w.element("th", e.lanes ? t.lane : t.order, " class=\"lane\"");
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

} // namespace

std::string programmePageHtml(const WebProgramme& page, const WebLogo& logo, bool recordsPage)
{
    const WebTexts& t = textsFor(page.language);
    HtmlWriter w;
    pageTop(w, page, logo, page.meeting.empty() ? t.programme : page.meeting + " - " + t.programme, recordsPage,
            false);
    w.open("main", attribute("class", recordsClass(page))).raw("\n");
    if (!page.symbols.empty()) {
        w.open("section", " class=\"symbols\"").element("h2", page.symbolsTitle).open("ul");
        for (const std::string& s : page.symbols)
            w.element("li", s);
        w.close("ul").close("section").raw("\n");
    }
    for (const WebDay& day : page.days) {
        w.open("section", " class=\"day\"");
        if (!day.title.empty())
            w.element("h2", day.title);
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
    pageEnd(w);
    return w.html();
}

std::string recordsPageHtml(const WebProgramme& page, const Document& report, const WebLogo& logo)
{
    const WebTexts& t = textsFor(page.language);
    HtmlWriter w;
    pageTop(w, page, logo, page.meeting.empty() ? t.records : page.meeting + " - " + t.records, true, true);
    w.open("main").raw("\n");
    for (const Block& block : report.blocks()) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            const std::string text = trimmed(p->text);
            if (!text.empty())
                w.element("h2", text);
        } else if (const auto* table = std::get_if<Table>(&block)) {
            w.open("div", " class=\"scroll\"").open("table");
            auto alignOf = [&](size_t c) {
                return c < table->columns.size() && table->columns[c].align == Align::Right ? std::string(" class=\"right\"")
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
                for (size_t c = 0; c < row.size(); ++c)
                    w.element("td", trimmed(row[c]), alignOf(c));
                w.close("tr").raw("\n");
            }
            w.close("tbody").close("table").close("div");
        }
    }
    pageEnd(w);
    return w.html();
}

} // namespace dravik::printing
