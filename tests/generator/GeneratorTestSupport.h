#pragma once
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "generator/WorkingList.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"
#include "support/TestMeeting.h"

#include <SQLiteCpp/Statement.h>

#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// The test meeting's database, entries added by count.
class MeetingDatabase {
public:
    SQLite::Database& db() { return meeting_.meetingDb(); }
    // `count` entries for the definition tnom, by athletes numbered on from the last.
    void addEntries(int tnom, int count)
    {
        meeting_.addEntries(tnom, count, athlete_ + 1);
        athlete_ += count;
    }

private:
    TestMeeting meeting_;
    int athlete_ = 0;
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
