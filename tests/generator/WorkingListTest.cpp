// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/WorkingList.h"

#include "generator/GeneratorError.h"
#include "generator/GeneratorTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace dravik {
namespace {

using test::column;
using Cells = std::vector<std::string>;

struct ReadItems : test::GeneratorMeeting {
    WorkingListSummary read()
    {
        RecordSet atld37(db(), query::Atld37);
        return readItems(list, atld37, ref, bane);
    }
};

// An entry for a missing definition gets an empty row: the empty kind is read as 0,
// a "Middel" race of 0 m, sorted before kind 1.
TEST_F(ReadItems, CountsEntriesPerDefinitionWhereverTheyStand)
{
    // Atld37 is read by athlete number, so one definition's entries are scattered.
    for (int tnom : {11, 14, 999, 11, 11, 999, 14})
        addEntries(tnom, 1);
    EXPECT_EQ(read().rows, 3);
    ASSERT_EQ(list.rows(), 4);
    EXPECT_EQ(list.rowText(1), "D\t\t\t2\t4\t12\t\t1\t999\t\t");
    EXPECT_EQ(list.rowText(2), "S\t14\t100m\t3\t2\t0\t\t1\t11\t1\t1");
    EXPECT_EQ(list.rowText(3), "S\t16\t1500m\t2\t6\t0\t\t1\t14\t3\t2");
    EXPECT_EQ(list.row(), 1);
}

TEST_F(ReadItems, SortsByKindThenNameKeyAgeAndGender)
{
    for (int tnom : {17, 16, 15, 19, 11, 12, 13, 18, 14})
        addEntries(tnom, 1);
    read();
    // kind 9 is listed as 0 and comes first; ages compare as numbers (9 before 14); "D" before "S"
    EXPECT_EQ(column(list, ncol::Definition), (Cells{"18", "13", "12", "11", "19", "14", "15", "17", "16"}));
    EXPECT_EQ(column(list, ncol::Kind), (Cells{"0", "1", "1", "1", "1", "2", "7", "7", "8"}));
    EXPECT_EQ(list.cell(9, ncol::Event), "Shot Put - 4kg");
}

TEST_F(ReadItems, SummaryInRowsOneToThree)
{
    addEntries(11, 21); // 3 heats, 6 minutes
    addEntries(14, 16); // 2 heats of 6 minutes
    addEntries(18, 3);  // 3000 m walk: 1 heat of 9 minutes
    addEntries(15, 6);  // 30 minutes
    addEntries(17, 10); // pole vault: 84 minutes shown, 42 for the round
    WorkingListSummary s = read();
    EXPECT_EQ(s.rounds, 0);
    EXPECT_EQ(column(list, ncol::Time), (Cells{"27", "30", "0", "", ""}));
    EXPECT_EQ(column(list, ncol::Minutes), (Cells{"9", "6", "12", "30", "84"}));
    EXPECT_EQ(column(list, ncol::Heats), (Cells{"1", "3", "2", "1", "1"}));
}

TEST_F(ReadItems, NoFieldEventNoEntriesAndBadHeatSize)
{
    addEntries(11, 40);
    addEntries(14, 40);
    WorkingListSummary s = read();
    EXPECT_EQ(s.roundLength, 0);
    EXPECT_EQ(s.rounds, 0);
    EXPECT_EQ(column(list, ncol::Time), (Cells{"28", "0"})); // a two-row list has no row 3

    bane.setCell(4, 1, "0");
    EXPECT_THAT([&] { read(); }, testing::ThrowsMessage<GeneratorError>(testing::HasSubstr("\"Middel\" is \"0\"")));
    EXPECT_EQ(column(list, ncol::Minutes), (Cells{"10", "18"})); // left as it was

    db().exec("DELETE FROM Atld37");
    EXPECT_TRUE(read().empty());
    EXPECT_EQ(list.rows(), 1);
}

TEST_F(ReadItems, SkraapItemRemovesOnlyADataRow)
{
    for (int tnom : {11, 14, 15})
        addEntries(tnom, 1);
    read();
    list.setCurrent(0, 0);
    EXPECT_FALSE(removeCurrentItem(list)); // the header stays
    list.setCurrent(2, 0);
    EXPECT_TRUE(removeCurrentItem(list));
    EXPECT_EQ(column(list, ncol::Definition), (Cells{"11", "15"}));
    for (bool removed : {true, true, false}) {
        list.setCurrent(1, 0);
        EXPECT_EQ(removeCurrentItem(list), removed);
    }
    EXPECT_EQ(list.rows(), 1);
}

} // namespace
} // namespace dravik
