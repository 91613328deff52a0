// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {

class GridModel;
class RecordSet;
struct EventReference;

// Columns of the working list flxNLys.
namespace ncol {
inline constexpr int Gender = 0; // "S" or "D"
inline constexpr int Age = 1;
inline constexpr int Event = 2; // English name, with " - " and the note
inline constexpr int Entries = 3;
inline constexpr int Minutes = 4; // estimated duration
inline constexpr int Time = 5;    // summary in rows 1-3 after reading, start times after scheduling
inline constexpr int Number = 6;  // programme number
inline constexpr int Heats = 7;
inline constexpr int Definition = 8; // Tnom of the entries
inline constexpr int NameKey = 9;    // the definition's besk
inline constexpr int Kind = 10;      // Tipe, with 9 read as 0
inline constexpr int Count = 11;
} // namespace ncol

// Rows of the Time column that hold the summary of the estimate.
namespace nsummary {
inline constexpr int TrackMinutes = 1, RoundLength = 2, RoundCount = 3;
}

// What "Lees Items" found.
struct WorkingListSummary {
    int rows = 0;            // data rows: one per event with entries
    double trackMinutes = 0; // sum of the race durations
    double roundLength = 0;  // field round in minutes; 0 when no field event
    int rounds = 0;          // field rounds; 0 when no field event
    // No entries: the window shows the age matrix with its default rows instead.
    bool empty() const { return rows == 0; }
};

// Sets flxNLys to its 11 columns and header, with no data rows.
void setupWorkingList(GridModel& flxNLys);

// "Lees Items": rebuilds flxNLys from the entries of Atld37, one row per event
// definition with entries, sorted by kind, name key, age and gender, with the
// estimate of every row and the summary in the Time column of rows 1 to 3
// (as far as those rows exist). Row 1 becomes current. Heat sizes come from
// flxNBane; a heat size that is no number throws GeneratorError before the
// list is touched.
WorkingListSummary readItems(GridModel& flxNLys, RecordSet& atld37, const EventReference& ref,
                             const GridModel& flxNBane);

// "Skraap Item": removes the current row when it is a data row. The summary is
// not recomputed. True when a row was removed.
bool removeCurrentItem(GridModel& flxNLys);

} // namespace dravik
