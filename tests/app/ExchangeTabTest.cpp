// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExchangeTab.h"
#include "app/AppTestSupport.h"
#include "exchange/ExchangeGrid.h"
#include "programme/ProgrammeRow.h"
#include "support/WorkbookEdit.h"

#include <QListWidget>

#include <fstream>

using namespace dravik;
using namespace dravik::test;

namespace {

// Read from the programme, export, read the workbook back, change a time and
// write it to the programme: the Compile tab shows the imported programme, unsaved.
// A workbook whose list ends early asks before it replaces the programme.
TEST(ExchangeTabTest, ExportReadBackAndWriteToTheProgramme)
{
    SuiteSession s;
    const auto importFolder = s.dir.path() / "Import";
    std::filesystem::create_directories(importFolder);
    s.exec("Dsd07.mdb",
           "UPDATE Paths SET Import = '" + importFolder.string() + "', Excel = '/nonexistent/', SH = 'calc'");
    ScriptedPrompter& prompter = s.prompter;
    AppSession& session = s.session;
    MainWindow& w = session.start();
    ExchangeTab& tab = w.exchangeTab();
    auto click = [&](const char* name) { test::click(w, name); };
    GridModel& prog = w.programmeGrid();
    const int events = prog.rows() - 1;

    auto* cmdInvoer = child<QAbstractButton>(w, "cmdInvoer");
    EXPECT_FALSE(cmdInvoer->isEnabled()) << "nothing read yet";
    click("cmdProgLees");
    ASSERT_EQ(tab.exchangeGrid().rows(), events + 1);
    EXPECT_TRUE(cmdInvoer->isEnabled());
    child<QLineEdit>(w, "txtUit")->setText("meet.2027.xls");
    prompter.told.clear();
    click("cmdUitvoer");
    EXPECT_EQ(child<QLineEdit>(w, "txtUit")->text(), "meet.xlsx");
    ASSERT_TRUE(std::filesystem::exists(importFolder / "meet.xlsx")) << prompter.told.join("\n").toStdString();

    auto* files = w.findChild<QListWidget*>("filRug");
    auto found = files->findItems("meet.xlsx", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    prompter.told.clear();
    tab.filRug_Click(found[0]->text());
    EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("\n").toStdString();
    ASSERT_EQ(tab.exchangeGrid().rows(), events + 1);

    session.programme.ProgrammeChanged = false;
    click("cmdInvoer");
    EXPECT_TRUE(session.programme.ProgrammeChanged) << "written to the grid, not yet saved";
    ASSERT_EQ(prog.rows(), events + 1);
    EXPECT_EQ(prog.cell(events, pcol::Time), tab.exchangeGrid().cell(events, xcol::Time));

    // A cell the Compile tab would refuse: nothing reaches the programme grid.
    auto* beide = w.findChild<QTableView*>("flxBeide");
    beide->model()->setData(beide->model()->index(1, xcol::Time), "ab:cd");
    const std::string kept = prog.cell(2, pcol::Time);
    prompter.told.clear();
    click("cmdInvoer");
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told.value(0).contains("ab:cd")) << prompter.told.value(0).toStdString();
    EXPECT_EQ(prog.cell(2, pcol::Time), kept);

    // Export over the workbook asks first; No leaves it.
    const auto exported = std::filesystem::last_write_time(importFolder / "meet.xlsx");
    prompter.asked.clear();
    click("cmdUitvoer");
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(std::filesystem::last_write_time(importFolder / "meet.xlsx"), exported);

    // Another program stores the programme meanwhile: Save asks, and No shows what is stored.
    SQLite::Database other(s.dir.folder() + "Dsd00.mdb", SQLite::OPEN_READWRITE);
    other.exec("DELETE FROM Atld40 WHERE rowid = (SELECT max(rowid) FROM Atld40)");
    prompter.asked.clear();
    click("cmdSave");
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prog.rows(), events) << prompter.asked.join("\n").toStdString() << prompter.told.join("\n").toStdString();
    EXPECT_EQ(other.execAndGet("SELECT count(*) FROM Atld40").getInt(), events - 1);

    // A file that is no workbook says so and keeps the exchange grid.
    std::ofstream(importFolder / "broken.xlsx") << "not a workbook";
    prompter.told.clear();
    tab.filRug_Click("broken.xlsx");
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told.value(0).contains("broken.xlsx")) << prompter.told.value(0).toStdString();
    EXPECT_EQ(tab.exchangeGrid().rows(), events + 1);

    // The list ends at a blank number in sheet row 7: Write to Program asks before
    // one event replaces the programme; No keeps the programme grid, Yes writes it.
    test::clearWorkbookCell((importFolder / "meet.xlsx").string(), 7, scol::Number);
    tab.filRug_Click("meet.xlsx");
    ASSERT_EQ(tab.exchangeGrid().rows(), 2);
    prompter.asked.clear();
    prompter.answers = {false, true};
    click("cmdInvoer");
    EXPECT_TRUE(prompter.asked.value(0).contains("sheet row 7,")) << prompter.asked.value(0).toStdString();
    EXPECT_EQ(prog.rows(), events);
    click("cmdInvoer");
    EXPECT_EQ(prog.rows(), 2);

    prompter.told.clear();
    click("cmdEdit");
    EXPECT_EQ(prompter.told.value(0),
              ": Your spreadsheet program is unavailable.  Use the Paths option to correct it.");
    session.exitProgram();
}

} // namespace
