// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {

// The folder this program publishes the web site into after every Save, kept in
// a table of its own (DravikWeb in the suite's options database, Dsd05.mdb) that
// the suite's other modules do not read. "" when none is set.
std::string readWebFolderSetting(const std::string& programFolder);

// Stores the folder ("" turns publishing on Save off). Throws StoreError naming
// the file when it cannot be written.
void writeWebFolderSetting(const std::string& programFolder, const std::string& folder);

} // namespace dravik
