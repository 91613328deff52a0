// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ProgrammeTransfer.h"

#include "generator/WorkingList.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"

namespace dravik {

void programmeGridFromWorkingList(const GridModel& flxNLys, Language lang, GridModel& programme)
{
    setupProgrammeGrid(programme, lang);
    if (flxNLys.cols() < ncol::Count)
        return;
    for (int r = 1; r < flxNLys.rows(); ++r) {
        // Every row, so that a refusal names the working list's own row; rows
        // without a definition are not stored.
        const auto& c = flxNLys.rowCells(r);
        std::vector<std::string> cells(pcol::Count);
        cells[pcol::Number] = trimmed(c[ncol::Number]);
        cells[pcol::Time] = trimmed(c[ncol::Time]);
        cells[pcol::Gender] = c[ncol::Gender] == "S" ? maleWord(lang) : femaleWord(lang);
        cells[pcol::Age] = c[ncol::Age];
        cells[pcol::Event] = c[ncol::Event];
        cells[pcol::Level] = levelText(0, lang);
        cells[pcol::Position] = "-1";
        cells[pcol::Definition] = trimmed(c[ncol::Definition]);
        cells[pcol::Entry] = "0";
        cells[pcol::HE] = "E";
        cells[pcol::Wind] = "0";
        cells[pcol::Day] = "1";
        programme.addRow(std::move(cells));
    }
}

int transferWorkingList(const GridModel& flxNLys, Language lang, const ProgrammeRules& rules, RecordSet& atld40)
{
    GridModel programme;
    programmeGridFromWorkingList(flxNLys, lang, programme);
    return saveProgrammeGrid(programme, lang, rules, atld40);
}

} // namespace dravik
