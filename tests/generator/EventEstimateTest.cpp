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
    // ownSizes: every row of the heat-size table its own size
    struct Case {
        bool ownSizes;
        int kind;
        double distance;
        int entries, heats;
        double minutes;
    };
    const Case cases[] = {
        // The standard table: 10 to 100 m, 8 to 200 m, 16 middle distance, 10 hurdles to 110 m.
        // Whole part plus one, even at exact multiples.
        {false, 1, 100, 9, 1, 2},
        {false, 1, 100, 10, 2, 4},
        {false, 1, 200, 8, 2, 4},
        {false, 2, 1500, 15, 1, 6},
        {false, 2, 1500, 16, 2, 12},
        {false, 5, 100, 12, 2, 5},
        {false, 6, 3000, 16, 2, 20},
        // Sizes 10, 12, 15, 20, 30, 60, 61: 60 entries give 7 to 1 heats for rows 1 to 7, naming the row read.
        // kind 1 at 2 minutes
        {true, 1, 100, 60, 7, 14},
        {true, 1, 101, 60, 6, 12},
        {true, 1, 200, 60, 6, 12},
        {true, 1, 201, 60, 5, 10},
        // kinds 2 and 0: "Middel" at 4, 6, 9 or 16 minutes
        {true, 2, 800, 60, 4, 16},
        {true, 2, 801, 60, 4, 24},
        {true, 2, 2000, 60, 4, 24},
        {true, 2, 2001, 60, 4, 36},
        {true, 2, 5000, 60, 4, 36},
        {true, 2, 5001, 60, 4, 64},
        {true, 0, 800, 60, 4, 16},
        // kind 5 at 2.5 minutes
        {true, 5, 110, 60, 3, 7.5},
        {true, 5, 111, 60, 2, 5},
        {true, 5, 200, 60, 2, 5},
        {true, 5, 400, 60, 1, 2.5},
        // kind 6: "Middel" at 6 or 10 minutes
        {true, 6, 2000, 60, 4, 24},
        {true, 6, 2001, 60, 4, 40},
        // relays take no time
        {true, 3, 400, 60, 0, 0},
    };
    GridModel standard, own;
    setupHeatSizeTable(standard);
    setupHeatSizeTable(own);
    const char* sizes[] = {"10", "12", "15", "20", "30", "60", "61"};
    for (int row = 1; row <= 7; ++row)
        own.setCell(row, 1, sizes[row - 1]);
    for (const Case& c : cases) {
        EventEstimate e = estimateEvent(c.kind, c.distance, c.entries, false, c.ownSizes ? own : standard);
        EXPECT_EQ(e.heats, c.heats) << "kind " << c.kind << ", " << c.distance << " m, " << c.entries;
        EXPECT_DOUBLE_EQ(e.minutes, c.minutes) << "kind " << c.kind << ", " << c.distance << " m, " << c.entries;
    }
}

TEST(Estimate, FieldEventsAndTheirRound)
{
    GridModel noTable; // never read for a field event
    struct Case {
        int kind, entries;
        bool poleVault;
        double minutes, roundMinutes;
    };
    for (const Case& c : std::vector<Case>{{7, 10, false, 42, 42}, {8, 1, false, 15, 15}, {7, 10, true, 84, 42}}) {
        EventEstimate e = estimateEvent(c.kind, 0, c.entries, c.poleVault, noTable);
        EXPECT_EQ(e.heats, 1);
        EXPECT_DOUBLE_EQ(e.minutes, c.minutes) << c.entries;
        EXPECT_DOUBLE_EQ(e.roundMinutes, c.roundMinutes) << c.entries;
    }
    for (auto [longest, round] : std::vector<std::pair<double, double>>{{42, 30}, {45, 45}, {29, 15}, {0, 0}})
        EXPECT_DOUBLE_EQ(fieldRoundLength(longest), round) << longest;
    // track minutes, round length, rounds; no field event gives no rounds, not a division by zero
    for (auto [track, round, rounds] :
         std::vector<std::tuple<double, double, int>>{{60, 30, 2}, {59.5, 30, 1}, {29, 30, 0}, {100, 0, 0}})
        EXPECT_EQ(fieldRoundCount(track, round), rounds) << track << " / " << round;
}

TEST(Estimate, PoleVaultByStoredMarkOrCatalogueName)
{
    struct Case {
        const char* english;
        const char* afrikaans;
        bool poleVault;
    };
    for (const Case& c : std::vector<Case>{{"Pole Vault", "Paalspring", true},
                                           {"Pole vault - Open", "", true},
                                           {"", "PAALSPRING", true},
                                           {"PS Senior", "", true},
                                           {"Long Jump", "Verspring", false},
                                           {"ps", "Paal", false},
                                           {"High Jump - PS", "", false}})
        EXPECT_EQ(isPoleVault(c.english, c.afrikaans), c.poleVault) << c.english << " / " << c.afrikaans;
}

TEST(Estimate, HeatSizeThatIsNoNumberAboveZeroIsRefused)
{
    for (const char* text : {"", "0", "-4", "many"}) {
        GridModel bane;
        setupHeatSizeTable(bane);
        bane.setCell(2, 1, text);
        EXPECT_THAT([&] { estimateEvent(1, 200, 12, false, bane); },
                    testing::ThrowsMessage<GeneratorError>(testing::HasSubstr("150m-200m")))
            << '"' << text << '"';
    }
    GridModel shortTable;
    setupHeatSizeTable(shortTable);
    shortTable.setRows(4);
    EXPECT_THROW(estimateEvent(5, 100, 3, false, shortTable), GeneratorError);
}

} // namespace
} // namespace dravik
