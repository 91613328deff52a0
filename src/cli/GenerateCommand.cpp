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
                       std::ostream& err, Language lang)
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
        if (isEnglish(lang))
            out << "There are no entries in the meeting (Atld37 is empty): there is nothing to generate"
                << (apply ? " and the stored programme was left as it is." : ".") << "\n";
        else
            out << "Die byeenkoms het geen inskrywings nie (Atld37 is leeg): daar is niks om te skep nie"
                << (apply ? " en die gestoorde program is gelaat soos dit is." : ".") << "\n";
        return 0;
    }
    ScheduleReport report = run.createProgramme(start);
    // With --apply the refusal to store says the same.
    if (!report.warning(lang).empty() && !apply)
        err << "dravik generate: " << report.warning(lang) << "\n";

    out << (isEnglish(lang) ? "No\tTime\tGender\tAge\tEvent\tEntries\tHeats\tMinutes\n"
                            : "Nr\tTyd\tGeslag\tOud\tItem\tInskrywings\tLopies\tMinute\n");
    for (int r = 1; r < flxNLys.rows(); ++r) {
        const auto& c = flxNLys.rowCells(r);
        out << c[ncol::Number] << '\t' << c[ncol::Time] << '\t' << c[ncol::Gender] << '\t' << c[ncol::Age] << '\t'
            << c[ncol::Event] << '\t' << c[ncol::Entries] << '\t' << c[ncol::Heats] << '\t' << c[ncol::Minutes] << "\n";
    }
    if (apply) {
        MeetingDetails meeting = LoadMeetingDetails(store->atld00());
        int stored = run.transfer(store->atld40(), lang, {meeting.days, ref.definitions});
        if (isEnglish(lang))
            out << "Stored " << stored << " programme rows.\n";
        else
            out << stored << " programrye is gestoor.\n";
        publishAfterSave(*store, lang, out);
    }
    return 0;
}

} // namespace dravik::cli
