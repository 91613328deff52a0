// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/ProgrammeImport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

std::vector<std::vector<std::string>> gridRows(const GridModel& grid)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < grid.rows(); ++r)
        rows.push_back(grid.rowCells(r));
    return rows;
}

// The three events of openpyxl_workbook.py's sheet, written by openpyxl itself (inline strings,
// formulas without their results, no shared strings) and saved again by LibreOffice as .xlsx
// (shared strings with rich-text runs, formula results) and .ods: every kind of cell reads as
// written (the other cells show in the rows), and the three give the same exchange rows.
TEST(WorkbookCells, EveryKindOfCellReadsAsWrittenByOpenpyxlAndLibreOffice)
{
    test::Suite suite(false);
    auto type = [&](const char* d) { return eventTypeText(suite.ref.definitions, d); };
    const std::vector<std::vector<std::string>> events = {
        {"1", "a", "09:00", "Manlik", "12", "100m", "Finaal", "A", "12.5", "2010", "Jan", "Smit", "Pretoria", "115",
         type("115"), "1"},
        {"2", "", "10:30", "Vroulik", "13", "Long Jump", "Semi-finaal", "", "2:05.30", "1999", "Anna", "de Wet",
         "Bloemfontein", "24", type("24"), "2"},
        // A boolean gender reads as the number 1 (not M... so female); an empty day is day 1.
        {"3", "b", "09:15", "Vroulik", "14", "Shot Put", levelFromSheet("Heat"), "B", "", "", "", "", "", "395",
         type("395"), "1"},
    };
    // Column 9 holds a formula: openpyxl stores it without a result.
    struct Case {
        fs::path file;
        std::string event6;
    } cases[] = {
        {test::workbookFile("openpyxl-cells.xlsx"), "? =IF(LEN(H6)>7,LEFT(H6,LEN(H6)-7),\"\")"},
        {test::workbookFile("cell-kinds.xlsx"), "t 100m"},
        {test::workbookFile("cell-kinds.ods"), "t 100m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.filename().string());
        Sheet sheet = readFirstSheet(c.file.string(), 20, scol::Count);
        EXPECT_EQ(sheet.name(), "Program");
        const struct {
            int row, col;
            std::string shown;
        } expected[] = {
            {6, 4, "n 0.375"},       // a time of day
            {7, 4, "nd 45356.4375"}, // a date and time
            {8, 4, "t 9:15"},        // a time typed as text
            {8, 6, "n 1"},           // a boolean
            {6, 9, c.event6},        // a formula
        };
        for (const auto& e : expected)
            EXPECT_EQ(test::shownCell(sheet.cell(e.row, e.col)), e.shown) << cellReference(e.row, e.col);

        GridModel grid = test::emptyExchange();
        ListEnd end;
        EXPECT_EQ(importWorkbook(c.file.string(), suite.ref.definitions, grid, {}, nullptr, &end), 3);
        EXPECT_EQ(gridRows(grid), events);
        EXPECT_EQ(end.blankRow, 9);
        EXPECT_EQ(end.numbersBelow, 0);
    }
}

// A cell without a readable value, and a time number outside a day, stop the
// import with the sheet, the cell and what it holds; the grid keeps its rows.
// A date with a time gives its time; Event and Table are worked out from
// column 8 whatever they hold. The LibreOffice workbooks hold such cells; the
// other cases change one cell of cell-kinds.xlsx as read.
TEST(WorkbookCells, UnreadableCellsAndTimesOutsideADayAreNamedAndRefused)
{
    const Sheet kinds = readFirstSheet(test::workbookFile("cell-kinds.xlsx").string(), 20, scol::Count);
    const SheetCell na = SheetCell::ofUnreadable("#N/A");
    using Kind = ExchangeError::Kind;
    struct Case {
        std::string file; // empty: cell-kinds.xlsx with the cell changed to `value`
        int row, col;
        SheetCell value;
        Kind kind;
        std::string named, held, time7; // time7: the time of event 2 when read
    } cases[] = {
        {"cell-error.xlsx", 7, scol::Record, {}, Kind::UnreadableCell, "J7", "#N/A", ""},
        {"cell-error.ods", 7, scol::Record, {}, Kind::UnreadableCell, "J7", "#N/A", ""},
        {"time-outside-day.ods", 7, scol::Time, {}, Kind::TimeOutsideDay, "D7", "1.5", ""},
        {"", 7, scol::Time, SheetCell::ofNumber(-0.1), Kind::TimeOutsideDay, "D7", "-0.1", ""},
        {"", 7, scol::Time, SheetCell::ofNumber(1), Kind::TimeOutsideDay, "D7", "1", ""},
        {"", 7, scol::Number, SheetCell::ofUnreadable("#DIV/0!"), Kind::UnreadableCell, "A7", "#DIV/0!", ""},
        // Accepted: a date and time, a time just before midnight, an error in the worked-out columns.
        {"", 7, scol::Time, SheetCell::ofDate(45356.5), Kind::Other, "", "", "12:00"},
        {"", 7, scol::Time, SheetCell::ofNumber(0.999), Kind::Other, "", "", "23:59"},
        {"", 7, scol::Event, na, Kind::Other, "", "", "10:30"},
        {"", 7, scol::Table, SheetCell::ofUnreadable("#VALUE!"), Kind::Other, "", "", "10:30"},
    };
    DefinitionList none;
    for (const auto& c : cases) {
        const std::string file = test::workbookFile(c.file.empty() ? "cell-kinds.xlsx" : c.file).string();
        SCOPED_TRACE(file + " " + c.named + " " + c.held);
        Sheet sheet = kinds;
        sheet.setCell(c.row, c.col, c.value);
        GridModel grid = test::emptyExchange();
        grid.addItem("99\t\t08:00");
        auto read = [&] {
            return c.file.empty() ? importSheet(sheet, file, none, grid) : importWorkbook(file, none, grid);
        };
        if (c.kind == Kind::Other) {
            EXPECT_EQ(read(), 3);
            EXPECT_EQ(grid.cell(2, xcol::Time), c.time7);
            EXPECT_EQ(grid.cell(2, xcol::Event), "Long Jump");
            EXPECT_EQ(grid.cell(2, xcol::Table), "24");
            continue;
        }
        try {
            read();
            ADD_FAILURE() << "read";
        } catch (const ExchangeError& e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_EQ(e.facts(), (std::vector<std::string>{file, "Program", c.named, c.held}));
            EXPECT_THAT(e.what(),
                        testing::HasSubstr("\"" + file + "\", sheet \"Program\", cell " + c.named + " holds "));
            EXPECT_EQ(sheetCellErrorText(e, Language::English), e.what());
        }
        ASSERT_EQ(grid.rows(), 2);
        EXPECT_EQ(grid.cell(1, xcol::Number), "99");
    }
}

} // namespace
