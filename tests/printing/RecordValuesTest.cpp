// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSupport.h"
#include "data/ReferenceData.h"
#include "printing/FindEventKind.h"
#include "printing/FormatRecordValue.h"
#include "printing/RecordSymbols.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::printing;

namespace {

TEST(FormatRecordValueTest, ShowsEachKindInItsOwnForm)
{
    struct Case {
        double value;
        int kind;
        const char* text;
    };
    const Case cases[] = {
        {5.2, 1, "5.20"},          {12.345, 3, "12.35"},    {0.5, 5, "0.50"},     // distances and sprint times
        {75.3, 2, "1:15.30"},      {59.99, 4, "0:59.99"},   {600, 6, "10:00.00"}, // minutes and seconds
        {119.999, 2, "2:00.00"},                            // rounds to the hundredth before splitting: never "1:60.00"
        {3725.5, 2, "62:05.50"},   {3725.5, 4, "62:05.50"}, // track times stay in minutes
        {7.1, 7, "7.10"},          {123.456, 8, "123.46"},  // field events
        {3725.5, 9, "1:02:05.50"}, {245, 10, "4:05.00"},    {7200, 11, "2:00:00.00"}, // hours when there are any
        {7145, 9, "1:59:05.00"},   {12.5, 0, "12.5"},       {8, -1, "8"},             // no kind: the plain number
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRecordValue(c.value, c.kind), c.text) << c.value << " kind " << c.kind;
}

TEST(FindEventKindTest, TheFirstDefinitionOfANumberGivesTheKind)
{
    DefinitionList defs;
    defs.assign({{40, 2, "S", "12", "1", "", ""}, {41, 7, "S", "12", "2", "", ""}, {41, 8, "M", "12", "3", "", ""}});
    EXPECT_EQ(FindEventKind(defs, 40), 2); // the very first definition is found too
    EXPECT_EQ(FindEventKind(defs, 41), 7);
    EXPECT_EQ(FindEventKind(defs, 99), 0); // unknown: the spare empty entry
}

TEST(RecordSymbolsTest, ActiveSetsInReferenceOrderWithoutALimit)
{
    test::PrintSuite suite;
    suite.addRecordSet(7, "N", "National", true);
    suite.addRecordSet(3, "S", "School", true);
    suite.addRecordSet(5, "P", "Provincial", false);
    for (int i = 0; i < 600; ++i)
        suite.addRecordSet(1000 + i, "x", "Set " + std::to_string(i), true);
    auto store = DataStore::open(suite.folder());
    auto symbols = LoadRecordSymbols(store->atld61());
    ASSERT_EQ(symbols.size(), 602u);
    EXPECT_EQ(symbols[0].symbol, "S");
    EXPECT_EQ(symbols[0].name, "School");
    EXPECT_EQ(symbols[1].name, "National");
    EXPECT_EQ(symbols.back().name, "Set 599");
}

} // namespace
