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
        {Language::English, false, 12, 0, {"100 m"}, {"5"}},
        {Language::English, true, 13, 0, {"100 m"}, {"6"}},
        {Language::English, false, 13, 1, {}, {}},
        {Language::Afrikaans, true, 12, 0, {"100 m", "200 m", "Verspring - Open"}, {"1", "2", "4"}},
        {Language::Afrikaans, false, 13, 0, {"Hoogspring"}, {"7"}},
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
    EXPECT_EQ(f.optGen, 0);
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

TEST(EventEntry, NewEventOnEmptyProgrammeAndASecondNewEvent)
{
    EditorFixture ed;
    ed.state.activeRecordSets = 1;
    EventFields& f = ed.fields;
    f.txtTime = "14:00";
    f.optGen = 1;
    f.cmbLevel.select(3);
    f.cmbDagn.select(2);
    f.cmbAge.select(2);

    newEvent(ed.ctx());
    EXPECT_EQ(Texts({f.txtNumber, f.txtTime, ed.state.currentGender}), Texts({"1", "08:00", "Male"}));
    EXPECT_EQ(f.optGen + f.cmbLevel.index + f.cmbDagn.index + f.cmbAge.index, 0);
    EXPECT_EQ(ed.state.currentAge, 12);
    EXPECT_EQ(f.events.cmbTV(), Texts({"1", "2", "4"}));
    EXPECT_EQ(f.events.index(), 0);
    EXPECT_TRUE(f.panels.fraPRek);

    f.txtNumber = "77";
    ed.session.ProgrammeChanged = false;
    newEvent(ed.ctx());
    EXPECT_TRUE(ed.session.ProgrammeChanged);
    EXPECT_EQ(f.txtNumber, "77");
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

TEST(EventEntry, MovingToAnotherRowShowsItAndAGenderClickRefillsTheList)
{
    EditorFixture ed;
    ed.add({"1", "", "08:00", "Male", "12", "200 m", "2"});
    ed.add({"2", "c", "08:30", "Female", "13", "High Jump", "7"});
    ed.grid.setCurrent(1, 0);
    ShowEventFields(ed.ctx());
    ed.state.recordsFound = ed.fields.cmdPRekEnabled = true;
    ed.fields.txtPRek[4] = "10.5";

    beforeCellChange(ed.ctx());
    EXPECT_EQ(ed.state.previousGender, "Male");
    ed.grid.setCurrent(2, pcol::Gender);
    afterCellChange(ed.ctx());
    EXPECT_FALSE(ed.state.recordsFound || ed.fields.cmdPRekEnabled);
    EXPECT_EQ(Texts({ed.fields.txtSub, ed.fields.txtPRek[4], ed.fields.events.itemText()}),
              Texts({"c", "", "High Jump"}));
    EXPECT_EQ(ed.state.currentAge, 13);

    modifyEvent(ed.ctx());
    genderClicked(ed.ctx(), 0);
    EXPECT_EQ(ed.fields.events.cmbTV(), Texts{"6"});
}

TEST(EventEntry, ModifyAndCompleteWriteTheCurrentRow)
{
    EditorFixture ed;
    ed.add({"1", "", "08:00", "Male", "12", "100 m"});
    ed.add({"2", "", "08:30", "Male", "12", "100 m"});
    ed.grid.setCurrent(1, 0);
    ShowEventFields(ed.ctx());
    ed.state.activeRecordSets = 2;

    modifyEvent(ed.ctx());
    const EditorPanels& p = ed.fields.panels;
    EXPECT_TRUE(ed.session.ProgrammeChanged && p.fraData && p.fraWysig && p.fraPRek);
    EXPECT_FALSE(p.fraAction);

    ed.fields.txtTime = "11:15";
    eventClicked(ed.ctx(), 2);
    ed.fields.cmbLevel.select(4);
    ASSERT_TRUE(completeEvent(ed.ctx()).ok());
    const auto& row = ed.grid.rowCells(1);
    EXPECT_EQ(Texts({row[pcol::Time], row[pcol::Event], row[pcol::Definition], row[pcol::Level]}),
              Texts({"11:15", "Long Jump - Open", "4", "Heat"}));
    EXPECT_EQ(ed.grid.cell(2, pcol::Time), "08:30");
    EXPECT_TRUE(p.fraAction);
    EXPECT_FALSE(p.fraData || p.fraWysig || p.fraPRek);
}

TEST(EventEntry, TimesThatAreNoClockTimesAreRefused)
{
    for (const char* ok : {"00:00", "23:59", "08:30", ""})
        EXPECT_TRUE(checkEventTime(ok, Language::English).ok()) << ok;
    for (const char* bad : {"25:99", "ab:cd", "24:00", "12:60", "8:00", "08.00", " 08:00"})
        EXPECT_NE(checkEventTime(bad, Language::Afrikaans).message.find(bad), std::string::npos) << bad;

    EditorFixture ed;
    newEvent(ed.ctx());
    ed.fields.txtTime = "25:99";
    EXPECT_FALSE(moveDataToProgramme(ed.ctx()).ok());
    EXPECT_EQ(ed.grid.rows(), 1);

    ed.fields.txtTime = "09:00";
    ASSERT_TRUE(moveDataToProgramme(ed.ctx()).ok());
    endNewEvents(ed.ctx());
    modifyEvent(ed.ctx());
    ed.fields.txtTime = "ab:cd";
    EXPECT_FALSE(completeEvent(ed.ctx()).ok());
    EXPECT_EQ(ed.grid.cell(1, pcol::Time), "09:00");
    EXPECT_TRUE(ed.fields.panels.fraWysig);
}

TEST(EventEntry, FieldsOfARowWithoutStoredRowKeepLevelAndDay)
{
    StoredProgramme db;
    EditorFixture ed;
    ed.atld40 = db.atld40.get();
    ed.add({"4", "a", "10:00", "Female", "13", "High Jump", "7", "2"});
    ed.grid.setCell(1, pcol::Position, "3");
    ed.grid.setCurrent(1, 0);
    ed.fields.cmbLevel.select(5);
    ed.fields.cmbDagn.select(2);

    ShowEventFields(ed.ctx());
    EXPECT_EQ(Texts({ed.fields.txtNumber, ed.fields.cmbAge.text(), ed.fields.events.tvText()}),
              Texts({"4", "13", "7"}));
    EXPECT_EQ(ed.fields.cmbLevel.index, 5);
    EXPECT_EQ(ed.fields.cmbDagn.index, 2);
}
