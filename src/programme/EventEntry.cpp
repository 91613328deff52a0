// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/EventEntry.h"

#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"
#include "programme/Ordering.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <cmath>

namespace dravik {

namespace {

const std::string& genderWord(Language lang, int optGen)
{
    return optGen == 0 ? maleWord(lang) : femaleWord(lang);
}

// The current row when it is a programme row, else 0.
int currentProgrammeRow(const GridModel& grid)
{
    int r = grid.row();
    return r >= 1 && r < grid.rows() ? r : 0;
}

std::string nextNumber(const std::string& number)
{
    return formatNumber(textToNumber(number) + 1);
}

// A stored number as a list index; -1 when it is no index at all.
int listIndex(double value)
{
    if (!(value >= 0 && value < 1e6))
        return -1;
    return static_cast<int>(std::nearbyint(value));
}

// The cells that Move data and Complete write from the fields (0 to 9 and 15).
void fieldsIntoCells(const EditorContext& ctx, std::vector<std::string>& cells)
{
    const EventFields& f = ctx.fields;
    ctx.state.currentGender = genderWord(ctx.language, f.optGen);
    cells[pcol::Number] = f.txtNumber;
    cells[pcol::Sub] = f.txtSub;
    cells[pcol::Time] = f.txtTime;
    cells[pcol::Gender] = ctx.state.currentGender;
    cells[pcol::Age] = f.cmbAge.text();
    cells[pcol::Event] = f.events.itemText();
    cells[pcol::Level] = f.cmbLevel.text();
    cells[pcol::Point] = f.txtPoint;
    cells[pcol::Position] = "0";
    cells[pcol::Definition] = f.events.tvText();
    cells[pcol::Day] = f.cmbDagn.text();
}

// Level and day of a grid row as the row shows them. Only what the row does not
// carry as a list entry comes from the stored row at its record position, and a
// position with no stored row leaves that field as it is.
void showLevelAndDay(const EditorContext& ctx, const std::vector<std::string>& cells, double position)
{
    EventFields& f = ctx.fields;
    const auto& levels = f.cmbLevel.entries;
    auto level = std::find(levels.begin(), levels.end(), cells[pcol::Level]);
    const auto& days = f.cmbDagn.entries;
    auto day = std::find(days.begin(), days.end(), formatNumber(textToNumber(cells[pcol::Day])));
    if (level != levels.end())
        f.cmbLevel.select(static_cast<int>(level - levels.begin()));
    if (day != days.end())
        f.cmbDagn.select(static_cast<int>(day - days.begin()));
    if (level != levels.end() && day != days.end())
        return;
    if (!ctx.atld40 || position >= 1e9 || !ctx.atld40->moveTo(static_cast<int>(position)))
        return;
    ProgrammeRecord rec = readProgrammeRecord(*ctx.atld40);
    if (level == levels.end())
        f.cmbLevel.select(listIndex(rec.ufvlak));
    int storedDay = listIndex(rec.draws);
    if (day == days.end() && storedDay > 0)
        f.cmbDagn.select(storedDay - 1);
}

// The checks Move data and Complete make before they touch the grid.
EntryResult checkFields(const EditorContext& ctx)
{
    const bool en = isEnglish(ctx.language);
    EntryResult number = checkEventNumber(ctx.fields.txtNumber, en ? "Number" : "Nommer", ctx.language);
    if (!number.ok())
        return number;
    for (auto [col, text] : {std::pair{pcol::Sub, &ctx.fields.txtSub},
                             {pcol::Time, &ctx.fields.txtTime},
                             {pcol::Point, &ctx.fields.txtPoint}}) {
        EntryResult check = checkProgrammeCell(col, *text, ctx.language, 3);
        if (!check.ok())
            return check;
    }
    if (!(textToNumber(ctx.fields.events.tvText()) > 0))
        return en ? EntryResult{"Choose the event from the Event list first.", "No event"}
                  : EntryResult{"Kies eers die item uit die Item lys.", "Geen item"};
    return {};
}

bool sameAge(const std::string& oud, double age)
{
    return isNumericText(oud) && textToNumber(oud) == age;
}

void refillEventList(const EditorContext& ctx)
{
    FillEventList(ctx);
    ctx.fields.events.selectFirst();
}

} // namespace

void fillEventFieldLists(EventFields& fields, Language lang, const MeetingDetails& meeting)
{
    fields.cmbLevel.assign(levelTexts(lang));
    fields.cmbLevel.select(0);
    std::vector<std::string> ages;
    for (int age : ageList(meeting.minAgeIndex, meeting.maxAgeIndex))
        ages.push_back(std::to_string(age));
    fields.cmbAge.assign(std::move(ages));
    fields.cmbAge.select(0);
    fields.cmbDagn.assign({"1", "2", "3"});
    fields.cmbDagn.select(0);
}

void ShowEventFields(const EditorContext& ctx)
{
    int r = currentProgrammeRow(ctx.grid);
    if (r == 0)
        return;
    const std::vector<std::string> cells = ctx.grid.rowCells(r);
    double position = textToNumber(cells[pcol::Position]);
    if (position < 0)
        return;
    EventFields& f = ctx.fields;
    f.txtNumber = cells[pcol::Number];
    f.txtSub = cells[pcol::Sub];
    f.txtTime = cells[pcol::Time];
    f.txtPoint = cells[pcol::Point];
    bool male = cells[pcol::Gender] == maleWord(ctx.language);
    f.optGen = male ? 0 : 1;

    showLevelAndDay(ctx, cells, position);

    ctx.state.currentAge = textToNumber(cells[pcol::Age]);
    for (int i = 0; i < f.cmbAge.count(); ++i) {
        if (textToNumber(f.cmbAge.entries[i]) == ctx.state.currentAge) {
            f.cmbAge.select(i);
            break;
        }
    }

    // Selecting the option counts as its click: the gender shown is also the previous one,
    // so that a later click on the other option refills the list.
    ctx.state.currentGender = genderWord(ctx.language, f.optGen);
    ctx.state.previousGender = ctx.state.currentGender;
    FillEventList(ctx);

    // The row's own event: its definition number, else its name.
    const auto& numbers = f.events.cmbTV();
    const auto& names = f.events.cmbItem();
    auto byNumber = std::find(numbers.begin(), numbers.end(), formatNumber(textToNumber(cells[pcol::Definition])));
    auto byName = std::find(names.begin(), names.end(), cells[pcol::Event]);
    int found = byNumber != numbers.end() ? static_cast<int>(byNumber - numbers.begin())
                : byName != names.end()   ? static_cast<int>(byName - names.begin())
                                          : 0;
    f.events.select(found);

    for (auto& box : f.txtPRek)
        box.clear();
}

void FillEventList(const EditorContext& ctx)
{
    EventList& list = ctx.fields.events;
    list.clear();
    const std::string code = ctx.state.currentGender == maleWord(ctx.language) ? "S" : "M";
    const bool officialOnly = ctx.fields.optAmp == 1;
    const DefinitionList& defs = ctx.reference.definitions;
    for (int i = 0; i < defs.count(); ++i) {
        const EventDefinition& def = defs.at(i);
        if (def.sm != code || !sameAge(def.oud, ctx.state.currentAge))
            continue;
        if (!ctx.reference.catalogue.contains(def.besk))
            continue;
        if (officialOnly && def.amp != "J")
            continue;
        list.add(ctx.reference.eventName(i, isEnglish(ctx.language), true), formatNumber(def.nommer));
    }
}

void newEvent(const EditorContext& ctx)
{
    ctx.session.ProgrammeChanged = true;
    if (ctx.state.adding())
        return;
    ctx.state.mode = EditingMode::Adding;
    ctx.state.move.clear();

    EditorPanels& p = ctx.fields.panels;
    p.fraHerN = false;
    p.fraMoveEnd = false;
    p.fraNuut = true;
    p.fraData = true;
    p.fraAction = false;

    EventFields& f = ctx.fields;
    GridModel& grid = ctx.grid;
    if (grid.rows() > 1) {
        int last = grid.rows() - 1;
        grid.setCurrent(last, grid.col());
        ShowEventFields(ctx);
        f.txtNumber = nextNumber(grid.cell(last, pcol::Number));
        f.txtSub.clear();
    } else {
        f.txtNumber = "1";
        f.txtSub.clear();
        f.txtTime = "08:00";
        f.txtPoint.clear();
        f.optGen = 0;
        f.cmbLevel.select(0);
        f.cmbDagn.select(0);
        f.cmbAge.select(0);
        // The age the list shows; it is the meeting's lowest age for every meeting
        // whose age list starts at or below 25.
        if (!f.cmbAge.empty())
            ctx.state.currentAge = textToNumber(f.cmbAge.entries[0]);
        ctx.state.currentGender = maleWord(ctx.language);
        ctx.state.previousGender = ctx.state.currentGender;
        refillEventList(ctx);
    }
    p.fraPRek = ctx.state.activeRecordSets > 0;
}

EntryResult moveDataToProgramme(const EditorContext& ctx)
{
    EntryResult check = checkFields(ctx);
    if (!check.ok())
        return check;
    ctx.state.move.clear();
    ctx.session.ProgrammeChanged = true;

    std::vector<std::string> cells(pcol::Count);
    cells[pcol::Entry] = " ";
    cells[pcol::HE] = "E";
    cells[pcol::Event2] = " ";
    cells[pcol::Wind] = "0";
    cells[pcol::English] = "";
    fieldsIntoCells(ctx, cells);
    ctx.grid.addRow(cells);
    int row = ctx.grid.rows() - 1;
    ctx.grid.setCurrent(row, ctx.grid.col());

    ctx.fields.events.selectFirst();
    ctx.fields.txtNumber = nextNumber(cells[pcol::Number]);
    ctx.fields.txtSub.clear();
    return {};
}

void endNewEvents(const EditorContext& ctx)
{
    ctx.state.endMoves();
    EditorPanels& p = ctx.fields.panels;
    p.fraNuut = false;
    p.fraData = false;
    p.fraHerN = false;
    p.fraPRek = false;
    p.fraAction = true;
    ctx.grid.setCurrent(ctx.grid.rows() - 1, ctx.grid.col());
    if (ctx.state.lastDeletedRow > 0)
        ShowEventFields(ctx);
}

void modifyEvent(const EditorContext& ctx)
{
    ctx.session.ProgrammeChanged = true;
    // The fields may still show what an earlier Complete or Move data left in them.
    ShowEventFields(ctx);
    EditorPanels& p = ctx.fields.panels;
    p.fraData = true;
    p.fraWysig = true;
    p.fraAction = false;
    p.fraPRek = ctx.state.activeRecordSets > 0;
}

EntryResult completeEvent(const EditorContext& ctx)
{
    EntryResult check = checkFields(ctx);
    if (!check.ok())
        return check;
    EditorPanels& p = ctx.fields.panels;
    p.fraWysig = false;
    p.fraAction = true;
    p.fraData = false;
    p.fraPRek = false;

    // With no programme row there is nothing to modify.
    if (int r = currentProgrammeRow(ctx.grid)) {
        std::vector<std::string> cells = ctx.grid.rowCells(r);
        fieldsIntoCells(ctx, cells);
        for (int c : {pcol::Number, pcol::Sub, pcol::Time, pcol::Gender, pcol::Age, pcol::Event, pcol::Level,
                      pcol::Point, pcol::Position, pcol::Definition, pcol::Day})
            ctx.grid.setCell(r, c, cells[c]);
        ctx.session.ProgrammeChanged = true;
    }
    ctx.fields.events.selectFirst();
    return {};
}

void genderClicked(const EditorContext& ctx, int index)
{
    ctx.fields.optGen = index == 0 ? 0 : 1;
    ctx.state.currentGender = genderWord(ctx.language, ctx.fields.optGen);
    if (!ctx.state.adding())
        if (int r = currentProgrammeRow(ctx.grid))
            ctx.grid.setCell(r, pcol::Gender, ctx.state.currentGender);
    if (ctx.state.currentGender != ctx.state.previousGender) {
        refillEventList(ctx);
        ctx.state.previousGender = ctx.state.currentGender;
    }
}

void ageGotFocus(const EditorContext& ctx)
{
    ctx.state.previousAge = textToNumber(ctx.fields.cmbAge.text());
}

void ageLostFocus(const EditorContext& ctx)
{
    ctx.state.currentAge = textToNumber(ctx.fields.cmbAge.text());
    if (ctx.state.currentAge == ctx.state.previousAge)
        return;
    if (!ctx.state.adding())
        if (int r = currentProgrammeRow(ctx.grid))
            ctx.grid.setCell(r, pcol::Age, formatNumber(ctx.state.currentAge));
    refillEventList(ctx);
}

void eventClicked(const EditorContext& ctx, int index)
{
    ctx.fields.events.select(index);
    // The record panel's Save belongs to the event Read looked up.
    ctx.state.recordsFound = false;
    ctx.fields.cmdPRekEnabled = false;
}

void beforeCellChange(const EditorContext& ctx)
{
    if (int r = currentProgrammeRow(ctx.grid)) {
        ctx.state.previousAge = textToNumber(ctx.grid.cell(r, pcol::Age));
        ctx.state.previousGender = ctx.grid.cell(r, pcol::Gender);
    }
}

void afterCellChange(const EditorContext& ctx)
{
    if (int r = currentProgrammeRow(ctx.grid)) {
        if (ctx.grid.col() == pcol::Gender) {
            ctx.fields.optGen = ctx.grid.cell(r, pcol::Gender) == maleWord(ctx.language) ? 0 : 1;
            ctx.state.currentGender = genderWord(ctx.language, ctx.fields.optGen);
        } else if (ctx.grid.col() == pcol::Age) {
            ctx.state.currentAge = textToNumber(ctx.grid.cell(r, pcol::Age));
        }
    }
    ctx.state.recordsFound = false;
    ctx.fields.cmdPRekEnabled = false;
    ShowEventFields(ctx);
}

bool gridClicked(const EditorContext& ctx, int row)
{
    return applyMoveClick(ctx.state.move, ctx.grid, row);
}

} // namespace dravik
