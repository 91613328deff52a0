// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"
#include "records/RecordsResult.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dravik {

class GridModel;
class RecordSet;
struct RecordSetList;

// Columns of the record-set grid flxRekords. Row 0 is the header; each later
// row is one set, so the first set is row 1.
namespace setcol {
enum : int { Naam = 0, Simb = 1, Verw = 2, Mark = 3, Position = 4, Count = 5 };
}

// What the set list keeps between handlers for as long as the window lives.
struct RecordSetListState {
    int currentRow = 0; // the flxRekords row last picked; 0 when none
    // References of the sets removed from the grid since the last Save, whose
    // records the next Save deletes.
    std::vector<std::int64_t> pendingDeletions;
    // Atld61's fingerprint when the grid was filled (and after New and Save):
    // Save refuses to overwrite sets that another window or program stored since.
    std::optional<std::uint64_t> loadedFingerprint;
};

// A set as Display and the records report name it.
struct RecordSetChoice {
    std::int64_t reference = 0;
    std::string name;
    std::string symbol;
};

// Empties flxRekords down to its header and adds one row per set:
// Naam, Simb, Verw, "A" for an active set or " ", position.
void fillRecordSetGrid(GridModel& flxRekords, const RecordSetList& sets);

// A row picked: remembered as the current row; returns the file name the
// exchange proposes for it (the set's name + ".xls"), "" for no set row.
std::string pickRecordSet(const GridModel& flxRekords, int row, RecordSetListState& state);

// The toggle gesture: the row becomes current and its mark turns from "A" to
// empty, or from anything else to "A". Stored only by Save.
void toggleActiveMark(GridModel& flxRekords, int row, RecordSetListState& state);

// New: adds a set to Atld61 at once, with one more than the highest reference
// in use (0 on an empty table), the name "(New)" / "(Nuut)", symbol "R", not
// active, and appends its row to the grid. The grid's unsaved edits and
// removals stay as they are. Returns the new reference.
std::int64_t addRecordSet(GridModel& flxRekords, RecordSet& atld61, Language lang);

// Delete: removes a set's row from the grid and remembers its reference for
// Save. The first set (row 1, the lowest reference) is never removed; false
// when nothing was removed.
bool removeRecordSet(GridModel& flxRekords, int row, RecordSetListState& state);

// Save: replaces Atld61 by the grid's sets and deletes from the whole of Atld60
// the records of the sets removed since the last Save, in one transaction.
// A reference that is not a whole number, or one used by two sets, is refused
// with a message naming the set, and nothing is stored. When the state holds a
// fingerprint and Atld61 no longer matches it, StoreError of kind Changed is
// thrown and nothing is stored. When stored, the
// pending removals are done with and forgotten; both record sets are read again.
RecordsResult saveRecordSets(const GridModel& flxRekords, RecordSet& atld61, RecordSet& atld60,
                             RecordSetListState& state, Language lang);

// The set of a grid row for Display and the report; no value for the header,
// a row beyond the grid, or a reference that is not a whole number.
std::optional<RecordSetChoice> recordSetAt(const GridModel& flxRekords, int row);

// A text as a whole number ("12", " -3 "); no value for anything else.
std::optional<std::int64_t> wholeNumber(const std::string& text);

} // namespace dravik
