// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <SQLiteCpp/Database.h>

namespace dravik {

// Fills an empty meeting database with a sample three-day meeting: details,
// teams, athletes, individual and relay entries with heats and lanes, a stored
// programme and two active record sets. Uses the definitions of the standard
// database so that every entry and programme row refers to a real event.
void writeDemoMeeting(SQLite::Database& meeting, SQLite::Database& standard);

} // namespace dravik
