// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "programme/Language.h"
#include "programme/ProgrammeRowCheck.h"

#include <string>
#include <vector>

namespace dravik {

class GridModel;
struct SheetCell;

// Columns of the exchange grid flxBeide. Table and Type are hidden. Day is
// this program's own addition, so that a programme of several days goes out
// to a workbook and comes back on the same days.
namespace xcol {
inline constexpr int Number = 0, Sub = 1, Time = 2, Gender = 3, Age = 4, Event = 5, Level = 6, Place = 7, Record = 8,
                     Year = 9, Name = 10, Surname = 11, Team = 12, Table = 13, Type = 14, Day = 15;
inline constexpr int Count = 16;
} // namespace xcol

// Columns of the programme sheet, counted from 1 as a spreadsheet does. Rows 1
// to 5 are headings; event row i of the exchange grid is sheet row i + 5.
namespace scol {
inline constexpr int Number = 1, Sub = 2, Place = 3, Time = 4, Level = 5, Gender = 6, Age = 7, EventCode = 8, Event = 9,
                     Record = 10, Name = 11, Surname = 12, Year = 13, Team = 14, Table = 15, Day = 16;
inline constexpr int Count = 16;
inline constexpr int FirstEventRow = 6;
// The import reads no row below this one.
inline constexpr int LastReadRow = 1000;
} // namespace scol

// Header texts of the exchange grid (the same in both languages).
const std::vector<std::string>& exchangeHeader();
// Sets the grid to the exchange grid's columns and header, Table and Type hidden.
void setupExchangeGrid(GridModel& grid);

// Gender of a sheet cell: "Manlik" when its text starts with M (either case), else "Vroulik".
std::string genderFromSheet(const std::string& text);
// Level of a sheet cell: a level's full name of either language's level list
// is kept (the three of the exchange as "Finaal", "Semi-finaal", "Kwart-eind");
// otherwise the first letter decides: F "Finaal", S "Semi-finaal", any other "Kwart-eind".
std::string levelFromSheet(const std::string& text);
// A start time as "hh:mm": from a day fraction (0.375 is "09:00") or a text
// such as "9:5", "9:00", "09:00:00" or "1899-12-30 09:00:00". A text that is no
// time of day ("25:99") comes back as it stands, for the row check to refuse.
std::string timeFromSheet(const SheetCell& cell);
// The day column of a sheet row as written; an empty cell is day 1.
std::string dayFromSheet(const SheetCell& cell);

// The output workbook's name from the text the user typed: "Program.xlsx" when
// empty, otherwise the text before its first "." followed by ".xlsx".
std::string outputWorkbookName(const std::string& typed);
// The four-digit code of a definition number: the last four characters of
// "0000" and the trimmed text (7 gives "0007", 12345 gives "2345", empty "0000").
std::string definitionCode(const std::string& definitionText);
// Sheet column 8: event name, " - " and the code.
std::string eventCodeText(const std::string& eventName, const std::string& definitionText);
// Splits a column 8 text at its last " - " into name and definition number;
// false when it holds no " - " followed by a number.
bool splitEventCode(const std::string& text, std::string& name, std::string& definition);

// The event type (Tipe) of the definition whose number is in the text; empty when none has it.
std::string eventTypeText(const DefinitionList& definitions, const std::string& definitionText);

// "Read from Prorgam": the exchange grid gets one row per programme row with
// columns 0 to 7, the definition number and the day; the record columns stay
// empty; the type comes from the definitions.
void readFromProgramme(const GridModel& programme, const DefinitionList& definitions, GridModel& exchange);

// The level of the programme grid for an exchange level text: a level of the
// window's list stays; "Finaal", "Semi-finaal" and "Kwart-eind" become the
// list's final, semi-final and quarter-final (levels 0, 2 and 3); a number
// stays; any other text goes by its first letter as the import reads it.
std::string programmeLevel(const std::string& exchangeLevel, Language lang);

// What "Write to Program" did: the rows written, or the row it refused.
struct ProgrammeWrite {
    int rows = 0;
    int refusedRow = 0; // exchange grid row; 0 when the grid held no rows
    EntryResult refused;
    bool ok() const { return refused.ok(); }
};

// "Write to Program": replaces the rows of the programme grid by the exchange
// rows. Columns 0 to 7 are copied with the gender in the window's words and
// the level of the window's list, column 8 is empty, 9 the definition number,
// 11 "H", 13 "0" and 15 the day (1 when the exchange row has none). Every row
// first passes the programme row check; an empty grid or a refused row leaves
// the programme grid as it was.
ProgrammeWrite writeToProgramme(const GridModel& exchange, Language lang, int meetingDays, GridModel& programme);

} // namespace dravik
