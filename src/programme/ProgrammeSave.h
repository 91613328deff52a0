#pragma once
#include "platform/RecordSet.h"
#include "programme/Language.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace dravik {

class GridModel;

// A grid row that cannot be stored; nothing was written.
class ProgrammeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The Atld40 rows for the grid rows 1.. whose definition column holds a positive
// number, in grid order. Throws ProgrammeError for a level text that is neither
// a level of the window's language nor a number.
std::vector<FieldAssignments> programmeRowsToStore(const GridModel& grid, Language lang);

// Save: rewrites Atld40 from the grid in one transaction. On failure the
// stored programme is left as it was and the error is thrown. Afterwards each
// stored row's record position (column 8) names its new stored row, so the grid
// stays linked to the table without a reload. Returns the number of rows stored.
// loaded, when given and set, is Atld40's fingerprint when the grid was loaded:
// the transaction first checks that the table is still that (StoreError of
// kind Changed when another window or program changed it), and afterwards it
// holds the fingerprint of what was saved.
int saveProgrammeGrid(GridModel& grid, Language lang, RecordSet& atld40,
                      std::optional<std::uint64_t>* loaded = nullptr);

} // namespace dravik
