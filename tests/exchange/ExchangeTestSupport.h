// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "support/TestMeeting.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// The workbooks made once with LibreOffice and openpyxl, beside this folder's tests.
inline std::filesystem::path workbookFile(const std::string& name)
{
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "workbooks" / name;
}

inline std::string fileBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An exchange grid without rows.
inline GridModel emptyExchange()
{
    GridModel grid;
    setupExchangeGrid(grid);
    return grid;
}

// A programme sheet with events in rows 6 to 5 + count.
inline Sheet programmeSheet(int count, int rows = 1010)
{
    Sheet sheet(rows, scol::Count);
    for (int i = 0; i < count; ++i) {
        int r = scol::FirstEventRow + i;
        sheet.setCell(r, scol::Number, SheetCell::ofNumber(i + 1));
        sheet.setCell(r, scol::Age, SheetCell::ofNumber(12));
        sheet.setCell(r, scol::Time, SheetCell::ofText("09:00"));
        sheet.setCell(r, scol::EventCode, SheetCell::ofText("100m - 0115"));
    }
    return sheet;
}

// A cell as "kind value": "n" a number, "nd" a number shown as a date, "t" text,
// "?" unreadable, "-" empty.
inline std::string shownCell(const SheetCell& cell)
{
    static const char* const kinds[] = {"-", "n", "t", "?"};
    return kinds[static_cast<int>(cell.kind)] + std::string(cell.dated ? "d " : " ") + cell.asText();
}

// The test meeting opened as the program opens it, with the suite's event reference.
struct Suite : TestMeeting {
    explicit Suite(bool demo)
        : TestMeeting(demo), store(open()),
          ref(loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18()))
    {
    }
    std::unique_ptr<DataStore> store;
    EventReference ref;
};

} // namespace dravik::test
