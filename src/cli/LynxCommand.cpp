// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "exchange/PhotoFinishFiles.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"

#include <ostream>
#include <stdexcept>

namespace dravik::cli {

int runLynxCommand(const std::string& dir, const LynxCommandOptions& options, Language lang, std::ostream& out)
{
    if (options.day < 0 || options.day > 3)
        throw std::invalid_argument("--day " + std::to_string(options.day) +
                                    " is not a day of the meeting: use 1, 2 or 3.");
    if (options.dayOffset < 0 || options.dayOffset > kMaxDayOffset)
        throw std::invalid_argument("--day-offset " + std::to_string(options.dayOffset) +
                                    ": use a number from 1 to 45000 (0 for none).");
    PhotoFinishEncoding encoding = PhotoFinishEncoding::Windows1252;
    if (options.encoding == "utf-8")
        encoding = PhotoFinishEncoding::Utf8;
    else if (options.encoding != "windows-1252")
        throw std::invalid_argument("Unknown --encoding \"" + options.encoding + "\": use windows-1252 or utf-8.");
    auto store = DataStore::open(dir);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    GridModel grid;
    setupProgrammeGrid(grid, lang);
    loadProgrammeGrid(store->atld40(), ref, lang, grid);
    const PhotoFinishReport done = exportPhotoFinish(grid, ref, *store, lang, {options.day, options.dayOffset},
                                                     options.folder, encoding);
    out << "Wrote " << done.races << " races and " << done.competitors
        << " competitors to lynx.evt, lynx.ppl and lynx.sch in \"" << done.folder << "\".\n";
    return 0;
}

} // namespace dravik::cli
