// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecordsTab.h"
#include "app/AppTestSupport.h"
#include "app/PrintTab.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"

#include <QGroupBox>

using namespace dravik;
using namespace dravik::test;

namespace {

class RecordsTabTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { s.setTaal(GetParam()); }
    std::string storedRecord(int set, const std::string& tnom)
    {
        const auto r = s.rows("SELECT Naam || '|' || Rek FROM Atld60 WHERE Verw = " + std::to_string(set) +
                              " AND Tnom = '" + tnom + "'");
        return r.empty() ? "" : r[0];
    }

    SuiteSession s;
    ScriptedPrompter& prompter = s.prompter;
};

// Display a set, change a record, Save, Display again: the change is there and stored.
TEST_P(RecordsTabTest, DisplayEditSaveAndDisplayAgain)
{
    MainWindow& w = s.session.start();
    RecordsTab& tab = w.recordsTab();
    select(w, "flxRekords", 1);
    click(w, "cmdSLys");
    const GridModel& rek = tab.recordGrid();
    ASSERT_TRUE(tab.displayedSet());
    ASSERT_GT(rek.rows(), 10);
    EXPECT_FALSE(w.findChild<QGroupBox*>("fraRek")->isHidden());
    EXPECT_TRUE(w.findChild<QGroupBox*>("fraStel")->isHidden());
    int row = 1;
    while (row < rek.rows() && rek.cell(row, reccol::Key) == "-1")
        ++row;
    ASSERT_LT(row, rek.rows()) << "the demo set has records";
    const std::string tnom = rek.cell(row, reccol::Definition);
    const int set = static_cast<int>(tab.displayedSet()->reference);

    auto* view = child<QTableView>(w, "flxRek");
    view->model()->setData(view->model()->index(row - 1, reccol::Name), "Thandi");
    view->model()->setData(view->model()->index(row - 1, reccol::Record), "12.34");
    click(w, "cmdRStoor");
    EXPECT_FALSE(w.findChild<QGroupBox*>("fraStel")->isHidden()) << prompter.told.join("\n").toStdString();
    EXPECT_EQ(storedRecord(set, tnom), "Thandi|12.34");

    click(w, "cmdSLys");
    EXPECT_EQ(rek.cell(row, reccol::Name), "Thandi");

    // Saving the set list keeps the set the editor shows, for the report and the analysis.
    click(w, "cmdRKies");
    click(w, "cmdRSave");
    ASSERT_TRUE(tab.displayedSet());
    EXPECT_EQ(tab.displayedSet()->reference, set);

    // A record text that is no number is told.
    prompter.told.clear();
    view->model()->setData(view->model()->index(row - 1, reccol::Record), "fast");
    click(w, "cmdRStoor");
    EXPECT_EQ(prompter.told.size(), 1);

    // The records report prints the set shown, with its records, from the Print tab.
    click(w, "optDPR(1)");
    click(w, "cmdPView");
    ASSERT_EQ(w.printTab().document().tables().size(), 1u);
    s.session.exitProgram();
}

// Read in fraPRek finds the current event's record in the chosen set, also after
// the Records tab displayed another set; Save is possible only after a found Read.
TEST_P(RecordsTabTest, RecordOfTheCurrentEventReadAndCorrected)
{
    MainWindow& w = s.session.start();
    select(w, "flxRekords", 2);
    click(w, "cmdSLys"); // another set than the one the Compile tab reads
    GridModel& grid = w.programmeGrid();
    auto* cmbPrekR = child<QComboBox>(w, "cmbPrekR");
    ASSERT_GT(cmbPrekR->count(), 0);
    const int set = cmbPrekR->currentText().toInt();
    int row = 1;
    while (row < grid.rows() && storedRecord(set, grid.cell(row, pcol::Definition)).empty())
        ++row;
    ASSERT_LT(row, grid.rows());
    select(w, "flxProg", row);
    click(w, "cmdWysig");
    auto* cmdPRek = child<QAbstractButton>(w, "cmdPRek");
    EXPECT_FALSE(cmdPRek->isEnabled()) << "no Save before a Read";
    click(w, "cmdPRLees");
    EXPECT_TRUE(cmdPRek->isEnabled());
    auto* name = child<QLineEdit>(w, "txtPRek(0)");
    EXPECT_FALSE(name->text().isEmpty());
    name->setText("Lerato");
    click(w, "cmdPRek");
    EXPECT_EQ(storedRecord(set, grid.cell(row, pcol::Definition)).substr(0, 7), "Lerato|");

    // Another set shown without a Read: Save is gone.
    child<QComboBox>(w, "cmbPRek")->setCurrentIndex(1);
    EXPECT_FALSE(cmdPRek->isEnabled());
    s.session.exitProgram();
}

// Another window saved the set list: No shows what is stored, and the next Save
// asks again when it changes again. A double click marks a set only on its mark.
TEST_P(RecordsTabTest, SetListConflictShowsTheStoredSetsAndDoubleClicksMarkOnTheMarkColumn)
{
    MainWindow& w = s.session.start();
    RecordsTab& tab = w.recordsTab();
    const GridModel& sets = tab.recordSetGrid();
    auto* view = child<QTableView>(w, "flxRekords");
    view->model()->setData(view->model()->index(0, setcol::Naam), "Mine");
    s.exec("Dsd00.mdb", "UPDATE Atld61 SET Naam = 'Theirs' WHERE rowid = 1");

    prompter.answers = {false};
    click(w, "cmdRSave");
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(sets.cell(1, setcol::Naam), "Theirs") << "No shows the stored sets";

    s.exec("Dsd00.mdb", "UPDATE Atld61 SET Naam = 'Theirs again' WHERE rowid = 1");
    view->model()->setData(view->model()->index(0, setcol::Naam), "Mine");
    click(w, "cmdRSave");
    EXPECT_EQ(prompter.asked.size(), 2) << "the next Save asks again";
    EXPECT_EQ(s.rows("SELECT Naam FROM Atld61 WHERE rowid = 1"), std::vector<std::string>{"Theirs again"});

    const std::string mark = sets.cell(1, setcol::Mark);
    emit view->doubleClicked(view->model()->index(0, setcol::Naam));
    EXPECT_EQ(sets.cell(1, setcol::Mark), mark) << "a double click on the name edits the name only";
    emit view->doubleClicked(view->model()->index(0, setcol::Mark));
    EXPECT_NE(sets.cell(1, setcol::Mark), mark);
    s.session.exitProgram();
}

INSTANTIATE_TEST_SUITE_P(BothWindows, RecordsTabTest, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param ? "English" : "Afrikaans"; });

} // namespace
