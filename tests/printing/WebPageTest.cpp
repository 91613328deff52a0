// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSupport.h"

#include "printing/WebSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>

using namespace dravik;
using namespace dravik::printing;
namespace def = dravik::test::def;
namespace fs = std::filesystem;

namespace {

// The text of an HTML fragment: its tags dropped, its references resolved.
std::string textOf(const std::string& html)
{
    std::string s;
    bool inTag = false;
    for (char c : html) {
        if (c == '<' || c == '>')
            inTag = c == '<';
        else if (!inTag)
            s += c;
    }
    for (auto [from, to] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}})
        for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
            s.replace(at, std::string(from).size(), to);
    return s;
}

// Every element that starts with `start` ("<td", "<span class=\"no\"") up to the next
// `end`, as HTML or as its text: enough for the page's well-formed, unnested leaves.
std::vector<std::string> elements(const std::string& html, const std::string& start, const std::string& end,
                                  bool text = true)
{
    std::vector<std::string> out;
    for (size_t at = html.find(start), close; at != std::string::npos; at = html.find(start, close)) {
        close = html.find(end, at);
        out.push_back(text ? textOf(html.substr(at, close - at)) : html.substr(at, close - at));
    }
    return out;
}

// One event as the page shows it.
struct ShownEvent {
    std::string id;
    std::vector<std::string> cells;   // It No, Time, Gender, Event, Place, Level
    std::vector<std::string> records; // the record of each line
    std::vector<std::string> heats;   // heat titles
    std::vector<std::string> start;   // the start list's cells, row by row
};

std::vector<ShownEvent> eventsOf(const std::string& html)
{
    std::vector<ShownEvent> events;
    const std::string id = "<details class=\"event\" id=\"";
    for (const std::string& d : elements(html, id, "</details>", false)) {
        ShownEvent e;
        e.id = d.substr(id.size(), d.find('"', id.size()) - id.size());
        const std::string summary = elements(d, "<summary", "</summary>", false).at(0);
        for (const char* cls : {"no", "time", "gen", "ev", "place", "lvl"}) {
            auto cell = elements(summary, std::string("<span class=\"") + cls + "\"", "</span>");
            e.cells.push_back(cell.empty() ? "" : cell[0]);
        }
        e.records = elements(summary, "<span class=\"rl\"><span", "</span>");
        e.heats = elements(d, "<h3", "</h3>");
        e.start = elements(d, "<td", "</td>");
        events.push_back(std::move(e));
    }
    return events;
}

const WebFile& fileNamed(const WebSite& site, const std::string& name)
{
    for (const WebFile& f : site.files)
        if (f.name == name)
            return f;
    ADD_FAILURE() << "no file " << name;
    static const WebFile none;
    return none;
}

// The page below its heading and day bar.
std::string mainOf(const std::string& html)
{
    return html.substr(html.find("<main"));
}

std::vector<std::string> namesOf(const WebSite& site)
{
    std::vector<std::string> names;
    for (const WebFile& f : site.files)
        names.push_back(f.name);
    return names;
}

// The races of each athlete (or of the relays) on a page, as "name|info" then
// one line per race: its cells and the link.
std::vector<std::vector<std::string>> racesOf(const std::string& html)
{
    std::vector<std::vector<std::string>> out;
    for (const std::string& body : elements(html, "<tbody", "</tbody>", false)) {
        std::vector<std::string> lines;
        const auto head = elements(body, "<th", "</th>");
        if (!head.empty())
            lines.push_back(head[0]);
        for (const std::string& row : elements(body, "<tr><td", "</tr>", false)) {
            std::string line;
            for (const std::string& cell : elements(row, "<td", "</td>"))
                line += cell + "|";
            const auto href = row.find("href=\"");
            line += row.substr(href + 6, row.find('"', href + 6) - href - 6);
            lines.push_back(line);
        }
        out.push_back(lines);
    }
    return out;
}

// The small meeting of these tests: a sprint run in two heats, a relay, a long
// jump drawn in two groups, and an event nobody entered.
struct WebSuite : test::PrintSuite {
    WebSuite()
    {
        addTeam(1, "Pretoria Boys", "PBH");
        addTeam(2, "<script>alert(1)</script>", "A & B \"quoted\"");
        for (int a = 1; a <= 4; ++a)
            addAthlete(a <= 2 ? 1 : 2, a, "Name" + std::to_string(a), "Van" + std::to_string(a));
        // Heats 2, 1, 2, 1 in entry order, lanes 4, 5, 3, 2.
        addEntry(1001, def::Sprint, 0, 2, 4);
        addEntry(1002, def::Sprint, 0, 1, 5);
        addEntry(2003, def::Sprint, 0, 2, 3);
        addEntry(2004, def::Sprint, 0, 1, 2);
        addTeamEntry(2, def::Relay, 0, 1, 6);
        addTeamEntry(1, def::Relay, 0, 1, 3);
        addEntry(1001, def::LongJump, 0, 2, 1);
        addEntry(2004, def::LongJump, 0, 1, 0);
        addRecordSet(1, "S", "School");
        addRecord({1, def::Sprint, "10.5"});
        addRecord({1, def::Relay, "0.01"});
        addRow({.number = "1", .definition = "101"});
        addRow({.number = "2", .sub = "Z", .time = "09:00", .event = "4x100 m", .definition = "103"});
        addRow({.number = "3", .sub = "a", .event = "Long Jump", .point = "B", .definition = "107", .day = "2"});
        addRow({.number = "3", .sub = "a", .event = "Shot", .definition = "108", .day = "2"});
    }

    WebSite site(PrintOptions options, const WebRecordSet* set = nullptr)
    {
        auto store = DataStore::open(folder());
        PrintSources src{grid, reference, meeting, *store, "", ""};
        return buildWebSite(src, options, WebLogo{"image/png", "PNG"}, set);
    }
};

TEST(WebPageTest, EventsStartListsAndRecordsFoundInThePage)
{
    WebSuite suite;
    PrintOptions options;
    options.records = RecordsIncluded::ValuesOnly;
    const WebSite site = suite.site(options);
    // A meeting of one day is one programme page.
    EXPECT_EQ(namesOf(site), (std::vector<std::string>{"index.html", "athletes.html", "teams.html", "team-2.html",
                                                       "team-1.html", "style.css", "programme.ics", "logo.png"}));
    const std::string& html = fileNamed(site, "index.html").content;
    EXPECT_TRUE(test::contains(html, "<img src=\"logo.png\" alt=\"\">"));
    EXPECT_EQ(fileNamed(site, "logo.png").content, "PNG");
    const auto events = eventsOf(html);
    ASSERT_EQ(events.size(), 4u);
    std::vector<std::string> ids;
    for (const ShownEvent& e : events)
        ids.push_back(e.id);
    EXPECT_EQ(ids, (std::vector<std::string>{"d1-1", "d1-2Z", "d1-3a", "d1-3a-2"}));
    const std::string symbols = html.substr(html.find("<div class=\"symbols\">"));
    EXPECT_EQ(elements(symbols.substr(0, symbols.find("</div>")), "<li", "</li>"),
              std::vector<std::string>{"S - School"});

    EXPECT_EQ(events[0].cells, (std::vector<std::string>{"1", "08:00", "Boys - 12", "100 m", "", "Finaal"}));
    EXPECT_EQ(events[0].records, std::vector<std::string>{"S - 10.50"});
    EXPECT_EQ(events[0].heats, (std::vector<std::string>{"Heat 1", "Heat 2"}));
    // Lane, the competitor ID officials match to the bib, name, team.
    EXPECT_EQ(events[0].start, (std::vector<std::string>{"2", "2004", "Name4 Van4", "A & B \"quoted\"", "5", "1002",
                                                         "Name2 Van2", "PBH", "3", "2003", "Name3 Van3",
                                                         "A & B \"quoted\"", "4", "1001", "Name1 Van1", "PBH"}));
    EXPECT_EQ(events[1].records, std::vector<std::string>{"New event"});
    EXPECT_TRUE(events[1].heats.empty());
    EXPECT_EQ(events[1].start, (std::vector<std::string>{"3", "1", "Pretoria Boys", "PBH", "6", "2",
                                                         "<script>alert(1)</script>", "A & B \"quoted\""}));
    // A field event competes as one group, in draw order.
    EXPECT_TRUE(events[2].heats.empty());
    EXPECT_EQ(events[2].start, (std::vector<std::string>{"", "2004", "Name4 Van4", "A & B \"quoted\"", "1", "1001",
                                                         "Name1 Van1", "PBH"}));
    EXPECT_TRUE(events[3].start.empty());
    EXPECT_TRUE(test::contains(html, "No entrants"));

    // Without styles and to a screen reader the row reads with separators, the
    // count with its word, and a field event's order is no lane.
    const auto summaries = elements(html, "<summary", "</summary>");
    EXPECT_EQ(summaries[0], "1, 08:00, 100 m, Boys - 12, Finaal, S - 10.50, 4 entrants");
    EXPECT_EQ(summaries[1].substr(summaries[1].size() - 10), "2 entrants");
    const auto firstColumn = elements(html, "<th class=\"lane\"", "</th>");
    EXPECT_EQ(firstColumn, (std::vector<std::string>{"Lane", "Lane", "Lane", "Order"}));
}

TEST(WebPageTest, DayPagesRecordsPageAndHostileTexts)
{
    struct Case {
        bool allDays;
        int day;
        std::vector<std::string> pages;    // the programme's pages
        std::vector<std::string> headings; // each day page's <h1>, or the start page's days
        size_t events;
    };
    for (const Case& c : {Case{true,
                               1,
                               {"index.html", "day1.html", "day2.html"},
                               {"Day 1 \u00B7 Sat 14 Mar", "Day 2 \u00B7 Sun 15 Mar"},
                               4},
                          Case{false, 2, {"index.html"}, {"Day 2: Sunday 15 March 2026"}, 2}}) {
        SCOPED_TRACE(c.pages.size());
        WebSuite suite;
        suite.meeting.days = 2;
        // a byte, a surrogate, a C1 control after "é" and a no-break space
        suite.meeting.remark = "Winter <i>Spelé\xC2\x85</i> & \"Co\"\xC2\xA0\x01\xff\xED\xA0\x80";
        PrintOptions options;
        options.allDays = c.allDays;
        options.day = c.day;
        GridModel flxRek(9, 1);
        flxRek.addRow({"100 m", "B - 12", "Van1", "<b>Name1</b>", "10.50", "2019", "05/04/2019", "PBH", "Tuks"});
        const WebRecordSet set{&flxRek, "School & Co", "S"};
        const WebSite site = suite.site(options, &set);
        EXPECT_EQ(site.events, c.events);
        std::vector<std::string> pages(c.pages.size());
        std::copy_n(namesOf(site).begin(), pages.size(), pages.begin());
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(namesOf(site).back(), "records.html");

        const std::string& index = site.files[0].content;
        // The meeting's first and last day.
        EXPECT_TRUE(test::contains(index, "<p>Saturday 14 March 2026 - Sunday 15 March 2026</p>"));
        if (c.pages.size() > 1) {
            EXPECT_EQ(elements(mainOf(index), "<li><a href=\"day", "</a>"), c.headings);
            EXPECT_EQ(elements(index, "<span class=\"about\"", "</span>"),
                      (std::vector<std::string>{"2 events, 08:00 - 09:00", "2 events, 08:00"}));
            EXPECT_EQ(eventsOf(index).size(), 0u);
            std::vector<std::string> headings;
            for (size_t d = 1; d < c.pages.size(); ++d) {
                const std::string& day = site.files[d].content;
                headings.push_back(elements(day, "<h1", "</h1>").at(0));
                EXPECT_EQ(eventsOf(day).size(), 2u);
                EXPECT_EQ(eventsOf(day)[0].id, "d" + std::to_string(d) + (d == 1 ? "-1" : "-3a"));
                // The day bar marks the day shown and leads to every other.
                EXPECT_EQ(elements(day, "<a href=\"" + c.pages[d] + "\" class=\"on\"", "</a>").size(), 1u);
            }
            EXPECT_EQ(headings,
                      (std::vector<std::string>{"Day 1: Saturday 14 March 2026", "Day 2: Sunday 15 March 2026"}));
        } else {
            EXPECT_EQ(elements(index, "<h2", "</h2>"), c.headings);
            EXPECT_EQ(eventsOf(index).size(), 2u);
        }
        EXPECT_TRUE(test::contains(index, "href=\"records.html\""));
        EXPECT_TRUE(test::contains(index, "href=\"programme.ics\""));
        const std::string meeting = "Winter <i>Spelé</i> & \"Co\"\u00A0\uFFFD\uFFFD\uFFFD\uFFFD";
        for (const WebFile& f : site.files) {
            if (f.name.find(".html") == std::string::npos)
                continue;
            SCOPED_TRACE(f.name);
            // The start page is headed by the meeting, every other page leads back to it.
            EXPECT_EQ(elements(f.content, f.name == "index.html" ? "<h1" : "<p class=\"meeting\"",
                               f.name == "index.html" ? "</h1>" : "</p>"),
                      std::vector<std::string>{meeting});
            EXPECT_FALSE(test::contains(f.content, "<script")) << "a name became markup";
            EXPECT_FALSE(test::contains(f.content, "<i>") || test::contains(f.content, "<b>Name1"));
        }
        const std::string& records = fileNamed(site, "records.html").content;
        EXPECT_EQ(elements(records, "<h2", "</h2>"), std::vector<std::string>{"Record set: School & Co (S)"});
        EXPECT_EQ(elements(records, "<td", "</td>"),
                  (std::vector<std::string>{"100 m", "<b>Name1</b>", "Van1", "B", "12", "2019", "05/04/2019", "Tuks",
                                            "PBH", "10.50"}));
        // On a phone each cell of a record carries its column's title.
        EXPECT_TRUE(test::contains(records, "data-label=\"Record\">10.50</td>"));
    }
}

// With all record data, a holder's long name is shortened to an initial, the team
// to 30 characters and the place to 6, as the printed programme shows them.
TEST(WebPageTest, RecordHoldersShortenedAsInThePrintedProgramme)
{
    WebSuite suite;
    suite.exec("UPDATE Atld60 SET Naam = ?, Van = ?, Span = ?, Plek = ? WHERE Rek = '10.5'",
               {"Annabelle", "Vanderbijl", std::string(30, 'S') + "T", "Kimberley"});
    PrintOptions options;
    options.records = RecordsIncluded::AllData;
    const WebSite site = suite.site(options);
    const std::string& html = fileNamed(site, "index.html").content;
    EXPECT_TRUE(test::contains(html, ">A Vanderbijl<"));
    EXPECT_TRUE(test::contains(html, ">" + std::string(30, 'S') + "<"));
    EXPECT_TRUE(test::contains(html, ">Kimber<"));
}

TEST(WebPageTest, AthletesAndTeamsLinkToTheirRaces)
{
    WebSuite suite;
    suite.meeting.days = 2;
    // Athlete 1 of team 3: code 3001.
    suite.addTeam(3, "Three", "T3");
    suite.addAthlete(3, 1, "Name5", "Zulu");
    suite.addEntry(3001, def::LongJump, 0, 1, 2);
    const WebSite site = suite.site(PrintOptions{});
    const std::string& athletes = fileNamed(site, "athletes.html").content;
    auto listed = racesOf(athletes);
    const auto zulu = listed.back();
    listed.pop_back();
    EXPECT_EQ(zulu.at(0), "Zulu, Name5 \u00B7 Team: Three (T3) \u00B7 ID: 3001");
    EXPECT_TRUE(test::contains(athletes, "<a href=\"team-3.html\">Three (T3)</a>"));
    EXPECT_EQ(racesOf(fileNamed(site, "team-3.html").content).at(0).at(0), "Zulu, Name5 \u00B7 ID: 3001");
    // A to Z by surname, each with team, ID and every race linked to its event.
    EXPECT_EQ(listed, (std::vector<std::vector<std::string>>{
                          {"Van1, Name1 \u00B7 Team: Pretoria Boys (PBH) \u00B7 ID: 1001",
                           "Sat 14 Mar|08:00|1 100 m, Boys - 12, Finaal|Heat 2|Lane 4|day1.html#d1-1",
                           "Sun 15 Mar|08:00|3a Long Jump, Boys - 12, Finaal||Order 1|day2.html#d2-3a"},
                          {"Van2, Name2 \u00B7 Team: Pretoria Boys (PBH) \u00B7 ID: 1002",
                           "Sat 14 Mar|08:00|1 100 m, Boys - 12, Finaal|Heat 1|Lane 5|day1.html#d1-1"},
                          {"Van3, Name3 \u00B7 Team: <script>alert(1)</script> (A & B \"quoted\") \u00B7 ID: 2003",
                           "Sat 14 Mar|08:00|1 100 m, Boys - 12, Finaal|Heat 2|Lane 3|day1.html#d1-1"},
                          {"Van4, Name4 \u00B7 Team: <script>alert(1)</script> (A & B \"quoted\") \u00B7 ID: 2004",
                           "Sat 14 Mar|08:00|1 100 m, Boys - 12, Finaal|Heat 1|Lane 2|day1.html#d1-1",
                           "Sun 15 Mar|08:00|3a Long Jump, Boys - 12, Finaal|||day2.html#d2-3a"}}));
    EXPECT_EQ(elements(athletes, "<h2 id=", "</h2>"), (std::vector<std::string>{"V", "Z"}));
    EXPECT_TRUE(test::contains(athletes, "<a href=\"team-2.html\">"));

    // The teams A to Z, and each team's relays and athletes.
    const std::string& teams = fileNamed(site, "teams.html").content;
    EXPECT_EQ(elements(mainOf(teams), "<li><a", "</a>"),
              (std::vector<std::string>{"<script>alert(1)</script> (A & B \"quoted\")", "Pretoria Boys (PBH)",
                                        "Three (T3)"}));
    const std::string& team = fileNamed(site, "team-2.html").content;
    EXPECT_EQ(elements(team, "<h1", "</h1>"), std::vector<std::string>{"<script>alert(1)</script> (A & B \"quoted\")"});
    const auto races = racesOf(team);
    ASSERT_EQ(races.size(), 3u);
    EXPECT_EQ(races[0],
              std::vector<std::string>{"Sat 14 Mar|09:00|2Z 4x100 m, Boys - 12, Finaal||Lane 6|day1.html#d1-2Z"});
    EXPECT_EQ(races[1].at(0), "Van3, Name3 \u00B7 ID: 2003");
    EXPECT_EQ(races[2].at(0), "Van4, Name4 \u00B7 ID: 2004");
    EXPECT_FALSE(test::contains(team, "<script"));
}

// The calendar as a calendar reads it: lines unfolded, each "NAME:value".
std::vector<std::string> calendarLines(const std::string& ics)
{
    std::vector<std::string> lines;
    for (size_t at = 0; at < ics.size();) {
        const size_t end = ics.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends in CRLF";
        if (end == std::string::npos)
            break;
        const std::string line = ics.substr(at, end - at);
        EXPECT_LE(line.size(), 75u) << line;
        const bool folded = !line.empty() && line[0] == ' ';
        EXPECT_FALSE(folded && line.size() > 1 && (static_cast<unsigned char>(line[1]) & 0xC0) == 0x80)
            << "folded inside a character: " << line;
        if (folded)
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
        at = end + 2;
    }
    return lines;
}

// The pages and the calendar in the page language, dated at the time of publishing.
TEST(WebPageTest, DatesCalendarAndTimeOfPublishingInThePageLanguage)
{
    struct Case {
        Language language;
        const char* heading;
        const char* published;
        const char* bar;
    };
    const Case cases[] = {
        {Language::English, "Day 2: Sunday 15 March 2026", "Published: Monday 7 December 2026, 14:05",
         "Day 2 \u00B7 Sun 15 Mar"},
        {Language::Afrikaans, "Dag 2: Sondag 15 Maart 2026", "Gepubliseer: Maandag 7 Desember 2026, 14:05",
         "Dag 2 \u00B7 So 15 Mrt"},
    };
    const std::string zone = getenv("TZ") ? getenv("TZ") : "";
    setenv("TZ", "UTC", 1);
    tzset();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        WebSuite suite;
        suite.meeting.days = 2;
        suite.meeting.remark = "Games, Spring; 2026 \\ Champs ééééééééééééééééééééééééééééééééééééééééééééééééééé";
        // No time, or none that is a time of day: a calendar entry for the whole day.
        for (const char* time : {"", "8:5", "1;:00", "24:00", "08-00"})
            suite.addRow({.number = "4", .time = time, .event = "Shot", .definition = "108", .day = "2"});
        PrintOptions options;
        options.language = c.language;
        auto store = DataStore::open(suite.folder());
        PrintSources src{suite.grid, suite.reference, suite.meeting, *store, "", ""};
        const std::time_t published = 1796652300; // 7 December 2026, 14:05 UTC
        const WebSite site = buildWebSite(src, options, WebLogo{}, nullptr, published);
        EXPECT_EQ(elements(fileNamed(site, "day2.html").content, "<h1", "</h1>"), std::vector<std::string>{c.heading});
        EXPECT_EQ(elements(mainOf(site.files[0].content), "<li><a href=\"day2.html\"", "</a>"),
                  std::vector<std::string>{c.bar});
        for (const WebFile& f : site.files) {
            if (f.name.find(".html") != std::string::npos) {
                EXPECT_EQ(elements(f.content, "<footer", "</footer>"), std::vector<std::string>{c.published}) << f.name;
            }
        }
        // Without a logo there is no logo file and no picture.
        EXPECT_EQ(std::count_if(site.files.begin(), site.files.end(),
                                [](const WebFile& f) { return f.name.rfind("logo", 0) == 0; }),
                  0);
        EXPECT_FALSE(test::contains(site.files[0].content, "<img"));

        // The calendar: an entry per event at its day and time.
        const auto lines = calendarLines(fileNamed(site, "programme.ics").content);
        auto values = [&](const std::string& name) {
            std::vector<std::string> out;
            for (const std::string& l : lines)
                if (l.rfind(name, 0) == 0)
                    out.push_back(l.substr(name.size()));
            return out;
        };
        EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
        EXPECT_EQ(lines.back(), "END:VCALENDAR");
        EXPECT_EQ(values("X-WR-CALNAME:"),
                  std::vector<std::string>{
                      "Games\\, Spring\\; 2026 \\\\ Champs ééééééééééééééééééééééééééééééééééééééééééééééééééé"});
        EXPECT_EQ(values("BEGIN:VEVENT").size(), 9u);
        std::vector<std::string> starts{":20260314T080000", ":20260314T090000", ":20260315T080000", ":20260315T080000"};
        starts.resize(9, ";VALUE=DATE:20260315");
        EXPECT_EQ(values("DTSTART"), starts);
        EXPECT_EQ(values("LOCATION:").at(0), "Pretoria"); // an event without a place
        EXPECT_EQ(values("LOCATION:").at(2), "Pretoria\\, B");
        if (isEnglish(c.language)) {
            EXPECT_EQ(values("SUMMARY:").at(0), "1 100 m\\, Boys - 12\\, Finaal");
            EXPECT_EQ(values("DESCRIPTION:").at(0), "4 entrants\\nday1.html#d1-1");
        }
        const auto uids = values("UID:");
        EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), 9u);
        EXPECT_EQ(values("DTSTAMP:"), std::vector<std::string>(9, "20261207T140500Z"));
    }
    if (zone.empty())
        unsetenv("TZ");
    else
        setenv("TZ", zone.c_str(), 1);
    tzset();
}

TEST(WebPageTest, FolderWrittenWholeOrNotAtAll)
{
    // before: files in the target folder; "" makes the target a file
    struct Case {
        const char* name;
        std::vector<std::string> before;
        bool written;
    };
    const Case cases[] = {
        {"new folder", {}, true},
        {"earlier page replaced", {"index.html", "records.html"}, true},
        {"earlier site replaced",
         {"day2.html", "athletes.html", "athletes-3.html", "teams.html", "team-12.html", "programme.ics", "logo.png"},
         true},
        {"a page of someone else's", {"index.html", "team-x.html"}, false},
        {"a picture of someone else's", {"logo.gif"}, false},
        {"someone else's folder", {"index.html", "photo.jpg"}, false},
        {"a file", {""}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder dir;
        const fs::path target = dir.path() / "site" / "Web";
        if (!c.before.empty())
            fs::create_directories(target.parent_path());
        if (c.before == std::vector<std::string>{""})
            std::ofstream(target) << "keep";
        else if (!c.before.empty())
            fs::create_directory(target);
        for (const std::string& f : c.before)
            if (!f.empty())
                std::ofstream(target / f) << "old";
        try {
            writeWebFolder(target.string() + "/", {{"index.html", "new"}});
            EXPECT_TRUE(c.written);
            EXPECT_EQ(std::distance(fs::directory_iterator(target), fs::directory_iterator()), 1);
            std::ifstream in(target / "index.html");
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(c.written) << e.what();
            EXPECT_TRUE(test::contains(e.what(), target.string())) << e.what();
            for (const std::string& f : c.before)
                EXPECT_TRUE(fs::exists(f.empty() ? target : target / f));
        }
        // Nothing is left beside the target.
        EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1);
    }
}

} // namespace
