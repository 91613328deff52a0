// SPDX-License-Identifier: GPL-3.0-or-later
// One table of start lists as the model holds them, in the draw order that the
// gate booklet, the web page and the camera files all print; each writer's own
// tests check that it keeps the model's order.
#include "startlists/StartList.h"
#include "support/TestMeeting.h"

#include <gtest/gtest.h>

using namespace dravik;

namespace {

struct Entry {
    int code, heat, lane;
};

struct Case {
    const char* what;
    test::GridRow row;
    std::vector<Entry> entries;          // entry order is the table's: by athlete code or team number
    std::vector<std::vector<int>> heats; // expected: the IDs heat by heat in draw order
    bool relay = false;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {"drawn heats",
         {.number = "1", .definition = "101"},
         {{1001, 2, 3}, {1002, 1, 4}, {1003, 1, 2}, {2001, 2, 1}},
         {{1003, 1002}, {2001, 1001}}},
        // No heat counts as heat 1; in a heat the entries without a lane follow, in entry order.
        {"partly drawn",
         {.number = "2", .event = "1500 m", .definition = "102"},
         {{2002, 0, 0}, {1001, 1, 2}, {2003, 1, 0}, {1002, 1, 1}, {2004, 2, 1}},
         {{1002, 1001, 2002, 2003}, {2004}}},
        {"no draw",
         {.number = "3", .level = "Heat", .definition = "101"},
         {{2004, 0, 0}, {1003, 0, 0}, {2001, 0, 0}},
         {{1003, 2001, 2004}}},
        {"relay", {.number = "4", .event = "4x100 m", .definition = "103"}, {{2, 1, 2}, {1, 1, 1}}, {{1, 2}}, true},
        {"field event in its order",
         {.number = "5", .event = "Long Jump", .definition = "107"},
         {{1001, 1, 2}, {2003, 1, 1}},
         {{2003, 1001}}},
    };
    return all;
}

class StartListCases : public ::testing::Test {
protected:
    void SetUp() override
    {
        meeting_.addTeam(1, "Oakdale, High", "OAK");
        meeting_.addTeam(2, "Bergsig \"Oos\"", "BRG");
        for (int code : {1001, 1002, 1003, 2001, 2002, 2003, 2004})
            meeting_.addAthlete(code / 1000, code % 1000, "Name", "Surname " + std::to_string(code));
        for (const Case& c : cases()) {
            meeting_.addRow(c.row);
            const int definition = std::stoi(c.row.definition);
            const double level = levelIndexOf(c.row.level, Language::English);
            for (const Entry& e : c.entries)
                meeting_.addEntry(e.code, definition, static_cast<int>(level), e.heat, e.lane, c.relay);
        }
    }

    test::TestMeeting meeting_;
};

TEST_F(StartListCases, TheModelHoldsEachRaceInDrawOrder)
{
    auto store = meeting_.open();
    const StartLists lists = buildStartLists(meeting_.grid, meeting_.reference, *store, Language::English);
    for (size_t i = 0; i < cases().size(); ++i) {
        const Case& c = cases()[i];
        const StartListEvent& e = lists.events.at(i);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(e.programmeNumber(), c.row.number + c.row.sub);
        std::vector<std::vector<int>> heats;
        for (const StartHeat& h : e.heats) {
            heats.emplace_back();
            for (const StartCompetitor& who : h.competitors)
                heats.back().push_back(static_cast<int>(who.code));
        }
        EXPECT_EQ(heats, c.heats);
        EXPECT_EQ(e.kind, c.relay ? EventKind::Relay : c.row.definition == "107" ? EventKind::Field : EventKind::Track);
    }
}

} // namespace
