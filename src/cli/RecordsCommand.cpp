// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"
#include "records/RecordSetList.h"

#include <ostream>
#include <stdexcept>

namespace dravik::cli {

namespace {

std::string visibleRowText(const GridModel& grid, int row)
{
    std::string line;
    bool first = true;
    for (int c = 0; c < grid.cols(); ++c) {
        if (grid.colHidden(c))
            continue;
        line += (first ? "" : "\t") + grid.cell(row, c);
        first = false;
    }
    return line;
}

} // namespace

int runRecordsCommand(const std::string& dir, const std::string& setReference, Language lang, std::ostream& out)
{
    auto store = DataStore::open(dir);
    RecordSetList sets = readRecordSetList(store->atld61());
    if (setReference.empty()) {
        for (const RecordSetEntry& s : sets.all)
            out << s.verw << "\t" << s.naam << "\t" << s.simb << "\t" << (s.active ? "A" : "") << "\n";
        return 0;
    }

    auto reference = wholeNumber(setReference);
    if (!reference)
        throw std::invalid_argument("The set reference \"" + setReference + "\" is not a whole number.");
    GridModel flxRekords(setcol::Count);
    fillRecordSetGrid(flxRekords, sets);
    std::optional<RecordSetChoice> chosen;
    std::string known;
    for (int r = 1; r < flxRekords.rows(); ++r) {
        auto set = recordSetAt(flxRekords, r);
        if (set && set->reference == *reference && !chosen)
            chosen = set;
        known += (known.empty() ? "" : ", ") + flxRekords.cell(r, setcol::Verw);
    }
    if (!chosen)
        throw std::invalid_argument("No record set has the reference " + std::to_string(*reference) + " (" +
                                    (known.empty() ? "the meeting has no record sets" : "the sets are " + known) +
                                    ").");

    store->atld00().moveFirst();
    MeetingDetails meeting = LoadMeetingDetails(store->atld00());
    GridModel flxRek;
    DisplayRecordSet(flxRek, *store, meeting, *chosen, lang);
    for (int r = 0; r < flxRek.rows(); ++r)
        out << visibleRowText(flxRek, r) << "\n";
    return 0;
}

} // namespace dravik::cli
