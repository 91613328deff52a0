// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/EventEntry.h"

#include "programme/EditorFixture.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::test;
using Texts = std::vector<std::string>;

namespace {

FieldAssignments stored(double tabverw, double level, double number, const char* time, const char* point, double day)
{
    return {{"Tabverw", tabverw}, {"UFvlak", level}, {"Nommer", number}, {"Tyd", time},
            {"Punt", point},      {"Sub", " "},      {"HE", "E"},        {"Draws", day}};
}

} // namespace

TEST(EventEntry, EventListFollowsGenderAgeAndFilter)
{
    struct Case {
        Language lang;
        bool male;
        double age;
        int optAmp;
        Texts names, numbers;
    };
    const Case cases[] = {
        {Language::English, true, 12, 0, {"100 m", "200 m", "Long Jump - Open"}, {"1", "2", "4"}},
        {Language::English, true, 12, 1, {"100 m"}, {"1"}},
        {Language::Afrikaans, true, 12, 0, {"100 m", "200 m", "Verspring - Open"}, {"1", "2", "4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.age) + (c.male ? " male " : " female ") + std::to_string(c.optAmp));
        EditorFixture ed(c.lang);
        ed.state.currentGender = c.male ? maleWord(c.lang) : femaleWord(c.lang);
        ed.state.currentAge = c.age;
        ed.fields.optAmp = c.optAmp;
        ed.fields.events.add("stale", "99");
        FillEventList(ed.ctx());
        EXPECT_EQ(ed.fields.events.cmbItem(), c.names);
        EXPECT_EQ(ed.fields.events.cmbTV(), c.numbers);
    }
}

TEST(EventEntry, NewEventAfterLastRowProposesNextNumberAndMoveDataAppends)
{
    StoredProgramme db({stored(1, 4, 11, "09:00", "", 1), stored(4, 2, 12, "10:30", "B", 2)});
    EditorFixture ed;
    ed.atld40 = db.atld40.get();
    loadProgrammeGrid(*db.atld40, ed.reference, ed.lang, ed.grid);

    newEvent(ed.ctx());
    const EventFields& f = ed.fields;
    EXPECT_TRUE(ed.session.ProgrammeChanged && ed.state.adding());
    EXPECT_EQ(Texts({f.txtNumber, f.txtSub, f.txtTime, f.txtPoint, f.cmbAge.text(), f.events.itemText(),
                     f.events.tvText(), f.cmbLevel.text(), f.cmbDagn.text()}),
              Texts({"13", "", "10:30", "B", "12", "Long Jump - Open", "4", "Semi-Finaal", "2"}));
    EXPECT_TRUE(f.panels.fraNuut && f.panels.fraData);
    EXPECT_FALSE(f.panels.fraAction || f.panels.fraHerN || f.panels.fraMoveEnd || f.panels.fraPRek);
    EXPECT_EQ(ed.grid.rows(), 3);

    ASSERT_TRUE(moveDataToProgramme(ed.ctx()).ok());
    EXPECT_EQ(ed.grid.row(), 3);
    EXPECT_EQ(ed.grid.rowCells(3), Texts({"13", "", "10:30", "Male", "12", "Long Jump - Open", "Semi-Finaal", "B", "0",
                                          "4", " ", "E", " ", "0", "", "2"}));
    EXPECT_EQ(f.txtNumber, "14");
    EXPECT_EQ(f.events.tvText(), "1");
}

TEST(EventEntry, GenderAndAgeChangesWriteTheRowOnlyWhileBrowsing)
{
    for (bool adding : {true, false}) {
        SCOPED_TRACE(adding ? "adding" : "browsing");
        EditorFixture ed;
        ed.add({"1", "", "08:00", "Male", "12", "100 m"});
        ed.grid.setCurrent(1, 0);
        ShowEventFields(ed.ctx());
        ed.state.mode = adding ? EditingMode::Adding : EditingMode::Browsing;

        genderClicked(ed.ctx(), 1);
        EXPECT_EQ(ed.fields.events.cmbTV(), Texts{"5"});
        ageGotFocus(ed.ctx());
        ed.fields.cmbAge.select(1);
        ageLostFocus(ed.ctx());
        EXPECT_EQ(ed.fields.events.cmbTV(), Texts{"7"});
        EXPECT_EQ(ed.fields.events.index(), 0);

        EXPECT_EQ(ed.grid.cell(1, pcol::Gender), adding ? "Male" : "Female");
        EXPECT_EQ(ed.grid.cell(1, pcol::Age), adding ? "12" : "13");
    }
}

// Modify and Complete write the current row. A row shows its own level, day and
// event, whatever its record position points at: Modify and Complete leave "0"
// there, which is the first stored event. A level or day the row does not carry
// comes from that stored row.
TEST(EventEntry, ModifyAndCompleteWriteTheCurrentRowAndKeepEachRowsOwnLevelDayAndEvent)
{
    StoredProgramme db({{{"Tabverw", 5.0}, {"UFvlak", 5.0}, {"Nommer", 1.0}, {"Draws", 3.0}}});
    EditorFixture ed;
    ed.atld40 = db.atld40.get();
    ed.add({"1", "", "08:00", "Male", "12", "100 m", "1", "2"});
    ed.add({"2", "", "08:30", "Male", "12", "100 m", "1", "2"});
    ed.add({"4", "a", "10:00", "Female", "13", "High Jump", "7", ""});
    ed.grid.setCell(2, pcol::Level, "Semi-Finaal");
    ed.grid.setCell(3, pcol::Level, "17"); // a stored level outside the list shows as its number
    ed.grid.setCurrent(1, 0);
    ShowEventFields(ed.ctx());
    ed.state.activeRecordSets = 2;

    modifyEvent(ed.ctx());
    const EditorPanels& p = ed.fields.panels;
    EXPECT_TRUE(ed.session.ProgrammeChanged && p.fraData && p.fraWysig && p.fraPRek && !p.fraAction);
    ed.fields.txtTime = "11:15";
    eventClicked(ed.ctx(), 2);
    ed.fields.cmbLevel.select(4);
    ASSERT_TRUE(completeEvent(ed.ctx()).ok());
    EXPECT_EQ(Texts({ed.grid.cell(1, pcol::Time), ed.grid.cell(2, pcol::Time)}), Texts({"11:15", "08:30"}));
    EXPECT_TRUE(p.fraAction && !p.fraData && !p.fraWysig && !p.fraPRek);

    auto modifyAndComplete = [&](int row) {
        ed.grid.setCurrent(row, 0);
        afterCellChange(ed.ctx());
        modifyEvent(ed.ctx());
        return completeEvent(ed.ctx());
    };
    ASSERT_TRUE(modifyAndComplete(2).ok());
    // The same row twice without a click between: Modify shows the row again.
    ASSERT_TRUE(modifyAndComplete(1).ok());
    modifyEvent(ed.ctx());
    EXPECT_EQ(ed.fields.events.tvText(), "4");
    ASSERT_TRUE(completeEvent(ed.ctx()).ok());

    auto shown = [&](int r) {
        const auto& c = ed.grid.rowCells(r);
        return Texts({c[pcol::Level], c[pcol::Day], c[pcol::Definition], c[pcol::Event]});
    };
    EXPECT_EQ(shown(1), Texts({"Heat", "2", "4", "Long Jump - Open"}));
    EXPECT_EQ(shown(2), Texts({"Semi-Finaal", "2", "1", "100 m"}));

    ed.grid.setCurrent(3, 0);
    ShowEventFields(ed.ctx());
    EXPECT_EQ(Texts({ed.fields.txtNumber, ed.fields.cmbAge.text(), ed.fields.events.tvText()}),
              Texts({"4", "13", "7"}));
    EXPECT_EQ(ed.fields.cmbLevel.index, 5);
    EXPECT_EQ(ed.fields.cmbDagn.index, 2);
}

// Move data and Complete take event numbers from 1 to 9999 and clock times, and
// need an event; a refusal names the field and changes nothing.
TEST(EventEntry, NumbersTimesAndEventsThatCannotBeStoredAreRefused)
{
    // refusal: empty: taken
    struct Case {
        const char* number;
        bool withEvent;
        const char* refusal;
        const char* time = "09:00";
    };
    const std::vector<Case> cases = {
        {" 12 ", true, ""},
        {"9999", true, ""},
        {"abc", true, "\"abc\" in Number"},
        {"0", true, "\"0\" in Number"},
        {"10000", true, "\"10000\" in Number"},
        {"99999999999999999999", true, "in Number"},
        {"", true, "\"\" in Number"},
        {"3", false, "Choose the event"},
        {"3", true, "25:99", "25:99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EditorFixture ed;
        newEvent(ed.ctx());
        if (!c.withEvent)
            ed.fields.events.clear();
        ed.fields.txtNumber = c.number;
        ed.fields.txtTime = c.time;
        EntryResult added = moveDataToProgramme(ed.ctx());
        ASSERT_EQ(added.ok(), std::string(c.refusal).empty()) << added.message;
        EXPECT_NE(added.message.find(c.refusal), std::string::npos) << added.message;
        EXPECT_EQ(ed.grid.rows(), added.ok() ? 2 : 1);

        // Complete refuses the same on a row that is there.
        EditorFixture modify;
        modify.add({"1", "", "08:00", "Male", "12", "100 m"});
        modify.grid.setCurrent(1, 0);
        modifyEvent(modify.ctx());
        if (!c.withEvent)
            modify.fields.events.clear();
        modify.fields.txtNumber = c.number;
        modify.fields.txtTime = c.time;
        EXPECT_EQ(completeEvent(modify.ctx()).ok(), added.ok());
        EXPECT_EQ(modify.grid.cell(1, pcol::Number), added.ok() ? std::string(c.number) : "1");
        EXPECT_EQ(modify.grid.cell(1, pcol::Time), added.ok() ? "09:00" : "08:00");
        EXPECT_EQ(modify.fields.panels.fraWysig, !added.ok());
    }
}

// What a cell of the programme grid takes: what the table stores, typed as the fields take it.
TEST(EventEntry, GridCellsTakeOnlyWhatIsStored)
{
    struct Case {
        int col;
        const char* text;
        int days;
        bool taken;
    };
    // What every road that stores a programme checks is tested with those roads: here sub letters, the
    // days of a shorter meeting and the event column.
    const std::vector<Case> cases = {
        {pcol::Number, "abc", 1, false},   {pcol::Sub, "Z", 1, true},          {pcol::Sub, "7", 1, false},
        {pcol::Sub, "\xc3\xa9", 1, false}, {pcol::Day, "2", 1, false},         {pcol::Day, "0", 2, false},
        {pcol::Day, "x", 2, false},        {pcol::Event, "anything", 1, true},
    };
    for (const Case& c : cases) {
        EntryResult check = checkProgrammeCell(c.col, c.text, Language::English, c.days);
        EXPECT_EQ(check.ok(), c.taken) << "column " << c.col << " \"" << c.text << "\": " << check.message;
    }
}
