#pragma once
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "generator/WorkingList.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>

#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// A meeting database of its own in a temporary folder, with the suite's tables.
class MeetingDatabase {
public:
    MeetingDatabase() : db_(createDatabase(dir_.path() / suitefile::Meeting))
    {
        createTables(*db_, schemaOf(suitefile::Meeting));
    }
    SQLite::Database& db() { return *db_; }

    // `count` entries for the definition tnom, by athletes numbered on from the last.
    void addEntries(int tnom, int count)
    {
        SQLite::Statement st(*db_, "INSERT INTO Atld37 (Nommer, Tnom) VALUES (?, ?)");
        for (int i = 0; i < count; ++i) {
            st.reset();
            st.bind(1, ++athlete_);
            st.bind(2, tnom);
            st.exec();
        }
    }

private:
    TempFolder dir_;
    std::unique_ptr<SQLite::Database> db_;
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

inline std::vector<std::string> column(const GridModel& g, int col)
{
    std::vector<std::string> out;
    for (int r = 1; r < g.rows(); ++r)
        out.push_back(g.cell(r, col));
    return out;
}

} // namespace dravik::test
