// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/SuiteSetup.h"

#include <ostream>

namespace dravik::cli {

int runSetupCommand(const std::string& dir, bool demo, std::ostream& out)
{
    SuiteSetupReport report = createSuiteFolder(dir, demo);
    out << report.summary << "\n";
    return 0;
}

} // namespace dravik::cli
