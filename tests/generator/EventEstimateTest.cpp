// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/EventEstimate.h"
#include "generator/GeneratorError.h"
#include "generator/HeatSizeTable.h"
#include "platform/GridModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(Estimate, RaceHeatsAndMinutesByKindAndDistance)
{
    struct Case {
        int kind;
        double distance;
        int heats;
        double minutes;
    };
    const Case cases[] = {
        // Sizes 10, 12, 15, 20, 30, 60, 61: 60 entries give 7 to 1 heats for rows 1 to 7, naming the row read;
        // the whole part plus one, even at exact multiples.
        // kind 1 at 2 minutes
        {1, 100, 7, 14},
        {1, 200, 6, 12},
        {1, 201, 5, 10},
        // kind 2: "Middel" at 4, 6, 9 or 16 minutes
        {2, 800, 4, 16},
        {2, 2000, 4, 24},
        {2, 5000, 4, 36},
        {2, 5001, 4, 64},
        // kind 5 at 2.5 minutes
        {5, 110, 3, 7.5},
        {5, 200, 2, 5},
        {5, 400, 1, 2.5},
        // kind 6: "Middel" at 6 or 10 minutes
        {6, 2000, 4, 24},
        {6, 2001, 4, 40},
        // relays take no time
        {3, 400, 0, 0},
    };
    GridModel own;
    setupHeatSizeTable(own);
    const char* sizes[] = {"10", "12", "15", "20", "30", "60", "61"};
    for (int row = 1; row <= 7; ++row)
        own.setCell(row, 1, sizes[row - 1]);
    for (const Case& c : cases) {
        EventEstimate e = estimateEvent(c.kind, c.distance, 60, false, own);
        EXPECT_EQ(e.heats, c.heats) << "kind " << c.kind << ", " << c.distance << " m";
        EXPECT_DOUBLE_EQ(e.minutes, c.minutes) << "kind " << c.kind << ", " << c.distance << " m";
    }
}

// A field event's minutes are checked through the working list; here the rounds they make.
TEST(Estimate, FieldEventRounds)
{
    for (auto [longest, round] : std::vector<std::pair<double, double>>{{42, 30}, {45, 45}, {29, 15}, {0, 0}})
        EXPECT_DOUBLE_EQ(fieldRoundLength(longest), round) << longest;
    // track minutes, round length, rounds; no field event gives no rounds, not a division by zero
    for (auto [track, round, rounds] :
         std::vector<std::tuple<double, double, int>>{{60, 30, 2}, {59.5, 30, 1}, {29, 30, 0}, {100, 0, 0}})
        EXPECT_EQ(fieldRoundCount(track, round), rounds) << track << " / " << round;
}

TEST(Estimate, PoleVaultByStoredMarkOrCatalogueName)
{
    EXPECT_TRUE(isPoleVault("Pole vault - Open", "Verspring"));
    EXPECT_TRUE(isPoleVault("", " PAALSPRING"));
    EXPECT_TRUE(isPoleVault("PS Senior", ""));
    EXPECT_FALSE(isPoleVault("Long Jump", "Verspring"));
    EXPECT_FALSE(isPoleVault("ps", "Paal"));
}

// A table without the row the race reads is refused, not read past its end.
TEST(Estimate, HeatSizeTableWithoutTheRowIsRefused)
{
    GridModel shortTable;
    setupHeatSizeTable(shortTable);
    shortTable.setRows(4);
    EXPECT_THAT([&] { estimateEvent(5, 100, 3, false, shortTable); },
                testing::ThrowsMessage<GeneratorError>(testing::HasSubstr("Tot 110mH")));
}

} // namespace
} // namespace dravik
