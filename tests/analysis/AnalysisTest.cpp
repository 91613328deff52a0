// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/Analysis.h"

#include "records/RecordGrid.h"
#include "support/TestMeeting.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace dravik;
using test::column;
using Cells = std::vector<std::string>;

namespace {

constexpr int kSprint = test::def::Sprint, kRelay = test::def::Relay, kShot = test::def::Shot;

// The analysis of a test meeting: individual and team entries in its database,
// a programme grid row per event ("Event 2b", at 08:00, age 12).
struct AnalysisSuite : test::TestMeeting {
    void addAthletes(int n)
    {
        for (int i = 1; i <= n; ++i)
            addAthlete(1, i, "Naam", "Van");
    }
    void addEvent(const std::string& number, const std::string& sub, int definition,
                  const std::string& level = "Finaal", const std::string& gender = "Male")
    {
        addRow({.number = number,
                .sub = sub,
                .gender = gender,
                .event = "Event " + number + sub,
                .level = level,
                .definition = definition ? std::to_string(definition) : ""});
    }
    AnalysisResult read(GridModel& flxAnal, const DisplayedRecords* displayed = nullptr,
                        const AnalysisLabels& previous = {}, AnalysisOrder order = AnalysisOrder::Events,
                        Language lang = Language::English)
    {
        setupAnalysisGrid(flxAnal, lang);
        auto store = open();
        return readAnalysis(flxAnal, {grid, reference.definitions, *store, displayed}, lang, previous, order);
    }
};

// A record grid as Display fills it: Sprint with a record, Relay without one, Shot
// with a team's record (no first name), and a record of a definition the meeting no
// longer has.
GridModel recordGrid()
{
    GridModel g;
    setupRecordGrid(g, Language::English);
    g.addItem("100 m\tB - 12\tLee\tAnn\t12.10\t2019\t05/04/2019\tOaks\tPretoria\t101\t7\t1\t1\t4");
    g.addItem("Relay\tG - 14\t\t\t\t\t14/03/2026\t\t\t103\t-1\t2\t3\t4");
    g.addItem("Shot\tMen\tEagles\t\t15.20\t2001\t03/02/2001\tEagles\tDurban\t108\t9\t3\t8\t4");
    g.addItem("Gone\tB - 12\tVan\tPiet\t11.00\t2000\t01/01/2000\tOaks\tPretoria\t555\t10\t4\t1\t4");
    return g;
}

TEST(AnalysisTest, TotalsCountEntriesOfBothTablesPerEvent)
{
    AnalysisSuite s;
    s.addAthletes(8);
    s.addEntries(kSprint, 9);
    s.addEntries(kSprint, 3, 1000, 4); // heats: counted with the event, whatever the level
    s.addEntries(kRelay, 6, 1000, 0, true);
    s.addEntries(kShot, 2);
    s.addEntries(555, 4); // entries of a definition the meeting does not know
    s.addEvent("1", "", kSprint, "Heat");
    s.addEvent("2", "", kRelay, "Finaal", "Female");
    s.addEvent("3", "", 555);
    s.addEvent("4", "", 0);
    s.addEvent("5", "", kShot);

    GridModel flxAnal;
    AnalysisResult r = s.read(flxAnal);
    ASSERT_TRUE(r.read);
    EXPECT_EQ(column(flxAnal, acol::Athletes), (Cells{"12", "6", "0", "0", "2"}));
    EXPECT_EQ(flxAnal.rowCells(1), (Cells{"1", "Event 1", "H", "08:00", "M - 12", "12", "", "", ""}));
    EXPECT_EQ(flxAnal.cell(2, acol::GenderAge), "F - 12");
    const AnalysisLabels& l = r.labels;
    EXPECT_EQ(std::tie(l.lblItms, l.lblAtl, l.lblDeel, l.lblGem, l.lblRek),
              std::tuple("5", "8", "20", "(2.5/Atleet)", "0"));
}

TEST(AnalysisTest, AverageTextPerAthlete)
{
    // Halves round away from zero; no athletes, no average.
    for (auto [competitors, athletes, text] : {std::tuple{1, 20, "(0.1/Atleet)"}, {7, 0, ""}, {31, 3, "(10.3/Atleet)"}})
        EXPECT_EQ(averageText(competitors, athletes), text) << competitors << "/" << athletes;
}

TEST(AnalysisTest, ProgrammeWithoutEventsLeavesTheLabels)
{
    AnalysisSuite s;
    GridModel flxAnal;
    AnalysisLabels previous{"7", "3", "9", "(3.0/Atleet)", "1", "Record set: R (Club)"};
    AnalysisResult r = s.read(flxAnal, nullptr, previous);
    EXPECT_FALSE(r.read);
    EXPECT_EQ(std::tie(r.labels.lblItms, r.labels.lblReks), std::tie(previous.lblItms, previous.lblReks));
}

// A record shows only for an event whose definition the meeting still has; the set's
// text is kept from before unless some event has a record.
TEST(AnalysisTest, RecordColumnsFollowTheDisplayedSet)
{
    const Cells none{"", "", ""}, sprint{"12.10", "Ann,Lee", "2019"}, shot{"15.20", "Eagles", "2001"};
    struct Case {
        const char* name;
        bool displayed;
        std::string lblRek, lblReks;
        Cells sprint, shot;
    };
    const Case cases[] = {
        {"no set displayed keeps lblReks", false, "0", "Record set: O (Old)", none, none},
        {"set displayed", true, "2", "Record set: C (Club)", sprint, shot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisSuite s;
        s.addEvent("1", "", kSprint);
        s.addEvent("2", "", kRelay); // in the set, but without a record
        s.addEvent("3", "", 555);    // not the meeting's: its record is not shown
        s.addEvent("4", "", kShot);
        const GridModel flxRek = recordGrid();
        const DisplayedRecords displayed{flxRek, {4, "Club", "C"}};
        AnalysisLabels previous;
        previous.lblReks = "Record set: O (Old)";
        GridModel flxAnal;
        AnalysisResult r = s.read(flxAnal, c.displayed ? &displayed : nullptr, previous);
        auto recordCells = [&](int row) {
            return Cells{flxAnal.cell(row, acol::Record), flxAnal.cell(row, acol::Holder),
                         flxAnal.cell(row, acol::Year)};
        };
        EXPECT_EQ((std::vector<Cells>{recordCells(1), recordCells(2), recordCells(3), recordCells(4)}),
                  (std::vector<Cells>{c.sprint, none, none, c.shot}));
        EXPECT_EQ(r.eventsWithRecords, std::stoi(c.lblRek));
        EXPECT_EQ(std::tie(r.labels.lblRek, r.labels.lblReks), std::tie(c.lblRek, c.lblReks));
    }
}

TEST(AnalysisTest, SortsByEventNumberOrByCompetitorsWithTiesByEventNumber)
{
    AnalysisSuite s;
    s.addEntries(kSprint, 3);
    s.addEntries(kRelay, 5, 1000, 0, true);
    // Number, sub letter and definition: Sprint has 3 competitors, Relay 5, Shot none.
    for (auto [number, sub, definition] : {std::tuple{"10", "", kSprint},
                                           {"3", "", kSprint},
                                           {"2", "b", kRelay},
                                           {"9", "", kShot},
                                           {"2", "", kSprint},
                                           {"10", "a", kRelay},
                                           {"2", "a", kSprint}})
        s.addEvent(number, sub, definition);
    GridModel flxAnal;
    s.read(flxAnal);
    EXPECT_EQ(column(flxAnal, acol::Number), (Cells{"2", "2a", "2b", "3", "9", "10", "10a"}));
    // 0 before 3; the events with 3 in number order; 2b and 10a (5 each) too.
    s.read(flxAnal, nullptr, {}, AnalysisOrder::Number);
    EXPECT_EQ(column(flxAnal, acol::Number), (Cells{"9", "2", "2a", "3", "10", "2b", "10a"}));
    EXPECT_EQ(flxAnal.row(), 1);
}

} // namespace
