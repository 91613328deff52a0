// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/RecordSet.h"
#include "programme/ProgrammeSave.h"

#include <vector>

namespace dravik {

class GridModel;

// The programme grid rows of the working list, row for row: each a final on
// day 1 with no sub-letter or point, entry marker "0". Save stores those whose
// definition column holds a number above 0.
void programmeGridFromWorkingList(const GridModel& flxNLys, Language lang, GridModel& programme);

// "Dra oor": replaces the stored programme with the working list in one
// transaction, through the same store as the Compile tab's Save, so a row the
// programme check refuses (a start time past 23:59, a number past 9999)
// stores nothing and throws ProgrammeError naming it. On a store failure the
// stored programme stays as it was and StoreError is thrown. Returns the
// number of programme rows stored. The window reloads its programme grid
// afterwards, so that a later Save does not write the old programme back over
// this one.
int transferWorkingList(const GridModel& flxNLys, Language lang, const ProgrammeRules& rules, RecordSet& atld40);

} // namespace dravik
