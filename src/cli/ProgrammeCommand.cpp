// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"

#include <ostream>

namespace dravik::cli {

int runProgrammeCommand(const std::string& dir, Language lang, std::ostream& out)
{
    auto store = DataStore::open(dir);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    GridModel grid;
    setupProgrammeGrid(grid, lang);
    loadProgrammeGrid(store->atld40(), ref, lang, grid);
    for (int r = 0; r < grid.rows(); ++r)
        out << grid.rowText(r) << "\n";
    return 0;
}

} // namespace dravik::cli
