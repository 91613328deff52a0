// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnalysisTab.h"
#include "app/AppTestSupport.h"
#include "app/PrintTab.h"

#include <QLabel>

using namespace dravik;
using namespace dravik::test;

namespace {

// Read Data with and without a displayed record set, the order by competitors,
// and the analysis printout, which needs a Read first.
TEST(AnalysisTabTest, ReadSortAndPrint)
{
    SuiteSession s;
    MainWindow& w = s.session.start();
    auto label = [&](const char* name) { return child<QLabel>(w, name)->text().toStdString(); };

    s.prompter.told.clear();
    click(w, "optDPR(2)");
    click(w, "cmdPView");
    ASSERT_EQ(s.prompter.told.size(), 1) << "nothing read yet";

    click(w, "cmdLees");
    const GridModel& anal = w.analysisTab().analysisGrid();
    EXPECT_EQ(anal.rows(), w.programmeGrid().rows());
    EXPECT_EQ(label("lblItms"), std::to_string(w.programmeGrid().rows() - 1));
    EXPECT_EQ(label("lblRek"), "0") << "no set displayed: no records";

    select(w, "flxRekords", 1);
    click(w, "cmdSLys");
    click(w, "cmdLees");
    EXPECT_NE(label("lblRek"), "0") << "the set displayed on the Records tab";

    click(w, "optAOrde(1)");
    for (int r = 2; r < anal.rows(); ++r)
        ASSERT_LE(std::stoi(anal.cell(r - 1, acol::Athletes)), std::stoi(anal.cell(r, acol::Athletes))) << r;

    s.prompter.told.clear();
    click(w, "cmdPView");
    EXPECT_TRUE(s.prompter.told.isEmpty()) << s.prompter.told.join("\n").toStdString();
    EXPECT_FALSE(w.printTab().document().tables().empty());
    s.session.exitProgram();
}

} // namespace
