// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/SheetValues.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dravik;

namespace {

// The value texts of .xlsx and .ods cells: what reads as a number, a date or a
// duration, and what does not. nan: refused.
TEST(SheetValues, NumbersDatesAndDurationsReadAsTheFileWritesThem)
{
    const double no = std::nan("");
    struct Case {
        bool (*read)(const std::string&, double&);
        const char* text;
        double expected;
    } cases[] = {
        {sheetvalue::number, "12", 12},
        {sheetvalue::number, " -0.1 ", -0.1},
        {sheetvalue::number, "+4.5E-2", 0.045},
        {sheetvalue::number, "12a", no},
        {sheetvalue::number, "inf", no},
        {sheetvalue::dateSerial, "1899-12-30", 0},
        {sheetvalue::dateSerial, "1900-03-01", 61},
        {sheetvalue::dateSerial, "2024-03-05T10:30:00", 45356.4375},
        {sheetvalue::dateSerial, "2024-03-05 10:30", 45356.4375},
        {sheetvalue::dateSerial, "1899-12-30T09:00:00.5", 0.375 + 0.5 / 86400},
        {sheetvalue::dateSerial, "1899-12-30T09:00:00Z", 0.375},
        {sheetvalue::dateSerial, "1899-12-29T18:00:00", -0.25},
        {sheetvalue::dateSerial, "2024-13-05", no},
        {sheetvalue::dateSerial, "2024-03-32", no},
        {sheetvalue::dateSerial, "2024-03-05T24:00:00", no},
        {sheetvalue::dateSerial, "2024-03-05T10:60", no},
        {sheetvalue::dateSerial, "2024-03-05T10:30-00", no},
        {sheetvalue::dateSerial, "2024-03-05T10:30:00+02:00", no},
        {sheetvalue::dateSerial, "5 March 2024", no},
        {sheetvalue::durationDays, "PT09H00M00S", 0.375},
        {sheetvalue::durationDays, "-PT2H24M", -0.1},
        {sheetvalue::durationDays, "P1DT12H", 1.5},
        {sheetvalue::durationDays, "P1W", 7},
        {sheetvalue::durationDays, "PT0,5S", 0.5 / 86400},
        {sheetvalue::durationDays, "PT", no},
        {sheetvalue::durationDays, "P1M", no},
        {sheetvalue::durationDays, "PT9H5", no},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -999;
        const bool read = c.read(c.text, value);
        EXPECT_EQ(read, !std::isnan(c.expected));
        if (read) {
            EXPECT_NEAR(value, c.expected, 1e-9);
        }
    }
}

// A number format shows a date when it names a day or a year outside quotes,
// escapes and brackets; times alone, elapsed hours and plain numbers do not.
TEST(SheetValues, DateFormatsAreToldFromTimeAndNumberFormats)
{
    struct Case {
        const char* code;
        bool dated;
    } cases[] = {
        {"yyyy-mm-dd", true}, {"D MMM", true},      {"[$-409]mmmm d, yyyy", true},
        {"hh:mm", false},     {"[h]:mm:ss", false}, {"General", false},
        {"\"day\" 0", false}, {"0\\d", false},      {"[Red]0.00", false},
        {"_d0", false},       {"*d0", false},       {"\"unclosed", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sheetvalue::isDateFormat(c.code), c.dated) << c.code;
    for (int id : {14, 15, 16, 17, 22, 27, 36, 50, 58})
        EXPECT_TRUE(sheetvalue::isBuiltInDateFormat(id)) << id;
    for (int id : {0, 1, 13, 18, 19, 20, 21, 23, 26, 37, 45, 46, 47, 49, 59})
        EXPECT_FALSE(sheetvalue::isBuiltInDateFormat(id)) << id;
}

} // namespace
