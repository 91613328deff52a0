// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {

struct SuiteSetupReport {
    std::string summary; // what was created, for the user
};

// Creates a suite folder: every database with its tables, the options, the
// programs list, the standard event definitions and catalogue, the folder
// settings and the logo; with demo, also a sample three-day meeting.
// Never overwrites an existing file: throws StoreError naming it, before
// anything is written.
SuiteSetupReport createSuiteFolder(const std::string& dir, bool demo);

} // namespace dravik
