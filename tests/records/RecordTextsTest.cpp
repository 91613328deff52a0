#include "records/RecordTexts.h"

#include <gtest/gtest.h>

#include <optional>

using namespace dravik;

namespace {

constexpr int kTimed = 2, kLongTimed = 10, kMeasured = 7;

TEST(RecordTextsTest, GridShowsTimesAndMeasurementsByEventType)
{
    struct Case { double value; int type; const char* shown; };
    const Case cases[] = {
        {3723.4, kTimed, " 1:02:03.40"}, {125.3, kTimed, " 2:05.30"},  {59.999, kTimed, " 1:00.00"},
        {9.8, kTimed, "9.80"},           {3725, kLongTimed, " 1:02:05.00"}, {119.999, kTimed, " 2:00.00"},
        {60, 4, " 1:00.00"},             {9.5, kMeasured, "9.50"},     {101.2, 1, "101.20"},
        {65.5, 8, "65.50"},              {0, kMeasured, "0.00"},          {3599.999, kTimed, " 1:00:00.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recordGridText(c.value, c.type), c.shown) << c.value << " type " << c.type;
}

TEST(RecordTextsTest, GridTextReadsBackAsNumbersOrTimes)
{
    struct Case { const char* typed; int type; std::optional<double> value; };
    const Case cases[] = {
        {" 1:02:03.40", kTimed, 3723.4}, {" 2:05.30", kTimed, 125.3}, {"10.5", kTimed, 10.5}, {"1:00", kTimed, 60},
        {"1:02.50", kTimed, 62.5},       {"2:03:04.5", kTimed, 7384.5}, {"0:59.5", kTimed, 59.5},
        {"12.34", kMeasured, 12.34},     {"9", kMeasured, 9},           {"1:0x", kTimed, std::nullopt},
        {"fast", kTimed, std::nullopt},  {"1:2:3:4", kTimed, std::nullopt}, {"-3", kMeasured, std::nullopt},
        {"1:05", kMeasured, std::nullopt}, // a measurement is no time
        {"12,5", kMeasured, std::nullopt}, {"", kTimed, std::nullopt},
    };
    for (const Case& c : cases) {
        auto value = readRecordGridText(c.typed, c.type);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.typed << '"';
        EXPECT_DOUBLE_EQ(value.value_or(0), c.value.value_or(0)) << '"' << c.typed << '"';
    }
}

TEST(RecordTextsTest, RecordBoxShowsMinutesAndSecondsAndReadsBackWithAnyOfItsSeparators)
{
    // shown: what Read shows for the value, stored back unchanged
    struct Case { const char* text; std::optional<double> value; bool shown = false; };
    const Case cases[] = {
        {"2:5.3", 125.3, true},   {"62:5", 3725, true},     {"9.8", 9.8, true},        {"1:5.5", 65.5, true},
        {"59.999", 59.999, true}, {"62:3.4", 3723.4, true}, {"1:0", 60, true},         {"1;02,5", 3725, false},
        {"12.3", 12.3, false},    {"1:00", 60, false},      {"75", 75, false},         {"0:59.5", 59.5, false},
        {" 0;0,5 ", 5, false},    {"1:0x", std::nullopt},   {"fast", std::nullopt},    {"", std::nullopt},
        {"1:2:3:4", std::nullopt},
    };
    for (const Case& c : cases) {
        auto value = readRecordFieldText(c.text);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(value.value_or(0), c.value.value_or(0)) << '"' << c.text << '"';
        if (c.shown) {
            EXPECT_EQ(recordFieldText(*c.value), c.text) << *c.value;
        }
    }
}

TEST(RecordTextsTest, CategoryTextsInBothWindows)
{
    struct Case { double age; const char* gender; const char* english; const char* afrikaans; };
    const Case cases[] = {
        {13, "S", "B - 13", "S - 13"}, {13, "M", "G - 13", "D - 13"},  {18, "S", "B - 18", "S - 18"},
        {19, "S", "M - 19", "M - 19"}, {24, "M", "W - 24", "V - 24"},  {25, "S", "Men", "Manlik"},
        {25, "M", "Women", "Vroulik"}, {35, "S", "M - 35", "M - 35"},  {35, "M", "W - 35", "V - 35"},
        {13, "X", "B - 13", "D - 13"}, {25, "", "Men", "Vroulik"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(categoryText(c.age, c.gender, Language::English), c.english) << c.age << c.gender;
        EXPECT_EQ(categoryText(c.age, c.gender, Language::Afrikaans), c.afrikaans) << c.age << c.gender;
    }
}

TEST(RecordTextsTest, DatesAreTypedDayMonthYear)
{
    struct Case { const char* typed; std::optional<std::string> stored; };
    const Case cases[] = {{"05/04/2019", "2019-04-05"}, {" 29/02/2024 ", "2024-02-29"}, {"29/02/2023", std::nullopt},
                          {"5/4/2019", std::nullopt},    {"2019-04-05", std::nullopt},   {"yesterday", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(storedDateFromGrid(c.typed), c.stored) << c.typed;
    EXPECT_EQ(gridDateText("2019-04-05"), "05/04/2019");
    EXPECT_EQ(gridDateText("2019-04-05 00:00:00"), "05/04/2019");
    EXPECT_EQ(gridDateText(" summer 1998 "), "summer 1998");
}

} // namespace
