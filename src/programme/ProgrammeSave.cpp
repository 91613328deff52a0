// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/ProgrammeSave.h"

#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeRowCheck.h"

namespace dravik {

namespace {

double levelIndex(const std::string& text, Language lang, const std::vector<std::string>& row)
{
    const auto& levels = levelTexts(lang);
    for (size_t i = 0; i < levels.size(); ++i)
        if (levels[i] == text)
            return static_cast<double>(i);
    // A stored level outside the list loads as its number; it goes back unchanged.
    if (isNumericText(text))
        return textToNumber(text);
    throw ProgrammeError(
        isEnglish(lang) ? "Event " + row[pcol::Number] + row[pcol::Sub] + " (" + row[pcol::Event] +
                              ") has the level \"" + text + "\", which is not in the level list. Nothing was saved."
                        : "Item " + row[pcol::Number] + row[pcol::Sub] + " (" + row[pcol::Event] + ") het die vlak \"" +
                              text + "\", wat nie in die vlaklys is nie. Niks is gestoor nie.");
}

} // namespace

std::vector<FieldAssignments> programmeRowsToStore(const GridModel& grid, Language lang, const ProgrammeRules& rules)
{
    std::vector<FieldAssignments> rows;
    rows.reserve(grid.rows());
    for (int r = 1; r < grid.rows(); ++r) {
        const auto& c = grid.rowCells(r);
        double tabverw = textToNumber(c[pcol::Definition]);
        if (!(tabverw > 0))
            continue;
        EntryResult check = checkProgrammeRow(c, r, lang, rules.meetingDays, &rules.definitions);
        if (!check.ok())
            throw ProgrammeError(check.message + (isEnglish(lang) ? " Nothing was saved." : " Niks is gestoor nie."));
        // A sub letter or point is stored padded to its width, a blank when empty.
        rows.push_back({
            {"Tabverw", tabverw},
            {"UFvlak", levelIndex(c[pcol::Level], lang, c)},
            {"Nommer", static_cast<double>(*readEventNumber(c[pcol::Number]))},
            {"Tyd", *readEventTime(c[pcol::Time])},
            {"Punt", fixedWidth(trimmed(c[pcol::Point]), 3)},
            {"Sub", fixedWidth(trimmed(c[pcol::Sub]), 1)},
            {"Invoer", c[pcol::Entry]},
            {"HE", std::string(c[pcol::HE] == "H" ? "H" : "E")},
            {"Wind", textToNumber(c[pcol::Wind])},
            {"Draws", static_cast<double>(*readEventDay(c[pcol::Day], rules.meetingDays))},
        });
    }
    return rows;
}

int saveProgrammeGrid(GridModel& grid, Language lang, const ProgrammeRules& rules, RecordSet& atld40,
                      std::optional<std::uint64_t>* loaded)
{
    auto rows = programmeRowsToStore(grid, lang, rules);
    std::uint64_t saved = atld40.rewriteTable(rows, loaded ? *loaded : std::nullopt);
    if (loaded)
        *loaded = saved;
    // The rows went in grid order, skipping those without a definition number.
    int position = 0;
    for (int r = 1; r < grid.rows(); ++r)
        if (textToNumber(grid.cell(r, pcol::Definition)) > 0)
            grid.setCell(r, pcol::Position, std::to_string(position++));
    return static_cast<int>(rows.size());
}

} // namespace dravik
