// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextNumber.h"
#include "platform/GridModel.h"

#include <gtest/gtest.h>

using namespace dravik;

TEST(TextNumberTest, LeadingNumberOfText)
{
    struct Case {
        const char* text;
        double value;
        bool numeric;
    };
    const Case cases[] = {
        {"", 0, false},      {" 12 ", 12, true}, {"100m", 100, false}, {"-3.5", -3.5, true},
        {"2.5e1", 25, true}, {"1e", 1, false},   {"+", 0, false},      {"08:30", 8, false},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value) << c.text;
        EXPECT_EQ(isNumericText(c.text), c.numeric) << c.text;
    }
}

TEST(TextNumberTest, FormattingAndFixedWidth)
{
    EXPECT_EQ(formatNumber(5.0), "5");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(fixedWidth("ABCDE", 3), "ABC");
    EXPECT_EQ(fixedWidth("A", 3), "A  ");
    EXPECT_EQ(fixedWidth("\xC3\xA9xyz", 2), "\xC3\xA9x") << "never cuts a character in half";
    EXPECT_LT(compareCells("9", "10"), 0) << "two numbers compare as numbers";
    EXPECT_GT(compareCells("9a", "10"), 0) << "otherwise as text";
    EXPECT_LT(compareCells("B", "a"), 0) << "case-sensitive";
    for (const char* good : {"00:00", "08:30", "23:59"})
        EXPECT_TRUE(isValidClockTime(good)) << good;
    for (const char* bad : {"24:00", "25:99", "ab:cd", "8:30", "08:60", "", "08-30"})
        EXPECT_FALSE(isValidClockTime(bad)) << bad;
    // A workbook's time with seconds, as the programme stores it.
    EXPECT_EQ(clockTimeText("7:30:00"), "07:30");
    EXPECT_EQ(clockTimeText("7:30:05"), std::nullopt);
}

TEST(GridModelTest, RowsColumnsAndSort)
{
    GridModel g(3);
    g.setHeader({"A", "B", "C"});
    g.addItem("2");
    g.addItem("3\tz");
    g.addItem("1\tx\ty\textra");
    EXPECT_EQ(g.rows(), 4);
    EXPECT_EQ(g.rowText(3), "1\tx\ty") << "extra fields are dropped";
    EXPECT_EQ(g.cell(1, 2), "") << "missing fields are empty";
    g.sortRows(1, 99, [](const auto& a, const auto& b) { return a[0] < b[0]; });
    EXPECT_EQ(g.cell(1, 0), "1") << "a sort runs to the last row";
    EXPECT_THROW(g.cell(5, 0), std::out_of_range);
}
