// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <SQLiteCpp/Database.h>

namespace dravik {

// Writes the standard event catalogue (Atld11) and event definitions (Atld10)
// into an empty Dsd11.mdb: sprints, hurdles, middle and long distances,
// steeplechase and walks, relays (kind 3), jumps and throws (kinds 7 and 8)
// for the ages 6 to 19, the open class 25 and the veteran classes above 25,
// with English and Afrikaans names and whole-number catalogue keys.
void writeStandardEvents(SQLite::Database& standard);

} // namespace dravik
