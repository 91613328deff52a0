#pragma once
#include "data/ReferenceData.h"

#include <functional>
#include <string>

namespace dravik {

class GridModel;
class Sheet;

// Told the number of event rows read so far, so that a window can show progress.
using ImportProgress = std::function<void(int rowsRead)>;

// Reads the programme sheet into the exchange grid: sheet rows 6 to 1000 up to
// the first row with an empty column 1, one exchange row each, with the gender,
// level and time converted and the type taken from the definitions. Where
// column 15 holds no definition number (a legacy .xls gives no formula values),
// the number and the event name come from column 8 ("100m - 0012").
// A sheet whose row 6 has no positive number in column 1 or in column 7 is not
// a programme sheet: ExchangeError naming the file, and the grid keeps its rows.
// Returns the number of rows read; rowsNotRead (when given) is told how many
// rows below sheet row 1000 hold an event number that was not read.
int importSheet(const Sheet& sheet, const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                const ImportProgress& progress = {}, int* rowsNotRead = nullptr);

// Opens the workbook, reads its first sheet as above and closes it. Throws
// ExchangeError naming the file and the reason; the grid is then unchanged.
int importWorkbook(const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                   const ImportProgress& progress = {}, int* rowsNotRead = nullptr);

} // namespace dravik
