// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/Schedule.h"

#include "generator/GeneratorError.h"
#include "generator/GeneratorTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dravik {
namespace {

using test::column;
using test::fillWorkingList;
using test::ListRow;
using Cells = std::vector<std::string>;

TEST(MeetingClock, AdvancesPastTheHourAndMidnight)
{
    struct Case {
        const char* start;
        std::vector<double> advances;
        const char* shown;
    };
    for (const Case& c : std::vector<Case>{
             {"08:50", {130}, "11:00"},
             {" 8:05 ", {0}, "08:05"},
             {"23:30", {45}, "24:15"},                         // no wrap at midnight
             {"08:00", std::vector<double>(10, 0.1), "08:01"}, // typed tenths that make a minute
         }) {
        MeetingClock clock = MeetingClock::parse(c.start);
        for (double m : c.advances)
            clock.advance(m);
        EXPECT_EQ(clock.text(), c.shown) << c.start;
    }
}

// Races are kind 1, field events kind 7; lists are in the order "Lees Items" leaves them.
struct NumberingCase {
    const char* name;
    std::vector<ListRow> rows;
    double roundLength, rounds;
    Cells order;
};

const NumberingCase kCases[] = {
    {"NoRoundsKeepListOrder", {{"a", 1, 1, 10}, {"f1", 7, 5, 15}, {"f2", 7, 6, 15}}, 15, 0, {"a", "f1", "f2"}},
    {"NoRoundLengthMeansNoRounds", {{"a", 1, 1, 10}, {"b", 1, 2, 20}}, 0, 3, {"a", "b"}},
    // round 1: f5a, f5b and at once the next other key f7; a (10 < 15), not b (10 + 5 is not below 15).
    // round 2: f5c; b. left: c
    {"ThirdRowOfOneEventWaits",
     {{"a", 1, 1, 10},
      {"b", 1, 2, 5},
      {"c", 1, 3, 10},
      {"f5a", 7, 5, 15},
      {"f5b", 7, 5, 15},
      {"f5c", 7, 5, 15},
      {"f7", 7, 7, 15}},
     15,
     2,
     {"f5a", "f5b", "f7", "a", "f5c", "b", "c"}},
    {"RunWithNothingAfterItIsPlacedWhole",
     {{"a", 1, 1, 10}, {"f5a", 7, 5, 15}, {"f5b", 7, 5, 15}, {"f5c", 7, 5, 15}},
     15,
     1,
     {"f5a", "f5b", "f5c", "a"}},
    // f1 would fit in the track slot (5 + 15 < 30), but the track stream ends before the field rows
    {"FieldRowNeverTakesATrackSlot", {{"a", 1, 1, 5}, {"f1", 7, 1, 15}, {"f2", 7, 2, 36}}, 30, 2, {"f1", "f2", "a"}},
    // field rows removed by "Skraap Item", rounds still in the summary
    {"RacesOnlyNeverReadPastTheLastRow", {{"a", 1, 1, 5}, {"b", 1, 2, 5}}, 15, 3, {"a", "b"}},
    {"RaceLongerThanARoundWaits", {{"a", 1, 1, 20}, {"b", 1, 2, 5}, {"f", 7, 1, 15}}, 15, 2, {"f", "a", "b"}},
};

TEST(Numbering, PutsRowsInProgrammeOrderAndRenumbers)
{
    for (const NumberingCase& c : kCases) {
        SCOPED_TRACE(c.name);
        GridModel list;
        fillWorkingList(list, c.rows);
        numberWorkingList(list, c.roundLength, c.rounds);
        EXPECT_EQ(column(list, ncol::Event), c.order);
        Cells numbers;
        for (size_t i = 1; i <= c.rows.size(); ++i)
            numbers.push_back(std::to_string(i));
        EXPECT_EQ(column(list, ncol::Number), numbers);
    }
}

TEST(Timing, RacesFollowTheTrackClockFieldEventsShareTheFieldClock)
{
    GridModel list;
    fillWorkingList(list, {{"f1", 7, 1, 42},
                           {"f2", 8, 2, 15},
                           {"r1", 1, 3, 6},
                           {"r2", 1, 3, 5},
                           {"f3", 7, 4, 18},
                           {"r3", 5, 5, 7.5},
                           {"r4", 5, 6, 2.5},
                           {"relay", 3, 8, 0}});
    timeWorkingList(list, 30, MeetingClock::parse("08:50"));
    // the field clock moves on by 30 only when a race follows field events; a half minute shows as the
    // next whole minute and is kept (r4 at 09:09, the relay at 09:11, not 09:12)
    EXPECT_EQ(column(list, ncol::Time),
              (Cells{"08:50", "08:50", "08:50", "08:56", "09:20", "09:01", "09:09", "09:11"}));
}

TEST(CreateProgramme, ReadsTheSummaryAndRefusesABadStartTime)
{
    GridModel list;
    fillWorkingList(list, kCases[2].rows);
    list.setCell(2, ncol::Time, "15");
    list.setCell(3, ncol::Time, "2");
    for (const char* start : {"", "8", "24:00", "12:60", "08.00", "08:00:00", "8:5"})
        EXPECT_THAT([&] { createProgramme(list, start); },
                    testing::ThrowsMessage<GeneratorError>(testing::HasSubstr("\"" + std::string(start) + "\"")));
    EXPECT_EQ(createProgramme(list, "08:00"), 7);
    EXPECT_EQ(column(list, ncol::Event), kCases[2].order);
    EXPECT_EQ(column(list, ncol::Time), (Cells{"08:00", "08:00", "08:00", "08:00", "08:15", "08:10", "08:15"}));
}

} // namespace
} // namespace dravik
