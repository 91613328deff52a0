// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "programme/Language.h"

#include <string>
#include <vector>

namespace dravik {

class RecordSet;
class GridModel;

// Columns of the programme grid.
namespace pcol {
inline constexpr int Number = 0, Sub = 1, Time = 2, Gender = 3, Age = 4, Event = 5, Level = 6, Point = 7, Position = 8,
                     Definition = 9, Entry = 10, HE = 11, Event2 = 12, Wind = 13, English = 14, Day = 15;
inline constexpr int Count = 16;
} // namespace pcol

// The values of the Atld40 row last read, with the defaults of fields that are not present.
struct ProgrammeRecord {
    double tabverw = 0;
    double ufvlak = 0;
    double wind = 0;
    double nommer = 1;
    std::string tyd = "00:00";
    std::string he = "E";
    std::string invoer;
    std::string punt;
    std::string sub;
    double draws = 1;
    int position = -1;
};

// Copies the current row of the Atld40 record set (ReadProgrammeRecord).
ProgrammeRecord readProgrammeRecord(const RecordSet& atld40);

// The level text shown for a stored level index: the list entry for 0 to 10,
// otherwise the number itself, so that it saves back unchanged.
std::string levelText(double ufvlak, Language lang);

// The 16 cells of one programme grid row.
std::vector<std::string> buildProgrammeRow(const ProgrammeRecord& rec, const EventReference& ref, Language lang);

// Header texts of the 16 columns.
const std::vector<std::string>& programmeHeader(Language lang);

// Sets the programme grid to its 16 columns, header, widths and hidden columns.
void setupProgrammeGrid(GridModel& grid, Language lang);

// Empties the grid to its header and fills it from Atld40 in record-set order;
// row 1 becomes current when there are rows. Returns the number of rows loaded.
int loadProgrammeGrid(RecordSet& atld40, const EventReference& ref, Language lang, GridModel& grid);

} // namespace dravik
