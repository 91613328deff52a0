// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppTestSupport.h"
#include "app/GeneratorTab.h"
#include "app/ProgrammeTab.h"
#include "programme/ProgrammeRow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

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
    EXPECT_EQ(grid.cell(1, pcol::Number), "1") << "table order: Draws, Nommer, Sub";
    EXPECT_EQ(grid.cell(2, pcol::Level), "Heat");
    EXPECT_FALSE(child<QComboBox>(en, "cmbDagn")->isHidden()) << "a two-day meeting shows the day";

    // Save writes the grid back in grid order and says so.
    grid.setCell(1, pcol::Number, "5");
    QTest::mouseClick(child<QPushButton>(en, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(prompter.told.value(0), "Save completed: Current data was saved.");
    EXPECT_EQ(storedNumbers(), "5.0,2.0");

    // Reload shows the stored rows again in the order of the open set.
    grid.setCell(1, pcol::Number, "77");
    QTest::mouseClick(child<QPushButton>(en, "cmdHerlees"), Qt::LeftButton);
    EXPECT_EQ(grid.cell(1, pcol::Number), "5");

    // With unsaved changes the switch asks first; No keeps the window.
    session.programme.ProgrammeChanged = true;
    prompter.answers = {false};
    QTest::mouseClick(child<QPushButton>(en, "cmdAE"), Qt::LeftButton);
    EXPECT_EQ(prompter.asked.value(0), "Program modifications.: Changes was made without using Save, Ignore it?");
    EXPECT_TRUE(en.isVisible());
    prompter.answers = {true};
    QTest::mouseClick(child<QPushButton>(en, "cmdAE"), Qt::LeftButton);
    MainWindow* af = session.existingWindow(Language::Afrikaans);
    ASSERT_NE(af, nullptr);
    EXPECT_TRUE(af->isVisible());
    EXPECT_FALSE(en.isVisible());
    EXPECT_EQ(session.languageFlag, 0);
    EXPECT_FALSE(session.programme.ProgrammeChanged) << "the activation clears the flag";
    EXPECT_EQ(af->programmeGrid().cell(1, pcol::Level), "Finaal");
    EXPECT_EQ(af->programmeGrid().cell(2, pcol::Level), "Uitdun");

    // Exit asks only when there are unsaved changes; No keeps the program running.
    session.programme.ProgrammeChanged = true;
    prompter.answers = {false};
    af->close();
    EXPECT_TRUE(af->isVisible()) << "the title-bar close is Exit with its question";
    EXPECT_FALSE(session.exiting());
    prompter.answers = {true};
    QTest::mouseClick(child<QPushButton>(*af, "cmdEinde"), Qt::LeftButton);
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
    std::string gender = af.programmeGrid().cell(1, pcol::Gender);
    EXPECT_TRUE(gender == "Manlik" || gender == "Vroulik") << gender;
    // Each window's load reports a missing word processor twice; both windows are loaded.
    EXPECT_EQ(prompter.told.size(), 4) << prompter.told.join("\n").toStdString();
    EXPECT_TRUE(prompter.told.value(0).endsWith("Please set the path to your word/spreadsheet processor."));
    session.exitProgram();
}

TEST_F(MainWindowTest, EditorWalkChangesTheGridAndTheFlag)
{
    AppSession& session = s.session;
    MainWindow& en = session.start();
    GridModel& grid = en.programmeGrid();
    auto click = [&](const char* name) { QTest::mouseClick(child<QPushButton>(en, name), Qt::LeftButton); };
    auto* txtTime = child<QLineEdit>(en, "txtTime");
    auto* cmbItem = child<QComboBox>(en, "cmbItem");
    auto* cmbTV = child<QComboBox>(en, "cmbTV");

    // New Event appends a row with the fields shown.
    click("cmdAdd");
    EXPECT_TRUE(session.programme.ProgrammeChanged);
    EXPECT_EQ(txtTime->text(), "08:10") << "the fields of the last row stay";
    ASSERT_GT(cmbItem->count(), 0);
    EXPECT_EQ(cmbItem->currentIndex(), cmbTV->currentIndex());
    txtTime->setText("09:15");
    click("cmdUpdate");
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.cell(3, pcol::Number), "3");
    EXPECT_EQ(grid.cell(3, pcol::Time), "09:15");
    EXPECT_EQ(grid.cell(3, pcol::Definition), cmbTV->itemText(cmbTV->currentIndex()).toStdString());
    click("cmdCancel");
    EXPECT_FALSE(child<QFrame>(en, "fraAction")->isHidden());
    EXPECT_EQ(en.programmeTab().editorState().mode, EditingMode::Browsing);

    // Modify and Complete rewrite the current row.
    en.programmeGrid().setCurrent(1, 0);
    click("cmdWysig");
    txtTime->setText("07:45");
    click("cmdVoltooi");
    EXPECT_EQ(grid.cell(grid.row(), pcol::Time), "07:45");

    // Delete asks; No keeps the row, Yes removes it.
    int before = grid.rows();
    prompter.answers = {false};
    click("cmdDelete");
    EXPECT_EQ(grid.rows(), before);
    EXPECT_TRUE(prompter.asked.back().startsWith(" Delete Event : Are you sure that event number "));
    prompter.answers = {true};
    click("cmdDelete");
    EXPECT_EQ(grid.rows(), before - 1);

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

    // Typing into the grid: a bad time is refused, a good one is a change.
    session.programme.ProgrammeChanged = false;
    QAbstractItemModel* view = child<QTableView>(en, "flxProg")->model();
    std::string oldTime = grid.cell(1, pcol::Time);
    size_t told = prompter.told.size();
    EXPECT_FALSE(view->setData(view->index(0, pcol::Time), "ab:cd"));
    EXPECT_EQ(grid.cell(1, pcol::Time), oldTime);
    EXPECT_EQ(prompter.told.size(), told + 1);
    EXPECT_FALSE(session.programme.ProgrammeChanged);
    EXPECT_FALSE(view->flags(view->index(0, pcol::Event)) & Qt::ItemIsEditable);
    EXPECT_TRUE(view->setData(view->index(0, pcol::Time), "06:30"));
    EXPECT_EQ(grid.cell(1, pcol::Time), "06:30");
    EXPECT_TRUE(session.programme.ProgrammeChanged);

    // Save stores the grid; Clear then changes the grid but not the flag.
    click("cmdSave");
    EXPECT_FALSE(session.programme.ProgrammeChanged);
    EXPECT_EQ(storedNumbers().size(), std::string("1.0,3.0").size());
    click("cmdClear");
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_FALSE(session.programme.ProgrammeChanged);
    size_t questions = prompter.asked.size();
    click("cmdEinde");
    EXPECT_EQ(prompter.asked.size(), questions) << "nothing unsaved: Exit does not ask";
    EXPECT_TRUE(session.exiting());
}

TEST_F(MainWindowTest, AnUnreadableTableStopsStartUpWithItsName)
{
    s.exec("Dsd00.mdb",
           "ALTER TABLE Atld61 DROP COLUMN Aktief; INSERT INTO Atld61 (Verw, Naam, Simb) VALUES (1, 'Set', 'S')");
    AppSession& session = s.session;
    try {
        session.start();
        FAIL() << "start-up must stop";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("Aktief"), std::string::npos) << e.what();
    }
}

// On the demo meeting: the first day-2 event keeps its level and day through
// Modify and Complete on it and on the next row, and a Save; then the generator tab.
TEST(DemoWindowTest, ModifyAndCompleteKeepTheRowsLevelAndDayAndTheGeneratorTab)
{
    SuiteSession s;
    ScriptedPrompter& prompter = s.prompter;
    AppSession& session = s.session;
    MainWindow& w = session.start();
    GridModel& grid = w.programmeGrid();
    auto* view = w.findChild<QTableView*>("flxProg");
    auto click = [&](const char* name) { QTest::mouseClick(w.findChild<QPushButton*>(name), Qt::LeftButton); };
    auto select = [&](int row) { view->setCurrentIndex(view->model()->index(row - 1, 0)); };
    int first = 1;
    while (first < grid.rows() && grid.cell(first, pcol::Day) != "2")
        ++first;
    ASSERT_LT(first + 1, grid.rows());
    const std::vector<std::string> before = grid.rowCells(first);

    for (int row : {first, first + 1, first}) {
        select(row);
        click("cmdWysig");
        click("cmdVoltooi");
    }
    select(first);
    click("cmdWysig");
    EXPECT_EQ(w.findChild<QComboBox*>("cmbLevel")->currentText().toStdString(), before[pcol::Level]);
    EXPECT_EQ(w.findChild<QComboBox*>("cmbDagn")->currentText(), "2");
    click("cmdVoltooi");
    click("cmdSave");
    click("cmdHerlees");
    int found = 0;
    for (int r = 1; r < grid.rows() && !found; ++r)
        if (grid.cell(r, pcol::Number) == before[pcol::Number] && grid.cell(r, pcol::Time) == before[pcol::Time] &&
            grid.cell(r, pcol::Day) == before[pcol::Day])
            found = r;
    ASSERT_GT(found, 0);
    for (int col : {pcol::Level, pcol::Day, pcol::Definition, pcol::Event})
        EXPECT_EQ(grid.cell(found, col), before[col]) << "column " << col;

    // Move Event(s) keeps the current row.
    select(40);
    click("cmdMove");
    EXPECT_EQ(view->currentIndex().row(), 39);
    EXPECT_EQ(grid.row(), 40);
    click("cmdMoveEnd");

    // Save ends a move or an entry in progress.
    click("cmdMove");
    ASSERT_TRUE(w.programmeTab().editorState().move.armed);
    click("cmdSave");
    EXPECT_FALSE(w.programmeTab().editorState().move.armed);
    EXPECT_EQ(w.programmeTab().editorState().mode, EditingMode::Browsing);
    EXPECT_FALSE(w.findChild<QFrame*>("fraAction")->isHidden());

    // A second activation fills every list afresh, without doubled entries.
    w.activate();
    for (const char* name : {"cmbLevel", "cmbDagn", "cmbDDae", "cmbFont", "cmbPRek", "cmbIRek"}) {
        auto* list = w.findChild<QComboBox*>(name);
        int count = list->count();
        w.activate();
        EXPECT_EQ(list->count(), count) << name;
    }
    EXPECT_EQ(w.recordSets().activeCount(), w.findChild<QComboBox*>("cmbPRek")->count());

    // The generator tab: read, create twice alike, transfer over unsaved edits, clean start.
    prompter.told.clear();
    prompter.asked.clear();
    w.findChild<QTabWidget*>("tabVoor")->setCurrentIndex(5);
    auto* list = w.findChild<QTableView*>("flxNLys");
    auto* matrix = w.findChild<QTableView*>("flxNitems");
    ASSERT_TRUE(list && matrix);

    w.generatorTab().cmdNProg_Click(0); // Lees Items
    ASSERT_FALSE(list->isHidden());
    EXPECT_TRUE(matrix->isHidden());
    int events = list->model()->rowCount();
    ASSERT_GT(events, 10);

    w.generatorTab().cmdNProg_Click(2); // Skep Program
    auto column = [&](int col) {
        QStringList cells;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            cells << list->model()->index(r, col).data().toString();
        return cells;
    };
    QStringList times = column(5), numbers = column(6);
    EXPECT_EQ(times.value(0), "08:00");
    EXPECT_EQ(numbers.value(events - 1), QString::number(events));
    w.generatorTab().cmdNProg_Click(2); // a second run gives the same programme
    EXPECT_EQ(column(5), times);
    EXPECT_EQ(column(6), numbers);

    w.findChild<QLineEdit*>("txtBeg")->setText("9x:00");
    w.generatorTab().cmdNProg_Click(2);
    EXPECT_EQ(column(5), times) << "a bad start time changes nothing";
    ASSERT_EQ(prompter.told.size(), 1);

    // Dra oor over unsaved edits asks first; No keeps the grid and the stored programme.
    session.programme.ProgrammeChanged = true;
    const int rows = grid.rows();
    prompter.answers = {false};
    w.generatorTab().cmdNProg_Click(3);
    EXPECT_EQ(prompter.asked.value(0), "Program modifications.: Changes was made without using Save, Ignore it?");
    EXPECT_EQ(grid.rows(), rows);
    EXPECT_TRUE(session.programme.ProgrammeChanged);
    prompter.answers = {true};
    w.generatorTab().cmdNProg_Click(3); // Dra oor: the editor shows the new programme at once
    EXPECT_FALSE(session.programme.ProgrammeChanged) << "the grid shows what is stored";
    EXPECT_EQ(prompter.told.value(1), "Save completed.: Current data was saved.");
    ASSERT_EQ(grid.rows(), events + 1);
    EXPECT_EQ(grid.cell(1, pcol::Time), "08:00");
    EXPECT_EQ(grid.cell(events, pcol::Number), std::to_string(events));

    w.findChild<QRadioButton*>("optNoud(1)")->setChecked(true);
    w.generatorTab().cmdNProg_Click(4); // Begin skoon
    EXPECT_TRUE(list->isHidden());
    EXPECT_EQ(matrix->model()->rowCount(), 10);
    session.exitProgram();
}

} // namespace
