// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/ImportShrink.h"
#include "exchange/ProgrammeImport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace dravik;
using testing::HasSubstr;

namespace {

// Where the list ends, and whether replacing a programme of that many rows asks first:
// only a list that stopped at a blank number with numbers below it (below row 1000
// too), and keeps fewer than half the rows.
TEST(ImportShrink, AListThatEndedEarlyAndLeavesFewerThanHalfTheRowsAsksFirst)
{
    struct Case {
        int events;
        std::vector<int> blank;
        int below; // rows below row 1000 that hold a number
        int programmeRows;
        int read, blankRow, numbersBelow;
        bool asks;
    } cases[] = {
        {81, {7}, 0, 81, 1, 7, 79, true},       // the case: 81 events become 1
        {81, {7}, 0, 2, 1, 7, 79, false},       // 1 of 2 is half
        {81, {47}, 0, 81, 41, 47, 39, false},   // 41 of 81 keeps more than half
        {81, {46}, 0, 81, 40, 46, 40, true},    // 40 of 81 is fewer than half
        {1, {}, 0, 81, 1, 7, 0, false},         // the list ran to its last number
        {10, {8, 9, 10}, 0, 81, 2, 8, 5, true}, // blank rows between, numbers below them
        {3, {7}, 2, 3, 1, 7, 3, true},          // the numbers below row 1000 count
        {995, {}, 3, 2000, 995, 0, 0, false},   // no blank row up to row 1000
    };
    DefinitionList none;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.events) + " events, programme " + std::to_string(c.programmeRows));
        Sheet sheet = test::programmeSheet(c.events, 1000);
        for (int r : c.blank)
            sheet.setCell(r, scol::Number, SheetCell::ofText(" "));
        for (int r = 0; r < c.below; ++r)
            sheet.countRowBelow();
        GridModel grid = test::emptyExchange();
        ListEnd end;
        int notRead = -1;
        int read = importSheet(sheet, "p.xlsx", none, grid, {}, &notRead, &end);
        EXPECT_EQ(read, c.read);
        EXPECT_EQ(notRead, c.blankRow ? 0 : c.below);
        EXPECT_EQ(end.blankRow, c.blankRow);
        EXPECT_EQ(end.numbersBelow, c.numbersBelow);
        ImportShrink shrink = checkImportShrink(end, read, c.programmeRows, Language::English);
        EXPECT_EQ(shrink.needsConsent, c.asks);
        if (!c.asks) {
            EXPECT_EQ(shrink.question, "");
            continue;
        }
        const std::string where = "sheet row " + std::to_string(c.blankRow) + ",";
        EXPECT_THAT(shrink.question, HasSubstr(where));
        EXPECT_THAT(shrink.question, HasSubstr(std::to_string(c.programmeRows) + " rows"));
        EXPECT_THAT(shrink.refusal, HasSubstr(where));
        EXPECT_THAT(shrink.refusal, HasSubstr("--force"));
    }
}

} // namespace
