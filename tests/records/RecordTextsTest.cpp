// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordTexts.h"

#include <gtest/gtest.h>

#include <optional>

using namespace dravik;

namespace {

constexpr int kTimed = 2, kLongTimed = 10, kMeasured = 7;

TEST(RecordTextsTest, GridShowsTimesAndMeasurementsByEventType)
{
    struct Case {
        double value;
        int type;
        const char* shown;
    };
    const Case cases[] = {
        {3723.4, kTimed, " 1:02:03.40"}, {125.3, kTimed, " 2:05.30"},       {59.999, kTimed, " 1:00.00"},
        {9.8, kTimed, "9.80"},           {3725, kLongTimed, " 1:02:05.00"}, {60, 4, " 1:00.00"},
        {9.5, kMeasured, "9.50"},        {3599.999, kTimed, " 1:00:00.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recordGridText(c.value, c.type), c.shown) << c.value << " type " << c.type;
}

TEST(RecordTextsTest, EveryRoadReadsARecordTextByItsEventKind)
{
    struct Case {
        const char* typed;
        int type;
        std::optional<double> value;
    };
    const Case cases[] = {
        {" 1:02:03.40", kTimed, 3723.4},
        {" 2:05.30", kTimed, 125.3},
        {"10.5", kTimed, 10.5},
        // Every timed kind takes a time.
        {"1:02.50", 4, 62.5},
        {"1:02.50", 6, 62.5},
        {"1:02.50", 9, 62.5},
        // A decimal comma, never minutes and seconds.
        {"10,5", kMeasured, 10.5},
        {"1:02,5", kTimed, 62.5},
        {"1,000.5", kMeasured, std::nullopt},
        // A measurement is no time.
        {"2:05.30", kMeasured, std::nullopt},
        {"1:0x", kTimed, std::nullopt},
        {"fast", kTimed, std::nullopt},
        {"1:2:3:4", kTimed, std::nullopt},
        {"1:", kTimed, std::nullopt},
        {"-3", kMeasured, std::nullopt},
        {"0", kMeasured, std::nullopt},
        {"", kTimed, std::nullopt},
    };
    for (const Case& c : cases) {
        auto value = readRecordText(c.typed, c.type);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.typed << '"' << " type " << c.type;
        EXPECT_DOUBLE_EQ(value.value_or(0), c.value.value_or(0)) << '"' << c.typed << '"';
    }
}

TEST(RecordTextsTest, RecordBoxTextsReadBackAsTheValueShown)
{
    for (double value : {125.3, 3725.0, 9.8, 65.5, 59.999, 3723.4, 60.0})
        EXPECT_DOUBLE_EQ(readRecordText(recordFieldText(value), kTimed).value_or(0), value) << value;
}

TEST(RecordTextsTest, CategoryTextsInBothWindows)
{
    struct Case {
        double age;
        const char* gender;
        const char* english;
        const char* afrikaans;
    };
    const Case cases[] = {
        {13, "S", "B - 13", "S - 13"}, {13, "M", "G - 13", "D - 13"}, {19, "S", "M - 19", "M - 19"},
        {24, "M", "W - 24", "V - 24"}, {25, "S", "Men", "Manlik"},    {25, "M", "Women", "Vroulik"},
        {13, "X", "B - 13", "D - 13"}, {25, "", "Men", "Vroulik"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(categoryText(c.age, c.gender, Language::English), c.english) << c.age << c.gender;
        EXPECT_EQ(categoryText(c.age, c.gender, Language::Afrikaans), c.afrikaans) << c.age << c.gender;
    }
}

TEST(RecordTextsTest, DatesAreTypedDayMonthYear)
{
    struct Case {
        const char* typed;
        std::optional<std::string> stored;
    };
    const Case cases[] = {{"05/04/2019", "2019-04-05"}, {" 29/02/2024 ", "2024-02-29"}, {"29/02/2023", std::nullopt},
                          {"5/4/2019", std::nullopt},   {"2019-04-05", std::nullopt},   {"yesterday", std::nullopt},
                          {"05/04-2019", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(storedDateFromGrid(c.typed), c.stored) << c.typed;
    EXPECT_EQ(gridDateText("2019-04-05"), "05/04/2019");
    EXPECT_EQ(gridDateText("2019-04-05 00:00:00"), "05/04/2019");
    EXPECT_EQ(gridDateText(" summer 1998 "), "summer 1998");
}

} // namespace
