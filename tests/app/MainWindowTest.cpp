// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppTestSupport.h"
#include "app/GeneratorTab.h"
#include "app/ProgrammeTab.h"
#include "programme/ProgrammeRow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include <fstream>

using namespace dravik;

using namespace dravik::test;

namespace {

// An empty suite with a two-day meeting of two stored rows and stand-ins for
// the word processor and spreadsheet program.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* f : {"writer", "calc"})
            std::ofstream(s.dir.path() / f) << "#!/bin/sh\n";
        s.exec("Dsd07.mdb", "UPDATE Paths SET Word = '" + s.dir.folder() + "', WP = 'writer', Excel = '" +
                                s.dir.folder() + "', SH = 'calc'");
        SQLite::Database standard(s.dir.folder() + "Dsd11.mdb");
        const std::string d =
            standard.execAndGet("SELECT Nommer FROM Atld10 ORDER BY Oud, SM, besk LIMIT 1").getString();
        s.exec("Dsd00.mdb", "UPDATE Atld00 SET Opm = 'Spring Meeting', Plek = 'Park', Datum = '2027-03-11', Dae = 2");
        s.exec("Dsd00.mdb", "INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, Punt, Invoer, HE, Wind, Draws) "
                            "VALUES (" +
                                d + ", 4, 2, ' ', '08:10', '   ', '', 'E', 0, 1), (" + d +
                                ", 0, 1, ' ', '08:00', '   ', '', 'E', 0, 1)");
    }
    std::string storedNumbers()
    {
        return s.rows("SELECT group_concat(Nommer, ',') FROM (SELECT Nommer FROM Atld40 ORDER BY rowid)").at(0);
    }

    SuiteSession s{false};
    ScriptedPrompter& prompter = s.prompter;
};

TEST_F(MainWindowTest, EnglishWindowLoadsSavesSwitchesAndExits)
{
    AppSession& session = s.session;
    MainWindow& en = session.start();
    ASSERT_EQ(en.objectName(), "frmEng2");
    EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("\n").toStdString();
    EXPECT_EQ(child<QLabel>(en, "lblMeet")->text(), "Spring Meeting, Park - 11/03/2027");
    GridModel& grid = en.programmeGrid();
    ASSERT_EQ(grid.rows(), 3);
    EXPECT_FALSE(child<QComboBox>(en, "cmbDagn")->isHidden()) << "a two-day meeting shows the day";

    // Save writes the grid back and says so; Reload shows the stored rows again.
    grid.setCell(1, pcol::Number, "5");
    click(en, "cmdSave");
    EXPECT_EQ(prompter.told.value(0), "Save completed: Current data was saved.");
    EXPECT_EQ(storedNumbers(), "5.0,2.0");
    grid.setCell(1, pcol::Number, "77");
    click(en, "cmdHerlees");
    EXPECT_EQ(grid.cell(1, pcol::Number), "5");

    // With unsaved changes the switch asks first; No keeps the window.
    session.programme.ProgrammeChanged = true;
    prompter.answers = {false, true};
    click(en, "cmdAE");
    EXPECT_EQ(prompter.asked.value(0), "Program modifications.: Changes was made without using Save, Ignore it?");
    EXPECT_TRUE(en.isVisible());
    click(en, "cmdAE");
    MainWindow* af = session.existingWindow(Language::Afrikaans);
    ASSERT_NE(af, nullptr);
    EXPECT_TRUE(af->isVisible() && !en.isVisible());
    EXPECT_EQ(session.languageFlag, 0);
    EXPECT_FALSE(session.programme.ProgrammeChanged) << "the activation clears the flag";
    EXPECT_EQ(af->programmeGrid().cell(1, pcol::Level), "Finaal");

    // The title-bar close is Exit with its question: No keeps the program running.
    session.programme.ProgrammeChanged = true;
    prompter.answers = {false, true};
    af->close();
    EXPECT_TRUE(af->isVisible());
    EXPECT_FALSE(session.exiting());
    click(*af, "cmdEinde");
    EXPECT_TRUE(session.exiting());
    EXPECT_FALSE(af->isVisible());
}

TEST_F(MainWindowTest, AfrikaansWindowAndMissingProgramMessages)
{
    s.setTaal(0);
    s.exec("Dsd07.mdb", "UPDATE Paths SET WP = 'no-such-writer'");
    AppSession& session = s.session;
    MainWindow& af = session.start();
    EXPECT_EQ(af.objectName(), "frmAfr2");
    // Each window's load reports a missing word processor twice; both windows are loaded.
    EXPECT_EQ(prompter.told.size(), 4) << prompter.told.join("\n").toStdString();
    EXPECT_TRUE(prompter.told.value(0).endsWith("Please set the path to your word/spreadsheet processor."));
    session.exitProgram();
}

// Each editor button reads the fields into the grid and shows them again.
TEST_F(MainWindowTest, EditorWalkChangesTheGridAndTheFlag)
{
    AppSession& session = s.session;
    MainWindow& en = session.start();
    GridModel& grid = en.programmeGrid();
    auto* txtTime = child<QLineEdit>(en, "txtTime");
    auto* cmbItem = child<QComboBox>(en, "cmbItem");
    auto* cmbTV = child<QComboBox>(en, "cmbTV");

    click(en, "cmdAdd");
    EXPECT_TRUE(session.programme.ProgrammeChanged);
    EXPECT_EQ(txtTime->text(), "08:10") << "the fields of the last row stay";
    txtTime->setText("09:15");
    click(en, "cmdUpdate");
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.cell(3, pcol::Time), "09:15");
    EXPECT_EQ(grid.cell(3, pcol::Definition), cmbTV->itemText(cmbTV->currentIndex()).toStdString());
    click(en, "cmdCancel");
    EXPECT_FALSE(child<QFrame>(en, "fraAction")->isHidden());

    grid.setCurrent(1, 0);
    click(en, "cmdWysig");
    txtTime->setText("07:45");
    click(en, "cmdVoltooi");
    EXPECT_EQ(grid.cell(1, pcol::Time), "07:45");

    prompter.answers = {true};
    click(en, "cmdDelete");
    EXPECT_EQ(grid.rows(), 3);

    // Choosing an age from the drop-down: the popup takes the focus and gives it
    // back; leaving the list writes the age into the current row.
    auto* cmbAge = child<QComboBox>(en, "cmbAge");
    auto focus = [&](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent e(type, reason);
        QApplication::sendEvent(cmbAge, &e);
    };
    grid.setCurrent(1, 0);
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    focus(QEvent::FocusOut, Qt::PopupFocusReason);
    cmbAge->setCurrentIndex(cmbAge->findText("17"));
    focus(QEvent::FocusIn, Qt::PopupFocusReason);
    focus(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(grid.cell(1, pcol::Age), "17");
    EXPECT_EQ(cmbItem->currentIndex(), cmbTV->currentIndex());

    // Typing into the grid: a refused time is told, a good one is a change.
    session.programme.ProgrammeChanged = false;
    QAbstractItemModel* view = child<QTableView>(en, "flxProg")->model();
    const qsizetype told = prompter.told.size();
    EXPECT_FALSE(view->setData(view->index(0, pcol::Time), "ab:cd"));
    EXPECT_EQ(prompter.told.size(), told + 1);
    EXPECT_TRUE(view->setData(view->index(0, pcol::Time), "06:30"));
    EXPECT_TRUE(session.programme.ProgrammeChanged);

    click(en, "cmdSave");
    EXPECT_FALSE(session.programme.ProgrammeChanged);
    click(en, "cmdClear");
    EXPECT_EQ(grid.rows(), 1);
    const qsizetype questions = prompter.asked.size();
    click(en, "cmdEinde");
    EXPECT_EQ(prompter.asked.size(), questions) << "nothing unsaved: Exit does not ask";
    EXPECT_TRUE(session.exiting());
}

// On the demo meeting: a day-2 event keeps its level and day through Modify and
// Complete; Move, Save and a second activation; then the generator tab.
TEST(DemoWindowTest, ModifyAndCompleteKeepTheRowsLevelAndDayAndTheGeneratorTab)
{
    SuiteSession s;
    ScriptedPrompter& prompter = s.prompter;
    AppSession& session = s.session;
    MainWindow& w = session.start();
    GridModel& grid = w.programmeGrid();
    auto* view = child<QTableView>(w, "flxProg");
    int first = 1;
    while (first < grid.rows() && grid.cell(first, pcol::Day) != "2")
        ++first;
    ASSERT_LT(first, grid.rows());
    const std::vector<std::string> before = grid.rowCells(first);
    select(w, "flxProg", first);
    click(w, "cmdWysig");
    EXPECT_EQ(child<QComboBox>(w, "cmbLevel")->currentText().toStdString(), before[pcol::Level]);
    EXPECT_EQ(child<QComboBox>(w, "cmbDagn")->currentText(), "2");
    click(w, "cmdVoltooi");
    for (int col : {pcol::Level, pcol::Day, pcol::Definition, pcol::Event})
        EXPECT_EQ(grid.cell(first, col), before[col]) << "column " << col;

    // Move Event(s) keeps the current row; Save ends a move in progress.
    select(w, "flxProg", 40);
    click(w, "cmdMove");
    EXPECT_EQ(view->currentIndex().row(), 39);
    EXPECT_EQ(grid.row(), 40);
    click(w, "cmdSave");
    EXPECT_FALSE(w.programmeTab().editorState().move.armed);
    EXPECT_FALSE(child<QFrame>(w, "fraAction")->isHidden());

    // A second activation fills every list afresh, without doubled entries.
    for (const char* name : {"cmbLevel", "cmbDagn", "cmbDDae", "cmbFont", "cmbPRek", "cmbIRek"}) {
        auto* list = child<QComboBox>(w, name);
        const int count = list->count();
        w.activate();
        EXPECT_EQ(list->count(), count) << name;
    }

    // The generator tab: read, create, a refused start time, transfer over unsaved edits, clean start.
    prompter.told.clear();
    prompter.asked.clear();
    auto* list = child<QTableView>(w, "flxNLys");
    auto* matrix = child<QTableView>(w, "flxNitems");
    w.generatorTab().cmdNProg_Click(0); // Lees Items
    ASSERT_FALSE(list->isHidden());
    EXPECT_TRUE(matrix->isHidden());
    const int events = list->model()->rowCount();
    ASSERT_GT(events, 10);
    w.generatorTab().cmdNProg_Click(2); // Skep Program
    EXPECT_EQ(list->model()->index(0, 5).data().toString(), "08:00");
    child<QLineEdit>(w, "txtBeg")->setText("9x:00");
    w.generatorTab().cmdNProg_Click(2);
    ASSERT_EQ(prompter.told.size(), 1) << "a bad start time is told";

    // Dra oor over unsaved edits asks first; No keeps the grid.
    session.programme.ProgrammeChanged = true;
    const int rows = grid.rows();
    prompter.answers = {false, true};
    w.generatorTab().cmdNProg_Click(3);
    EXPECT_EQ(prompter.asked.value(0), "Program modifications.: Changes was made without using Save, Ignore it?");
    EXPECT_EQ(grid.rows(), rows);
    w.generatorTab().cmdNProg_Click(3); // Dra oor: the editor shows the new programme at once
    EXPECT_FALSE(session.programme.ProgrammeChanged) << "the grid shows what is stored";
    EXPECT_EQ(prompter.told.value(1), "Save completed.: Current data was saved.");
    ASSERT_EQ(grid.rows(), events + 1);
    EXPECT_EQ(grid.cell(1, pcol::Time), "08:00");

    child<QRadioButton>(w, "optNoud(1)")->setChecked(true);
    w.generatorTab().cmdNProg_Click(4); // Begin skoon
    EXPECT_TRUE(list->isHidden());
    EXPECT_EQ(matrix->model()->rowCount(), 10);
    session.exitProgram();
}

} // namespace
