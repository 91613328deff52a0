// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "generator/HeatSizeTable.h"
#include "generator/WorkingList.h"
#include "platform/RecordSet.h"
#include "support/TestMeeting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravik::test {

// A meeting to read entries from: definitions of kinds 1, 2, 7, 8 and 9 (a
// pole vault, a shot with a note), the standard heat sizes, an empty working list.
struct GeneratorMeeting : ::testing::Test {
    TestMeeting meeting;
    EventReference ref;
    GridModel bane, list;
    int athletes = 0;

    SQLite::Database& db() { return meeting.meetingDb(); }
    // `count` entries for the definition tnom, by athletes numbered on from the last.
    void addEntries(int tnom, int count)
    {
        meeting.addEntries(tnom, count, athletes + 1);
        athletes += count;
    }

    GeneratorMeeting()
    {
        setupHeatSizeTable(bane);
        ref.definitions.assign({{11, 1, "S", "14", "1", "", ""},
                                {12, 1, "M", "14", "1", "", ""},
                                {13, 1, "S", "9", "1", "", ""},
                                {14, 2, "S", "16", "3", "", ""},
                                {15, 7, "S", "14", "4", "", ""},
                                {16, 8, "M", "16", "5", "  4kg ", ""},
                                {17, 7, "S", "16", "6", "", ""},
                                {18, 9, "M", "16", "7", "", ""},
                                {19, 1, "S", "14", "2", "", ""}});
        ref.catalogue.assign({{"1", "100m", ""},
                              {"2", "200m", ""},
                              {"3", "1500m", ""},
                              {"4", "Long Jump", ""},
                              {"5", "Shot Put", ""},
                              {"6", "Pole Vault", "Paalspring"},
                              {"7", "3000m Walk", ""}});
    }
};

// A working list as the estimate leaves it, with the cells the schedule reads;
// the label goes into the event-name column.
struct ListRow {
    std::string label;
    int kind, key;
    double minutes;
};

inline void fillWorkingList(GridModel& flxNLys, const std::vector<ListRow>& rows)
{
    setupWorkingList(flxNLys);
    for (const auto& r : rows) {
        std::vector<std::string> cells(ncol::Count);
        cells[ncol::Event] = r.label;
        cells[ncol::Kind] = std::to_string(r.kind);
        cells[ncol::NameKey] = std::to_string(r.key);
        cells[ncol::Minutes] = formatNumber(r.minutes);
        flxNLys.addRow(cells);
    }
}

} // namespace dravik::test
