// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "generator/GeneratorRun.h"
#include "generator/HeatSizeTable.h"
#include "generator/ProgrammeTransfer.h"
#include "generator/Schedule.h"
#include "generator/WorkingList.h"
#include "platform/GridModel.h"

#include <ostream>

namespace dravik::cli {

int runGenerateCommand(const std::string& dir, const std::string& start, bool apply, std::ostream& out,
                       std::ostream& err)
{
    // Refuse a bad start time before opening anything.
    MeetingClock::parse(start);
    auto store = DataStore::open(dir);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());

    GridModel flxNBane;
    setupHeatSizeTable(flxNBane);
    GridModel flxNLys;
    GeneratorRun run(flxNLys);
    WorkingListSummary summary = run.readItems(store->atld37(), ref, flxNBane);
    if (summary.empty()) {
        out << "There are no entries in the meeting (Atld37 is empty): there is nothing to generate"
            << (apply ? " and the stored programme was left as it is." : ".") << "\n";
        return 0;
    }
    ScheduleReport report = run.createProgramme(start);
    if (!report.warning().empty())
        err << "dravik generate: " << report.warning() << "\n";

    out << "No\tTime\tGender\tAge\tEvent\tEntries\tHeats\tMinutes\n";
    for (int r = 1; r < flxNLys.rows(); ++r) {
        const auto& c = flxNLys.rowCells(r);
        out << c[ncol::Number] << '\t' << c[ncol::Time] << '\t' << c[ncol::Gender] << '\t' << c[ncol::Age] << '\t'
            << c[ncol::Event] << '\t' << c[ncol::Entries] << '\t' << c[ncol::Heats] << '\t' << c[ncol::Minutes] << "\n";
    }
    if (apply) {
        MeetingDetails meeting = LoadMeetingDetails(store->atld00());
        int stored = run.transfer(store->atld40(), Language::English, {meeting.days, ref.definitions});
        out << "Stored " << stored << " programme rows.\n";
        publishAfterSave(*store, Language::English, out);
    }
    return 0;
}

} // namespace dravik::cli
