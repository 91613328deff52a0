// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "programme/Language.h"

#include <exception>
#include <functional>
#include <string>

namespace dravik {

class GridModel;
class Sheet;

// Where the list of events of a programme sheet ended.
struct ListEnd {
    // The sheet row whose number (column 1) was empty; 0 when the list ran to
    // the last row read.
    int blankRow = 0;
    // Rows below that blank row that still hold something in column 1 (those
    // below the last row read too); 0 when the list ran to the end.
    int numbersBelow = 0;
};

// Told the number of event rows read so far, so that a window can show progress.
using ImportProgress = std::function<void(int rowsRead)>;

// Reads the programme sheet into the exchange grid: sheet rows 6 to 1000 up to
// the first row with an empty column 1, one exchange row each, with the gender,
// level and time converted and the type taken from the definitions. Where
// column 15 holds no definition number (a legacy .xls gives no formula values),
// the number and the event name come from column 8 ("100m - 0012").
// A sheet whose row 6 has no positive number in column 1 or in column 7 is not
// a programme sheet: ExchangeError naming the file, and the grid keeps its rows.
// So is a cell of an event row that holds no readable value (an error value, a
// formula without its stored result) and a time that is a number outside a day
// (-0.1, 1.5) unless it is shown as a date with a time: the error names the
// file, the sheet, the cell (D7) and what it holds. Event (column 9) and Table
// (column 15) are worked out from column 8 where they hold nothing readable.
// Returns the number of rows read; rowsNotRead (when given) is told how many
// rows below sheet row 1000 hold an event number that was not read, and end
// (when given) where the list ended.
int importSheet(const Sheet& sheet, const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                const ImportProgress& progress = {}, int* rowsNotRead = nullptr, ListEnd* end = nullptr);

// The message of a refused cell (ExchangeError of kind UnreadableCell or
// TimeOutsideDay) in the language; any other error's own message.
std::string sheetCellErrorText(const std::exception& error, Language lang);

// Opens the workbook, reads its first sheet as above and closes it. Throws
// ExchangeError naming the file and the reason; the grid is then unchanged.
int importWorkbook(const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                   const ImportProgress& progress = {}, int* rowsNotRead = nullptr, ListEnd* end = nullptr);

} // namespace dravik
