// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/ProgrammeImport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <random>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

GridModel exchangeWithOneRow()
{
    GridModel grid = test::emptyExchange();
    grid.addItem("99\t\t08:00\tManlik\t12\t100m\tFinaal");
    return grid;
}

TEST(ProgrammeImport, LibreOfficeWorkbooksOfEachFormatReadAlike)
{
    test::Suite suite(false);
    auto type = [&](int d) { return std::to_string(suite.ref.definitions.at(suite.ref.definitions.find(d)).tipe); };
    // The legacy .xls gives no formula values: its event names and definition
    // numbers come from column 8.
    for (const char* name : {"programme.xlsx", "programme.ods", "programme.xls"}) {
        SCOPED_TRACE(name);
        GridModel grid = test::emptyExchange();
        int read = importWorkbook(test::workbookFile(name).string(), suite.ref.definitions, grid);
        // Row 9 has no number in column 1: the programme ends there, though row 10 has one.
        ASSERT_EQ(read, 3);
        ASSERT_EQ(grid.rows(), 4);
        EXPECT_EQ(grid.rowCells(1),
                  (std::vector<std::string>{"1", "a", "09:00", "Manlik", "12", "100m", "Finaal", "A", "12.5", "2010",
                                            "Jan", "Smit", "Pretoria", "115", type(115), "1"}));
        EXPECT_EQ(grid.rowCells(2), (std::vector<std::string>{"2", "", "10:30", "Vroulik", "13", "80mH - 76cm",
                                                              "Semi-finaal", "", "2:05.30", "1999", "Anna", "de Wet",
                                                              "Bloemfontein", "156", type(156), "1"}));
        EXPECT_EQ(grid.rowCells(3),
                  (std::vector<std::string>{"3", "", "09:15", "Manlik", "14", "Long Jump", "Kwart-eind", "B", "", "",
                                            "", "", "", "24", type(24), "1"}));
    }
}

TEST(ProgrammeImport, BrokenFilesAreReportedByNameAndLeaveTheGridAlone)
{
    test::TempFolder dir;
    auto write = [&](const std::string& name, const std::string& bytes) {
        fs::path p = dir.path() / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    };
    const std::string xlsx = test::fileBytes(test::workbookFile("programme.xlsx")),
                      xls = test::fileBytes(test::workbookFile("programme.xls"));
    std::mt19937 rnd(7);
    std::string noise(3000, '\0');
    for (char& c : noise)
        c = static_cast<char>(rnd());
    std::string ole("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

    struct Case {
        fs::path file;
        const char* reason;
    } cases[] = {
        {write("empty.xlsx", ""), "empty"},
        {write("truncated.xlsx", xlsx.substr(0, xlsx.size() / 2)), "not a workbook"},
        {write("truncated.xls", xls.substr(0, xls.size() / 2)), "not a workbook"},
        {write("scrambled.xls", xls.substr(0, 1024) + noise), "not a workbook"},
        {write("compound.xls", ole + noise), "not a workbook"},
        {write("text.ods", "No,Sub,Time\n1,,09:00\n"), "not a workbook"},
        {test::workbookFile("notes.zip"), "not a workbook"},
        {test::workbookFile("no-sheet.xlsx"), "no worksheet"},
        {test::workbookFile("text-numbers.xlsx"), "no programme sheet"},
        {dir.path() / "missing.xlsx", "no such file"},
        {dir.path(), "no such file"},
    };
    DefinitionList none;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        GridModel grid = exchangeWithOneRow();
        EXPECT_THAT([&] { importWorkbook(c.file.string(), none, grid); },
                    testing::ThrowsMessage<ExchangeError>(
                        testing::AllOf(testing::HasSubstr(c.file.string()), testing::HasSubstr(c.reason))));
        ASSERT_EQ(grid.rows(), 2);
        EXPECT_EQ(grid.cell(1, xcol::Number), "99");
    }
}

// Row 6 must hold a positive number and an age; the import reads to the first
// empty number and no further than row 1000.
TEST(ProgrammeImport, RowSixMustHoldANumberAndAnAgeAndTheReadEndsAtAnEmptyNumberOrRow1000)
{
    const SheetCell one = SheetCell::ofNumber(1), twelve = SheetCell::ofNumber(12);
    // emptyRow 0: none; expected -1: refused
    struct Case {
        int events, emptyRow;
        SheetCell number, age;
        int expected;
    } cases[] = {
        {2, 0, one, twelve, 2},      {2, 0, SheetCell::ofText("3"), SheetCell::ofText("12"), 2},
        {2, 0, {}, twelve, -1},      {2, 0, SheetCell::ofNumber(0), twelve, -1},
        {2, 0, one, {}, -1},         {2, 0, SheetCell::ofText("one"), twelve, -1},
        {10, 8, one, twelve, 2},     {1, 0, one, twelve, 1},
        {1005, 0, one, twelve, 995}, {1005, 600, one, twelve, 594},
    };
    DefinitionList none;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.events) + " " + std::to_string(c.emptyRow) + " " + c.number.asText());
        Sheet sheet = test::programmeSheet(c.events);
        sheet.setCell(6, scol::Number, c.number);
        sheet.setCell(6, scol::Age, c.age);
        if (c.emptyRow)
            sheet.setCell(c.emptyRow, scol::Number, SheetCell::ofText("  "));
        GridModel grid = exchangeWithOneRow();
        if (c.expected < 0) {
            EXPECT_THROW(importSheet(sheet, "p.xlsx", none, grid), ExchangeError);
            EXPECT_EQ(grid.rows(), 2);
        } else {
            EXPECT_EQ(importSheet(sheet, "p.xlsx", none, grid), c.expected);
            EXPECT_EQ(grid.rows(), c.expected + 1);
        }
    }
}

TEST(ProgrammeImport, EventNameAndNumberComeFromColumnEightWhereTheFormulasGaveNothing)
{
    DefinitionList none;
    Sheet sheet = test::programmeSheet(4);
    // Row 6: values present and kept (column 15 ends in column 8's code); row 7: a column 15 that
    // disagrees with column 8 (the event changed in the sheet); row 8: no code in column 8; row 9:
    // text in column 15.
    sheet.setCell(6, scol::Event, SheetCell::ofText("Sprint"));
    sheet.setCell(6, scol::Table, SheetCell::ofNumber(10115));
    sheet.setCell(7, scol::Table, SheetCell::ofNumber(35));
    sheet.setCell(8, scol::EventCode, SheetCell::ofText("Long Jump"));
    sheet.setCell(9, scol::Table, SheetCell::ofText("n/a"));
    sheet.setCell(9, scol::EventCode, SheetCell::ofText("Shot Put - 0395"));
    GridModel grid = test::emptyExchange();
    importSheet(sheet, "p.xls", none, grid);
    std::vector<std::string> shown;
    for (int r = 1; r <= 4; ++r)
        shown.push_back(grid.cell(r, xcol::Event) + "|" + grid.cell(r, xcol::Table));
    EXPECT_EQ(shown, (std::vector<std::string>{"Sprint|10115", "100m|115", "|", "Shot Put|395"}));
    // No definition list entry: the type stays empty.
    EXPECT_EQ(grid.cell(4, xcol::Type), "");
}

} // namespace
