#include "PrintTestSupport.h"

#include "platform/TextNumber.h"
#include "printing/WebSite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
        addRow({.number = "2", .sub = "a", .time = "09:00", .event = "4x100 m", .definition = "103"});
        addRow({.number = "3", .event = "Long Jump", .point = "B", .definition = "107", .day = "2"});
        addRow({.number = "3", .event = "Shot", .definition = "108", .day = "2"});
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
    ASSERT_EQ(site.files.size(), 1u);
    const std::string& html = site.files[0].content;
    EXPECT_TRUE(test::contains(html, "<img src=\"data:image/png;base64,UE5H\" alt=\"\">"));
    const auto events = eventsOf(html);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].id, "e1");
    EXPECT_EQ(events[3].id, "e3-2");

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

    // The rows say what the standard programme prints.
    PrintOptions standard = options;
    const Document doc = suite.print(standard);
    std::vector<std::vector<std::string>> rows;
    for (const Table* t : doc.tables())
        rows.insert(rows.end(), t->rows.begin(), t->rows.end());
    ASSERT_EQ(rows.size(), events.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t col = 0; col < 6; ++col)
            EXPECT_EQ(events[i].cells[col], trimmed(rows[i][col])) << i << "," << col;
        EXPECT_EQ(events[i].records.empty() ? "" : events[i].records[0], trimmed(rows[i][6]));
    }
}

TEST(WebPageTest, DaysRecordsPageAndHostileTexts)
{
    struct Case { bool allDays; int day; std::vector<std::string> titles; size_t events; };
    for (const Case& c : {Case{true, 1, {"Day: 1 - 14/03/2026", "Day: 2 - 15/03/2026"}, 4},
                          Case{false, 2, {"Day: 2 - 15/03/2026"}, 2}}) {
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
        ASSERT_EQ(site.files.size(), 2u);
        EXPECT_EQ(site.events, c.events);
        EXPECT_EQ(elements(site.files[0].content, "<h2", "</h2>"), c.titles);
        EXPECT_TRUE(test::contains(site.files[0].content, "href=\"records.html\""));
        for (const WebFile& f : site.files) {
            SCOPED_TRACE(f.name);
            EXPECT_EQ(elements(f.content, "<h1", "</h1>"), std::vector<std::string>{"Winter <i>Spelé</i> & \"Co\"\u00A0\uFFFD\uFFFD\uFFFD\uFFFD"});
            EXPECT_FALSE(test::contains(f.content, "<script")) << "a name became markup";
            EXPECT_FALSE(test::contains(f.content, "<i>") || test::contains(f.content, "<b>"));
        }
        const std::string& records = site.files[1].content;
        EXPECT_EQ(elements(records, "<h2", "</h2>"), std::vector<std::string>{"Record set: School & Co (S)"});
        EXPECT_EQ(elements(records, "<td", "</td>"), (std::vector<std::string>{"100 m", "<b>Name1</b>", "Van1", "B", "12",
                                                                            "2019", "05/04/2019", "Tuks", "PBH", "10.50"}));
    }
}

TEST(WebPageTest, FolderWrittenWholeOrNotAtAll)
{
    // before: files in the target folder; "" makes the target a file
    struct Case { const char* name; std::vector<std::string> before; bool written; };
    const Case cases[] = {
        {"new folder", {}, true},
        {"earlier page replaced", {"index.html", "records.html"}, true},
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
