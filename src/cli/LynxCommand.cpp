#include "cli/Commands.h"

#include "data/DataStore.h"
#include "exchange/PhotoFinishFiles.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"

#include <ostream>
#include <stdexcept>

namespace dravik::cli {

int runLynxCommand(const std::string& dir, const std::string& folder, int day, Language lang, std::ostream& out)
{
    if (day < 0 || day > 3)
        throw std::invalid_argument("--day " + std::to_string(day) + " is not a day of the meeting: use 1, 2 or 3.");
    auto store = DataStore::open(dir);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    GridModel grid;
    setupProgrammeGrid(grid, lang);
    loadProgrammeGrid(store->atld40(), ref, lang, grid);
    const PhotoFinishReport done = exportPhotoFinish(grid, ref, *store, lang, day, folder);
    out << "Wrote " << done.races << " races and " << done.competitors
        << " competitors to lynx.evt, lynx.ppl and lynx.sch in \"" << done.folder << "\".\n";
    return 0;
}

} // namespace dravik::cli
