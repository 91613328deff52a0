// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/RecordSet.h"
#include "programme/Language.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace dravik {

class GridModel;
class DefinitionList;

// A grid row that cannot be stored; nothing was written.
class ProgrammeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a stored programme row must be: a day of this meeting and one of its
// event definitions.
struct ProgrammeRules {
    int meetingDays = 1;
    const DefinitionList& definitions;
};

// The Atld40 rows for the grid rows 1.. whose definition column holds a positive
// number, in grid order, each field read as every road reads it. Throws
// ProgrammeError, naming the row, the column and the value, for the first row
// the programme-row check refuses or whose level text is neither a level of
// the window's language nor a number.
std::vector<FieldAssignments> programmeRowsToStore(const GridModel& grid, Language lang, const ProgrammeRules& rules);

// Save: rewrites Atld40 from the grid in one transaction. On failure the
// stored programme is left as it was and the error is thrown. Afterwards each
// stored row's record position (column 8) names its new stored row, so the grid
// stays linked to the table without a reload. Returns the number of rows stored.
// loaded, when given and set, is Atld40's fingerprint when the grid was loaded:
// the transaction first checks that the table is still that (StoreError of
// kind Changed when another window or program changed it), and afterwards it
// holds the fingerprint of what was saved.
// Every road that stores a programme (Save, "Dra oor", "Write to Program" and
// Save, the command-line import and generator) ends here, so none stores a row
// the check refuses: a refused row stores nothing.
int saveProgrammeGrid(GridModel& grid, Language lang, const ProgrammeRules& rules, RecordSet& atld40,
                      std::optional<std::uint64_t>* loaded = nullptr);

} // namespace dravik
