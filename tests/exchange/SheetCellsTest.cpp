// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/Workbook.h"
#include "support/WorkbookEdit.h"

#include <gtest/gtest.h>

using namespace dravik;
namespace fs = std::filesystem;

// Rows and cells a workbook writer left without their references follow the
// one before them: a value written there replaces the cell the user sees.
TEST(SheetCells, RowsAndCellsWithoutReferencesAreWrittenInPlace)
{
    test::TempFolder dir;
    const fs::path file = dir.path() / "cells.xlsx";
    fs::copy_file(test::workbookFile("cell-kinds.xlsx"), file);
    test::writeWorkbookPart(
        file.string(), "xl/worksheets/sheet1.xml",
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
        R"(<row r="2"><c r="B2"><v>1</v></c></row><row><c><v>2</v></c><c><v>3</v></c><c><v>4</v></c></row>)"
        R"(</sheetData></worksheet>)");
    test::editFirstSheet(file.string(), [](xlsx::SheetCells& cells) {
        EXPECT_EQ(cells.rowsFrom(1), (std::vector<int>{2, 3}));
        cells.setText(3, 2, "B");
        cells.setNumber(2, 2, 5);
        cells.setText(1, 27, "AA"); // past Z
        cells.setText(1, 28, "AB");
    });

    Sheet read = readFirstSheet(file.string(), 3, 28);
    const std::vector<std::vector<std::string>> expected{{"", "", ""}, {"", "5", ""}, {"2", "B", "4"}};
    EXPECT_EQ(read.cell(1, 27).asText(), "AA");
    EXPECT_EQ(read.cell(1, 28).asText(), "AB");
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(read.cell(r, c).asText(), expected[r - 1][c - 1]) << "row " << r << " column " << c;
}
