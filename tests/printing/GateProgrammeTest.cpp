// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSupport.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::printing;
namespace def = dravik::test::def;
using test::contains;
using test::eventTexts;

namespace {

const std::string kThreeBlanks = "\r\n\r\n1 __________________\t2 __________________\t3 __________________\r\n   ";

PrintOptions gateOptions(GateNames names = GateNames::None)
{
    PrintOptions o;
    o.kind = ProgrammeKind::FullGate;
    o.names = names;
    return o;
}

// Each event's cell: its heading, then the lines to write three (or up to nine) results on.
TEST(GateProgrammeTest, OneEighteenCentimetreColumnWithOneCellPerEventAndItsFillInLines)
{
    const std::string row1 = "1 __________________\t2 __________________\t3 __________________\r\n";
    const std::string row2 = "4 __________________\t5 __________________\t6 __________________\r\n";
    const std::string row3 = "7 __________________\t8 __________________\t9 __________________\r\n";
    struct Case {
        int results;
        std::string area;
    };
    for (const Case& c : {Case{3, kThreeBlanks}, Case{9, "\r\n" + row1 + "\r\n" + row2 + "\r\n" + row3 + "   "}}) {
        test::PrintSuite suite;
        suite.addRow({.number = "7", .sub = "b", .time = " 10:30", .age = "14", .event = "100 m", .point = "A  "});
        suite.addRow(
            {.number = "8", .gender = "Female", .age = "25", .event = "Long Jump Open Class", .level = "Heat"});
        auto options = gateOptions();
        options.resultLines = c.results;
        Document doc = suite.print(options);
        ASSERT_EQ(doc.tables().size(), 1u);
        const Table& t = *doc.tables()[0];
        ASSERT_EQ(t.columns.size(), 1u);
        EXPECT_DOUBLE_EQ(t.columns[0].widthCm, 18.0);
        EXPECT_TRUE(t.header.empty());
        EXPECT_EQ(doc.orientation(), Orientation::Portrait);
        EXPECT_EQ(eventTexts(doc),
                  (std::vector<std::string>{"Event 7b\t10:30\tBoys - 14\t100 m\tA\tFinaal\r\n" + c.area,
                                            "Event 8\t08:00\tWomen\tLong Jump Open Class\t\tHeat\r\n" + c.area}))
            << c.results;
    }
}

TEST(GateProgrammeTest, AlternativeLanguageHeadingsAlternateAcrossPrintouts)
{
    test::PrintSuite suite;
    suite.addRows(6, {.level = "Quarter-Final"});
    auto options = gateOptions();
    options.alternativeLanguage = true;
    PrintState state;
    auto texts = eventTexts(suite.print(options, state));
    for (size_t i = 0; i < texts.size(); ++i) {
        bool alternative = i % 2 == 1;
        EXPECT_EQ(contains(texts[i], "\tSeuns - 12\t"), alternative) << texts[i];
        EXPECT_EQ(contains(texts[i], "\tBoys - 12\t"), !alternative) << texts[i];
        EXPECT_EQ(contains(texts[i], "\tKwart-eind"), alternative) << texts[i];
    }
    // The sixth heading was an alternative one, so the next printout starts normal;
    // after a single normal event, the one after that starts alternative.
    suite.grid.setRows(2);
    EXPECT_TRUE(contains(eventTexts(suite.print(options, state))[0], "Boys - 12"));
    EXPECT_TRUE(contains(eventTexts(suite.print(options, state))[0], "Seuns - 12"));
}

// The standard list and the gate programme word the gender and age each their own way.
TEST(GateProgrammeTest, GenderLabelsOfTheStandardListAndTheGateHeadings)
{
    struct Case {
        Language lang;
        bool alternative;
        std::string gender, age, standard, gate;
    };
    const Language en = Language::English, af = Language::Afrikaans;
    const Case cases[] = {
        {en, false, "Male", "25", "Men", "Men"},
        {en, false, "Male", "18", "Boys - 18", "Boys - 18"},
        {en, false, "Male", "19", "Men - 19", "Men - 19"},
        {en, false, "Female", "25", "Women", "Women"},
        {af, false, "Vroulik", "25", "Vroue", "Vroulik"},
        // Alternative headings are in the other language; the standard list is not.
        {en, true, "Male", "25", "Men", "Mans"},
        {en, true, "Female", "19", "Women - 19", "Vroue - 19"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gender + " " + c.age);
        test::PrintSuite suite;
        suite.addRow({.number = "12", .sub = "a", .time = "09:15", .gender = c.gender, .age = c.age, .point = "A  "});
        PrintOptions standard;
        standard.language = c.lang;
        EXPECT_EQ(suite.print(standard).tables().at(0)->rows.at(0),
                  (std::vector<std::string>{"12a", "09:15", c.standard, "100 m", "A  ", "Finaal"}));
        auto options = gateOptions();
        options.language = c.lang;
        options.alternativeLanguage = c.alternative;
        PrintState state{c.alternative ? 2 : 0};
        std::string text = eventTexts(suite.print(options, state))[0];
        EXPECT_TRUE(contains(text, "\t" + c.gate + "\t")) << text;
        EXPECT_EQ(text.rfind(isEnglish(c.lang) ? "Event 12a\t" : "Item 12a\t", 0), 0u) << text;
    }
}

// Athletes Ann, Ben, Cas and Dan of team 1 (TUK) and a relay team 2 (PUK).
void addEntrants(test::PrintSuite& suite)
{
    suite.addTeam(1, "Tukkies", "TUK");
    suite.addTeam(2, "Pukke", "PUK");
    suite.addAthlete(1, 1, "Ann", "Alpha");
    suite.addAthlete(1, 2, "Ben", "Beta");
    suite.addAthlete(1, 3, "Cas", "Gamma");
    suite.addAthlete(1, 4, "Dan", "Delta");
}

TEST(GateProgrammeTest, EntrantsOfTheEventAndLevelFollowTheHeading)
{
    struct Case {
        GateNames names;
        NameStyle style;
        std::string definition, level, entrants;
    };
    const Case cases[] = {
        {GateNames::EntryOrder, NameStyle::FullName, "101", "Finaal",
         "Ann Alpha (TUK)   Ben Beta (TUK)    (TUK)   Cas Gamma"},
        {GateNames::EntryOrder, NameStyle::Initials, "101", "Finaal",
         "A Alpha (TUK)   B Beta (TUK)    (TUK)   C Gamma"},
        {GateNames::EntryOrder, NameStyle::FullName, "101", "Heat", "Dan Delta (TUK)   "},
        {GateNames::EntryOrder, NameStyle::FullName, "103", "Finaal",
         "Tukkies (TUK)   Pukke (PUK)   "}, // in team-number order
    };
    for (const Case& c : cases) {
        test::PrintSuite suite;
        addEntrants(suite);
        suite.addEntry(1001, def::Sprint);
        suite.addEntry(1002, def::Sprint);
        suite.addEntry(1009, def::Sprint);    // no such athlete: the team only
        suite.addEntry(3003, def::Sprint);    // no such team: the name only
        suite.addEntry(1004, def::Sprint, 4); // level 4, "Heat"
        suite.addTeamEntry(2, def::Relay);
        suite.addTeamEntry(1, def::Relay);
        suite.addTeamEntry(5, def::Relay); // no such team: nothing
        suite.addAthlete(3, 3, "Cas", "Gamma");
        suite.addRow({.level = c.level, .definition = c.definition});
        auto options = gateOptions(c.names);
        options.nameStyle = c.style;
        std::string text = eventTexts(suite.print(options))[0];
        EXPECT_EQ(text, text.substr(0, text.find("\r\n")) + "\r\n" + c.entrants + kThreeBlanks) << text;
    }
}

TEST(GateProgrammeTest, DrawOrderGroupsEntrantsByHeatAndLane)
{
    // heatsAndLanes: for Ann, Ben, Cas, Dan in that entry order; alternative: the heading
    // in the other language, and so the heat word
    struct Case {
        int definition;
        std::vector<std::pair<int, int>> heatsAndLanes;
        std::string body;
        bool alternative = false;
    };
    const std::string ann = "Ann Alpha (TUK)   ", ben = "Ben Beta (TUK)   ", cas = "Cas Gamma (TUK)   ",
                      dan = "Dan Delta (TUK)   ";
    const Case cases[] = {
        {def::Sprint,
         {{2, 1}, {1, 2}, {1, 1}, {2, 2}},
         "\r\nLopie :1\r\n" + cas + ben + kThreeBlanks + "\r\nLopie :2\r\n" + ann + dan + kThreeBlanks},
        {def::Sprint, {{1, 4}, {1, 3}, {1, 2}, {1, 1}}, "\r\n\r\n" + dan + cas + ben + ann + kThreeBlanks},
        {def::Steeple,
         {{1, 1}, {1, 2}, {2, 1}, {2, 2}},
         "\r\n\r\n" + ann + ben + kThreeBlanks + "\r\nLopie :2\r\n" + cas + dan + kThreeBlanks},
        {def::LongJump, {{1, 1}, {1, 2}, {2, 1}, {2, 2}}, "\r\n\r\n" + ann + ben + cas + dan + kThreeBlanks},
        {def::Shot, {{2, 2}, {2, 1}, {1, 2}, {1, 1}}, "\r\n\r\n" + dan + cas + ben + ann + kThreeBlanks},
        {def::Sprint,
         {{1, 1}, {2, 1}, {1, 2}, {2, 2}},
         "\r\nHeat :1\r\n" + ann + cas + kThreeBlanks + "\r\nHeat :2\r\n" + ben + dan + kThreeBlanks,
         true},
    };
    for (const Case& c : cases) {
        test::PrintSuite suite;
        addEntrants(suite);
        for (int a = 0; a < 4; ++a)
            suite.addEntry(1001 + a, c.definition, 0, c.heatsAndLanes[a].first, c.heatsAndLanes[a].second);
        suite.addRow({.definition = std::to_string(c.definition)});
        auto options = gateOptions(GateNames::DrawOrder);
        options.alternativeLanguage = c.alternative;
        std::string text = eventTexts(suite.print(options))[0];
        EXPECT_EQ(text.substr(text.find("Finaal") + 6), c.body) << "definition " << c.definition;
    }
}

TEST(GateProgrammeTest, RecordLinesOfTheActiveSets)
{
    struct Case {
        Language lang;
        RecordsIncluded records;
        RecordDate date;
        std::string definition, lines;
    };
    const Case cases[] = {
        {Language::English, RecordsIncluded::ValuesOnly, RecordDate::None, "102",
         "Record(s): S - 4:20.00   N - 4:01.50   "},
        {Language::Afrikaans, RecordsIncluded::ValuesOnly, RecordDate::None, "101", "Rekord(s):  Nuwe item"},
        {Language::English, RecordsIncluded::ValuesOnly, RecordDate::None, "101", "Record(s):  New Event"},
        // An event without a record has no "Record(s): " line.
        {Language::English, RecordsIncluded::ValuesOnly, RecordDate::None, "110", ""},
        {Language::English, RecordsIncluded::AllData, RecordDate::None, "102",
         "Record(s): S - 4:20.00   Ann Lee  Tuks  Pta  \r\n" + std::string(18, ' ') + "N - 4:01.50   Bo Ek  SA  Cpt  "},
        {Language::English, RecordsIncluded::AllData, RecordDate::Full, "102",
         "Record(s): S - 4:20.00   Ann Lee  Tuks  Pta  05/04/2019\r\n" + std::string(14, ' ') +
             "N - 4:01.50   Bo Ek  SA  Cpt  01/02/2001"},
        {Language::English, RecordsIncluded::AllData, RecordDate::Year, "102",
         "Record(s): S - 4:20.00   Ann Lee  Tuks  Pta  2019\r\n" + std::string(16, ' ') +
             "N - 4:01.50   Bo Ek  SA  Cpt  2001"},
    };
    for (const Case& c : cases) {
        test::PrintSuite suite;
        suite.addRecordSet(1, "S", "School");
        suite.addRecordSet(2, "N", "National");
        suite.addRecordSet(3, "X", "Old", false);
        suite.addRecord({1, def::Mile, "260", "Ann", "Lee", "Tuks", "Pta", "2019-04-05", "2019"});
        suite.addRecord({2, def::Mile, "241.5", "Bo", "Ek", "SA", "Cpt", "2001-02-01", "2001"});
        suite.addRecord({3, def::Mile, "200"});
        suite.addRecord({1, def::Sprint, "0.01"});
        suite.addRow({.gender = maleWord(c.lang), .definition = c.definition});
        auto options = gateOptions();
        options.language = c.lang;
        options.records = c.records;
        options.recordDate = c.date;
        std::string text = eventTexts(suite.print(options))[0];
        std::string heading = text.substr(0, text.find("\r\n"));
        EXPECT_EQ(text, heading + (c.lines.empty() ? "" : "\r\n\r\n" + c.lines) + "\r\n" + kThreeBlanks);
    }
}

} // namespace
