// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/ProgrammeRow.h"

#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"

#include <cmath>

namespace dravik {

ProgrammeRecord readProgrammeRecord(const RecordSet& rs)
{
    ProgrammeRecord r;
    r.tabverw = rs.numberOr("Tabverw", 0);
    r.ufvlak = rs.numberOr("UFvlak", 0);
    r.wind = rs.numberOr("Wind", 0);
    r.nommer = rs.numberOr("Nommer", 1);
    r.tyd = rs.textOr("Tyd", "00:00");
    r.he = rs.textOr("HE", "E");
    r.invoer = rs.textOr("Invoer", "");
    r.punt = rs.textOr("Punt", "");
    r.sub = rs.textOr("Sub", "");
    r.draws = rs.numberOr("Draws", 1);
    r.position = rs.absolutePosition();
    return r;
}

std::string levelText(double ufvlak, Language lang)
{
    const auto& levels = levelTexts(lang);
    double rounded = std::nearbyint(ufvlak);
    if (rounded >= 0 && rounded < static_cast<double>(levels.size()))
        return levels[static_cast<size_t>(rounded)];
    return formatNumber(ufvlak);
}

std::vector<std::string> buildProgrammeRow(const ProgrammeRecord& rec, const EventReference& ref, Language lang)
{
    int i = ref.definitions.find(rec.tabverw);
    const EventDefinition& def = ref.definitions.at(i);
    std::string name = ref.eventName(i, isEnglish(lang), true);
    std::vector<std::string> cells(pcol::Count);
    cells[pcol::Number] = formatNumber(rec.nommer);
    cells[pcol::Sub] = rec.sub;
    cells[pcol::Time] = rec.tyd;
    cells[pcol::Gender] = def.isMale() ? maleWord(lang) : femaleWord(lang);
    cells[pcol::Age] = def.oud;
    cells[pcol::Event] = name;
    cells[pcol::Level] = levelText(rec.ufvlak, lang);
    cells[pcol::Point] = rec.punt;
    cells[pcol::Position] = std::to_string(rec.position);
    cells[pcol::Definition] = formatNumber(rec.tabverw);
    cells[pcol::Entry] = rec.invoer;
    cells[pcol::HE] = rec.he;
    cells[pcol::Event2] = name;
    cells[pcol::Wind] = formatNumber(rec.wind);
    cells[pcol::English] = ref.eventName(i, true, false);
    cells[pcol::Day] = formatNumber(rec.draws);
    return cells;
}

const std::vector<std::string>& programmeHeader(Language lang)
{
    static const std::vector<std::string> en = {"No",     "Sub",   "Time",   "Gender",  "Age",    "Event",
                                                "Level",  "Where", "Rekord", "TabVerw", "Invoer", "HE",
                                                "Item 2", "Wind",  "Eng",    "Day"};
    static const std::vector<std::string> af = {"No",     "Sub",  "Tyd",    "Geslag",  "Oud",    "Item",
                                                "Vlak",   "Waar", "Rekord", "TabVerw", "Invoer", "HE",
                                                "Item 2", "Wind", "Eng",    "Dag"};
    return isEnglish(lang) ? en : af;
}

void setupProgrammeGrid(GridModel& grid, Language lang)
{
    static const int widths[pcol::Count] = {540, 405, 630, 885, 480, 1500, 1080, 600,
                                            690, 825, 615, 465, 960, 960,  795,  435};
    grid.setCols(pcol::Count);
    grid.setRows(1);
    grid.setHeader(programmeHeader(lang));
    for (int c = 0; c < pcol::Count; ++c) {
        grid.setColWidth(c, widths[c]);
        grid.setColHidden(c, c >= pcol::Position && c <= pcol::English);
    }
}

int loadProgrammeGrid(RecordSet& atld40, const EventReference& ref, Language lang, GridModel& grid)
{
    grid.beginUpdate();
    grid.setRows(1);
    for (atld40.moveFirst(); !atld40.eof(); atld40.moveNext())
        grid.addRow(buildProgrammeRow(readProgrammeRecord(atld40), ref, lang));
    if (grid.rows() > 1)
        grid.setCurrent(1, grid.col());
    grid.endUpdate();
    return grid.rows() - 1;
}

} // namespace dravik
