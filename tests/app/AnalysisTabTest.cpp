#include "app/AnalysisTab.h"
#include "app/AppSession.h"
#include "app/MainWindow.h"
#include "app/PrintTab.h"
#include "app/ScriptedPrompter.h"
#include "data/SuiteSetup.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTableView>
#include <gtest/gtest.h>

using namespace dravik;

namespace {

// Read Data with and without a displayed record set, the order by competitors,
// and the analysis printout, which needs a Read first.
TEST(AnalysisTabTest, ReadSortAndPrint)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), true);
    test::ScriptedPrompter prompter;
    AppSession session(dir.folder(), prompter);
    MainWindow& w = session.start();
    auto click = [&](const char* name) { w.findChild<QAbstractButton*>(name)->click(); };
    auto label = [&](const char* name) { return w.findChild<QLabel*>(name)->text().toStdString(); };

    prompter.told.clear();
    click("optDPR(2)");
    click("cmdPView");
    ASSERT_EQ(prompter.told.size(), 1) << "nothing read yet";

    click("cmdLees");
    const GridModel& anal = w.analysisTab().analysisGrid();
    EXPECT_EQ(anal.rows(), w.programmeGrid().rows());
    EXPECT_EQ(label("lblItms"), std::to_string(w.programmeGrid().rows() - 1));
    EXPECT_EQ(label("lblRek"), "0") << "no set displayed: no records";
    EXPECT_EQ(label("lblReks"), "");

    auto* sets = w.findChild<QTableView*>("flxRekords");
    sets->setCurrentIndex(sets->model()->index(0, 0));
    click("cmdSLys");
    click("cmdLees");
    EXPECT_NE(label("lblRek"), "0");
    EXPECT_EQ(label("lblReks").rfind("Record set: M (", 0), 0u) << label("lblReks");
    EXPECT_EQ(label("lblGem").front(), '(');

    click("optAOrde(1)");
    for (int r = 2; r < anal.rows(); ++r)
        ASSERT_LE(std::stoi(anal.cell(r - 1, acol::Athletes)), std::stoi(anal.cell(r, acol::Athletes))) << r;

    prompter.told.clear();
    click("cmdPView");
    EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("\n").toStdString();
    EXPECT_FALSE(w.printTab().document().tables().empty());
    session.exitProgram();
}

} // namespace
