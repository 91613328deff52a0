// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FolderSettings.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ProgrammeExport.h"
#include "exchange/Workbook.h"
#include "records/RecordTexts.h"

#include <gtest/gtest.h>

using namespace dravik;

namespace {

TEST(ExchangeConversions, GenderAndLevelGoByTheFirstLetterUnlessTheLevelIsNamed)
{
    const std::pair<const char*, const char*> genders[] = {
        {"M", "Manlik"}, {" male", "Manlik"}, {"F", "Vroulik"}, {"", "Vroulik"}, {"X", "Vroulik"}};
    for (const auto& [sheet, grid] : genders)
        EXPECT_EQ(genderFromSheet(sheet), grid) << '"' << sheet << '"';
    const std::pair<const char*, const char*> levels[] = {
        {"F", "Finaal"},
        {"Semi-Finaal", "Semi-finaal"},
        {"Kwart-Finaal", "Kwart-eind"},
        {"x", "Kwart-eind"},
        {"Fred", "Finaal"},
        // A level's full name keeps its level, so that a programme comes back as it went out.
        {"Heat", "Heat"},
        {"heat", "Heat"},
        {"Finaal TP", "Finaal TP"},
    };
    for (const auto& [sheet, grid] : levels)
        EXPECT_EQ(levelFromSheet(sheet), grid) << '"' << sheet << '"';
}

TEST(ExchangeConversions, TimesBecomeHoursAndMinutes)
{
    const std::pair<SheetCell, const char*> cases[] = {
        {SheetCell::ofNumber(0.375), "09:00"},
        {SheetCell::ofNumber(0.5 + 15.0 / 1440), "12:15"},
        {SheetCell::ofNumber(0.9999999), "00:00"},
        {SheetCell::ofNumber(45000.375), "09:00"}, // a date and time
        {SheetCell::ofText("9:00"), "09:00"},
        {SheetCell::ofText(" 9:05 "), "09:05"},
        {SheetCell::ofText("09:00:00"), "09:00"},
        {SheetCell::ofText("1899-12-30 14:30:00"), "14:30"},
        {SheetCell::ofText("0.375"), "09:00"},
        // No time of day stays as typed, for the row check to name it.
        {SheetCell::ofText("25:00"), "25:00"},
        {SheetCell::ofText("9:7"), "9:7"}, // refused as a typed "9:7" is
        {SheetCell{}, ""},
    };
    for (const auto& [cell, grid] : cases)
        EXPECT_EQ(timeFromSheet(cell), grid) << cell.asText();
}

TEST(ExchangeConversions, OutputNameAndEventCode)
{
    const std::pair<const char*, const char*> names[] = {
        {"", "Program.xlsx"},        {"   ", "Program.xlsx"},         {"meet.2024.xls", "meet.xlsx"},
        {"Results", "Results.xlsx"}, {"Program.xls", "Program.xlsx"}, {"a.xlsx", "a.xlsx"}};
    for (const auto& [typed, file] : names)
        EXPECT_EQ(outputWorkbookName(typed), file) << '"' << typed << '"';
    const std::pair<const char*, const char*> codes[] = {{"7", "0007"}, {"12", "0012"},   {"12345", "2345"},
                                                         {"", "0000"},  {" 12 ", "0012"}, {"1000", "1000"}};
    for (const auto& [definition, code] : codes)
        EXPECT_EQ(definitionCode(definition), code) << '"' << definition << '"';
    EXPECT_EQ(eventCodeText("100m", ""), "100m - 0000");
    // Reading the code back: a name with dashes of its own keeps them.
    std::string name, definition;
    EXPECT_TRUE(splitEventCode("80mH - 76cm - 0000", name, definition));
    EXPECT_EQ(name + "|" + definition, "80mH - 76cm|0");
    EXPECT_FALSE(splitEventCode("80mH - 76cm", name, definition));
}

TEST(ExchangeConversions, FileListAndEdit)
{
    for (const char* yes : {"a.xlsx", "B.XLS", "meet 2024.ods", "x.Xlsx"})
        EXPECT_TRUE(isWorkbookFileName(yes)) << yes;
    for (const char* no : {"a.csv", "xlsx", "a.xlsx.part", "Dsd00.mdb", ""})
        EXPECT_FALSE(isWorkbookFileName(no)) << no;
    EXPECT_EQ(fileInFolder("/data/Import/", "Program.xlsx"), "/data/Import/Program.xlsx");
    EXPECT_EQ(fileInFolder("/data/Import", "Program.xlsx"), "/data/Import/Program.xlsx");

    FolderSettings folders;
    folders.excel = "/bin/";
    folders.spreadsheetFile = "sh";
    ProgramStart start = spreadsheetEditStart(folders, "/my folder/meet.xlsx");
    EXPECT_EQ(start.program, "/bin/sh");
    // A path with blanks stays one argument.
    EXPECT_EQ(start.arguments, std::vector<std::string>{"/my folder/meet.xlsx"});
    folders.spreadsheetFile = "no-such-spreadsheet-program";
    EXPECT_THROW(spreadsheetEditStart(folders, "meet.xlsx"), ExchangeError);
}

// What the export writes, Write Records reads back as the record editor reads it.
TEST(ExchangeConversions, RecordTextsBothWays)
{
    struct Case {
        double value;
        int type;
        const char* text;
    };
    const Case cases[] = {
        {125.3, 2, "2:05.30"},   {3725.5, 2, "1:02:05.50"}, {9.8, 2, "0:09.80"}, {59.999, 2, "1:00.00"},
        {3600, 2, "1:00:00.00"}, {6.45, 7, "6.45"},         {10.36, 1, "10.36"}, {6.45, 0, "6.45"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exchangeRecordText(c.value, c.type), c.text) << c.value;
        EXPECT_NEAR(readRecordText(c.text, c.type).value_or(-1), c.value, 0.005) << c.text;
    }
}

} // namespace
