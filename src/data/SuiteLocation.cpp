// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SuiteLocation.h"

#include "data/FolderSettings.h"
#include "data/Schema.h"

#include <filesystem>

namespace dravik {

bool folderHoldsSuite(const std::string& folder)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(withTrailingSeparator(folder) + suitefile::Options),
                                            ec);
}

SuiteLocation locateSuite(const std::optional<std::string>& argument, const std::string& executableFolder,
                          const std::string& xdgDataHome, const std::string& home)
{
    SuiteLocation loc;
    if (argument && !argument->empty()) {
        loc.folder = withTrailingSeparator(std::filesystem::absolute(*argument).lexically_normal().string());
        loc.fromArgument = true;
    } else if (!executableFolder.empty() && folderHoldsSuite(executableFolder)) {
        loc.folder = withTrailingSeparator(executableFolder);
    } else {
        std::string base = !xdgDataHome.empty() ? xdgDataHome
                                                : (home.empty() ? std::string(".") : home + "/.local/share");
        loc.folder = withTrailingSeparator(withTrailingSeparator(base) + "dravik-sport");
    }
    loc.holdsSuite = folderHoldsSuite(loc.folder);
    return loc;
}

} // namespace dravik
