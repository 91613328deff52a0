// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"
#include "records/RecordSetEditor.h"
#include "records/RecordsResult.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace SQLite {
class Database;
}

namespace dravik {

class DataStore;
class GridModel;
class RecordSet;
struct MeetingDetails;

// Columns of the record editor's grid flxRek; 9 to 13 are hidden.
namespace reccol {
enum : int {
    Event = 0,
    Category = 1,
    Surname = 2,
    Name = 3,
    Record = 4,
    Year = 5,
    Date = 6,
    Team = 7,
    Track = 8,
    Definition = 9, // Atld10.Nommer
    Key = 10,       // the record's key in Atld60, -1 when the event has none
    Programme = 11, // number of the first programme row of the event, 0 when none
    Type = 12,      // Atld10.Tipe
    Set = 13,       // the displayed set's reference
    Count = 14
};
}

// Told the number of definitions walked so far and the total (Atld10's rows).
using RecordProgress = std::function<void(int done, int total)>;

// Sets flxRek to its 14 columns with the window's headers, 9 to 13 hidden.
void setupRecordGrid(GridModel& flxRek, Language lang);

struct RecordDisplay {
    std::string frameCaption;  // fraRek: " name (symbol) "
    std::string filterCaption; // cmdRItems: "Program Events" / "Program Items"
};

// Display: one row per event definition of Atld10 (in its order) whose age
// class lies within the meeting's age range and whose event is in the
// catalogue, with the set's record of that event when it has one. Reads the
// set's records and the programme once; rows without a record show the
// meeting's first date.
RecordDisplay DisplayRecordSet(GridModel& flxRek, DataStore& store, const MeetingDetails& meeting,
                               const RecordSetChoice& set, Language lang, const RecordProgress& progress = {});

// The event filter cmdRItems: from "Program Events" to "All Events", hiding the
// rows of events not on the programme; from any other caption to "Program
// Events", showing every row.
struct EventFilter {
    std::string caption;
    std::vector<int> hiddenRows; // the grid rows to hide; every other row is shown
};
EventFilter pressEventFilter(const GridModel& flxRek, std::string_view caption);

// Save: writes the grid's records to Atld60 in one transaction. A row with a
// record text stores it (a new record or a change of its own record), a row
// whose text was cleared deletes its record, rows left as Display showed them
// are not written. A record text that is neither a number nor (for a timed
// event) a time, or a changed date that is not "dd/MM/yyyy", is refused with a
// message naming the event, and nothing is stored. Afterwards the grid's keys
// follow the table, so a second Save changes nothing twice; atld60 is read again.
// loaded, when given and set, is the set's fingerprint when Display showed it
// (recordSetFingerprint): Save first checks, inside its transaction, that the
// set's records are still those, and throws StoreError of kind Changed when
// another window or program changed them; afterwards it holds the new one.
RecordsResult saveRecordGrid(GridModel& flxRek, RecordSet& atld60, Language lang,
                             std::optional<std::uint64_t>* loaded = nullptr);

// A fingerprint of the records of one set in Atld60.
std::uint64_t recordSetFingerprint(SQLite::Database& db, std::int64_t reference);

} // namespace dravik
