#include "generator/ProgrammeTransfer.h"

#include "generator/WorkingList.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

namespace dravik {

std::vector<FieldAssignments> programmeRowsFromWorkingList(const GridModel& flxNLys)
{
    std::vector<FieldAssignments> rows;
    if (flxNLys.cols() < ncol::Count)
        return rows;
    rows.reserve(flxNLys.rows());
    for (int r = 1; r < flxNLys.rows(); ++r) {
        const auto& c = flxNLys.rowCells(r);
        double tabverw = textToNumber(c[ncol::Definition]);
        if (!(tabverw > 0))
            continue;
        double nommer = textToNumber(c[ncol::Number]);
        std::string time = trimmed(c[ncol::Time]);
        rows.push_back({
            {"Tabverw", tabverw},
            {"UFvlak", 0.0},
            {"Nommer", nommer > 0 ? nommer : 1.0},
            {"Tyd", time.empty() ? std::string("00:00") : time},
            {"Punt", " "},
            {"Sub", " "},
            {"Invoer", "0"},
            {"HE", "E"},
            {"Wind", 0.0},
            {"Draws", 1.0},
        });
    }
    return rows;
}

int transferWorkingList(const GridModel& flxNLys, RecordSet& atld40)
{
    auto rows = programmeRowsFromWorkingList(flxNLys);
    atld40.rewriteTable(rows);
    return static_cast<int>(rows.size());
}

} // namespace dravik
