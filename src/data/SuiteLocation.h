// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace dravik {

// Where the program finds its suite folder (databases, logo, template):
// the folder given on the command line; else the executable's folder when it
// holds Dsd05.mdb; else $XDG_DATA_HOME/dravik-sport (~/.local/share/dravik-sport).
struct SuiteLocation {
    std::string folder; // with a trailing separator
    bool fromArgument = false;
    bool holdsSuite = false; // Dsd05.mdb is there
};

// xdgDataHome and home are the environment's values (empty when unset).
SuiteLocation locateSuite(const std::optional<std::string>& argument, const std::string& executableFolder,
                          const std::string& xdgDataHome, const std::string& home);

bool folderHoldsSuite(const std::string& folder);

} // namespace dravik
