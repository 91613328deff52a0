// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/ExchangeGrid.h"
#include "exchange/ProgrammeExport.h"
#include "exchange/ProgrammeImport.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

const char* const kSkipNoOpenpyxl = "python3-openpyxl is missing (scripts/install-deps.sh installs it)";

std::string kindName(SheetCell::Kind kind)
{
    switch (kind) {
    case SheetCell::Kind::Empty:
        return "empty";
    case SheetCell::Kind::Number:
        return "number";
    case SheetCell::Kind::Text:
        return "text";
    case SheetCell::Kind::Unreadable:
        return "unreadable";
    }
    return "?";
}

// A cell as "kind value", with "date" for a number shown as a date.
std::string shown(const SheetCell& cell)
{
    return kindName(cell.kind) + (cell.dated ? " date " : " ") + cell.asText();
}

GridModel emptyExchange()
{
    GridModel grid;
    setupExchangeGrid(grid);
    return grid;
}

std::vector<std::vector<std::string>> gridRows(const GridModel& grid)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < grid.rows(); ++r)
        rows.push_back(grid.rowCells(r));
    return rows;
}

// The three events of openpyxl_workbook.py's sheet, written by openpyxl itself (inline strings,
// formulas without their results) and saved again by LibreOffice as .xlsx (shared strings with
// rich-text runs, formula results) and .ods: every kind of cell reads as written, and the
// three give the same exchange rows.
TEST(WorkbookCells, EveryKindOfCellReadsAsWrittenByOpenpyxlAndLibreOffice)
{
    test::TempFolder dir;
    const fs::path openpyxl = dir.path() / "openpyxl.xlsx";
    const int made = test::openpyxlWorkbook({"cells", openpyxl.string()});
    if (made == test::kNoOpenpyxl)
        GTEST_SKIP() << kSkipNoOpenpyxl;
    ASSERT_EQ(made, 0);

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
        {openpyxl, "unreadable =IF(LEN(H6)>7,LEFT(H6,LEN(H6)-7),\"\")"},
        {test::workbookFile("cell-kinds.xlsx"), "text 100m"},
        {test::workbookFile("cell-kinds.ods"), "text 100m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.filename().string());
        Sheet sheet = readFirstSheet(c.file.string(), 20, scol::Count);
        EXPECT_EQ(sheet.name(), "Program");
        const std::vector<std::pair<std::string, std::string>> cells = {
            {"A1", shown(sheet.cell(1, 1))},  {"A6", shown(sheet.cell(6, 1))},   {"B6", shown(sheet.cell(6, 2))},
            {"D6", shown(sheet.cell(6, 4))},  {"D7", shown(sheet.cell(7, 4))},   {"D8", shown(sheet.cell(8, 4))},
            {"F8", shown(sheet.cell(8, 6))},  {"J6", shown(sheet.cell(6, 10))},  {"J7", shown(sheet.cell(7, 10))},
            {"L6", shown(sheet.cell(6, 12))}, {"I6", shown(sheet.cell(6, 9))},   {"B7", shown(sheet.cell(7, 2))},
            {"A9", shown(sheet.cell(9, 1))},  {"C12", shown(sheet.cell(12, 3))},
        };
        const std::vector<std::pair<std::string, std::string>> expected = {
            {"A1", "text Dravik Sport - Program"},
            {"A6", "number 1"},
            {"B6", "text a"},
            {"D6", "number 0.375"},
            {"D7", "number date 45356.4375"},
            {"D8", "text 9:15"},
            {"F8", "number 1"},
            {"J6", "number 12.5"},
            {"J7", "text 2:05.30"},
            {"L6", "text Smit"},
            {"I6", c.event6},
            {"B7", "empty "},
            {"A9", "empty "},
            {"C12", "text end"},
        };
        EXPECT_EQ(cells, expected);

        GridModel grid = emptyExchange();
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
// column 8 whatever they hold.
TEST(WorkbookCells, UnreadableCellsAndTimesOutsideADayAreNamedAndRefused)
{
    test::TempFolder dir;
    struct Case {
        std::string cell, value, format; // a cell of openpyxl's sheet changed; empty: a LibreOffice file
        fs::path file;
        ExchangeError::Kind kind;
        std::string named, held, time7; // time7: the time of event 2 when read
    } cases[] = {
        {"", "", "", test::workbookFile("cell-error.xlsx"), ExchangeError::Kind::UnreadableCell, "J7", "#N/A", ""},
        {"", "", "", test::workbookFile("cell-error.ods"), ExchangeError::Kind::UnreadableCell, "J7", "#N/A", ""},
        {"", "", "", test::workbookFile("time-outside-day.ods"), ExchangeError::Kind::TimeOutsideDay, "D7", "1.5", ""},
        {"D7", "1.5", "hh:mm", {}, ExchangeError::Kind::TimeOutsideDay, "D7", "1.5", ""},
        {"D7", "-0.1", "hh:mm", {}, ExchangeError::Kind::TimeOutsideDay, "D7", "-0.1", ""},
        {"D7", "1", "[h]:mm", {}, ExchangeError::Kind::TimeOutsideDay, "D7", "1", ""},
        {"D7", "#N/A", "", {}, ExchangeError::Kind::UnreadableCell, "D7", "#N/A", ""},
        {"A7", "#DIV/0!", "", {}, ExchangeError::Kind::UnreadableCell, "A7", "#DIV/0!", ""},
        {"G6", "#VALUE!", "", {}, ExchangeError::Kind::UnreadableCell, "G6", "#VALUE!", ""},
        {"P8", "#REF!", "", {}, ExchangeError::Kind::UnreadableCell, "P8", "#REF!", ""},
        // Accepted: a date and time, a time just before midnight, an error in the worked-out columns.
        {"D7", "45356.5", "dd/mm/yyyy hh:mm", {}, ExchangeError::Kind::Other, "", "", "12:00"},
        {"D7", "0.999", "hh:mm", {}, ExchangeError::Kind::Other, "", "", "23:59"},
        {"I7", "#N/A", "", {}, ExchangeError::Kind::Other, "", "", "10:30"},
        {"O7", "#VALUE!", "", {}, ExchangeError::Kind::Other, "", "", "10:30"},
    };
    DefinitionList none;
    for (auto& c : cases) {
        if (!c.cell.empty()) {
            c.file = dir.path() / (c.cell + c.value.substr(0, 2) + c.format.substr(0, 2) + ".xlsx");
            std::vector<std::string> args = {"bad", c.file.string(), c.cell, c.value};
            if (!c.format.empty())
                args.push_back(c.format);
            const int made = test::openpyxlWorkbook(args);
            if (made == test::kNoOpenpyxl)
                GTEST_SKIP() << kSkipNoOpenpyxl;
            ASSERT_EQ(made, 0);
        }
        SCOPED_TRACE(c.file.filename().string() + " " + c.cell + " " + c.value);
        GridModel grid = emptyExchange();
        grid.addItem("99\t\t08:00");
        if (c.named.empty()) {
            EXPECT_EQ(importWorkbook(c.file.string(), none, grid), 3);
            EXPECT_EQ(grid.cell(2, xcol::Time), c.time7);
            EXPECT_EQ(grid.cell(2, xcol::Event), "Long Jump");
            EXPECT_EQ(grid.cell(2, xcol::Table), "24");
            continue;
        }
        try {
            importWorkbook(c.file.string(), none, grid);
            ADD_FAILURE() << "read";
        } catch (const ExchangeError& e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_EQ(e.facts(), (std::vector<std::string>{c.file.string(), "Program", c.named, c.held}));
            EXPECT_THAT(e.what(), testing::HasSubstr("\"" + c.file.string() + "\", sheet \"Program\", cell " + c.named +
                                                     " holds "));
            EXPECT_THAT(sheetCellErrorText(e, Language::Afrikaans),
                        testing::HasSubstr("\"" + c.file.string() + "\", blad \"Program\", sel " + c.named + " hou "));
            EXPECT_EQ(sheetCellErrorText(e, Language::English), e.what());
        }
        ASSERT_EQ(grid.rows(), 2);
        EXPECT_EQ(grid.cell(1, xcol::Number), "99");
    }
}

// The programme as the program exports it comes back the same after openpyxl,
// which writes every text as an inline string and drops the formulas' results,
// loaded and saved it: before, that import gave every row 00:00 and no sub.
TEST(WorkbookCells, TheProgramsExportComesBackAlikeAfterOpenpyxlSavedIt)
{
    test::Suite suite(true);
    GridModel programme;
    setupProgrammeGrid(programme, Language::English);
    loadProgrammeGrid(suite.store->atld40(), suite.ref, Language::English, programme);
    GridModel exchange = emptyExchange();
    readFromProgramme(programme, suite.ref.definitions, exchange);
    ASSERT_GT(exchange.rows(), 50);
    const fs::path exported = suite.path() / "exported.xlsx", resaved = suite.path() / "resaved.xlsx";
    exportWorkbook(exchange, (suite.path() / "none.xlsx").string(), exported.string());
    const int made = test::openpyxlWorkbook({"resave", exported.string(), resaved.string()});
    if (made == test::kNoOpenpyxl)
        GTEST_SKIP() << kSkipNoOpenpyxl;
    ASSERT_EQ(made, 0);

    GridModel direct = emptyExchange(), viaOpenpyxl = emptyExchange();
    importWorkbook(exported.string(), suite.ref.definitions, direct);
    importWorkbook(resaved.string(), suite.ref.definitions, viaOpenpyxl);
    EXPECT_EQ(gridRows(viaOpenpyxl), gridRows(direct));
    EXPECT_EQ(direct.rows(), exchange.rows());
    // Some rows have a sub letter and none starts at 00:00.
    int subs = 0;
    for (int r = 1; r < viaOpenpyxl.rows(); ++r) {
        subs += !viaOpenpyxl.cell(r, xcol::Sub).empty();
        EXPECT_EQ(viaOpenpyxl.cell(r, xcol::Time), exchange.cell(r, xcol::Time)) << r;
    }
    EXPECT_GT(subs, 0);
}

// The same export saved again by LibreOffice, as .xlsx and as .ods. Skipped
// where LibreOffice is not installed (scripts/install-deps.sh --run installs it).
TEST(WorkbookCells, TheProgramsExportComesBackAlikeAfterLibreOfficeSavedIt)
{
    const fs::path soffice = "/usr/bin/soffice";
    if (!fs::exists(soffice))
        GTEST_SKIP() << "LibreOffice is not installed: the committed LibreOffice workbooks are tested instead";
    test::Suite suite(true);
    GridModel programme;
    setupProgrammeGrid(programme, Language::English);
    loadProgrammeGrid(suite.store->atld40(), suite.ref, Language::English, programme);
    GridModel exchange = emptyExchange();
    readFromProgramme(programme, suite.ref.definitions, exchange);
    const fs::path exported = suite.path() / "exported.xlsx", out = suite.path() / "libreoffice";
    exportWorkbook(exchange, (suite.path() / "none.xlsx").string(), exported.string());
    GridModel direct = emptyExchange();
    importWorkbook(exported.string(), suite.ref.definitions, direct);
    const std::string profile = "-env:UserInstallation=file://" + (suite.path() / "profile").string();
    for (const char* target : {"ods", "xlsx"}) {
        SCOPED_TRACE(target);
        const fs::path from = std::string(target) == "ods" ? exported : out / "exported.ods";
        ASSERT_EQ(test::runProgram({soffice.string(), profile, "--headless", "--convert-to", target, "--outdir",
                                    out.string(), from.string()}),
                  0);
        GridModel saved = emptyExchange();
        importWorkbook((out / (std::string("exported.") + target)).string(), suite.ref.definitions, saved);
        EXPECT_EQ(gridRows(saved), gridRows(direct));
    }
}

} // namespace
