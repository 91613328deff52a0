#pragma once
#include "platform/RecordSet.h"

#include <vector>

namespace dravik {

class GridModel;

// The Atld40 rows of the working list: one per row whose definition column
// holds a number above 0, in list order, as a final (UFvlak 0) on day 1 with no
// sub-letter or point. A row without a time is stored at "00:00", one without
// a programme number as number 1.
std::vector<FieldAssignments> programmeRowsFromWorkingList(const GridModel& flxNLys);

// "Dra oor": replaces the stored programme with the working list in one
// transaction (on failure the stored programme stays as it was and StoreError
// is thrown). Returns the number of programme rows stored. The window reloads
// its programme grid afterwards, so that a later Save does not write the old
// programme back over this one.
int transferWorkingList(const GridModel& flxNLys, RecordSet& atld40);

} // namespace dravik
