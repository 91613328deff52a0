// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"

namespace dravik {
namespace {

// The totals, the set chosen and the table of the demo meeting in the order and
// language chosen; the numbers themselves are the analysis's own (see its tests).
TEST(AnalysisCommand, PrintsTheTotalsAndTheTableInTheChosenOrder)
{
    test::DemoSuite dir;
    const size_t events = dir.rows("SELECT * FROM Atld40").size();
    std::ostringstream text;
    EXPECT_EQ(cli::runAnalysisCommand(dir.folder(), "1", "number", Language::Afrikaans, text), 0);
    const auto out = test::lines(text.str());
    ASSERT_EQ(out.size(), 7 + events) << "five totals, a blank line, the header, the events";
    EXPECT_EQ(out[4].rfind("Rekord stel: M (Meeting Records)", 0), 0u) << out[4];
    EXPECT_EQ(test::fields(out[6]).front(), "Nommer");
    // By number: the events with fewest competitors first.
    for (size_t i = 8; i < out.size(); ++i)
        EXPECT_LE(std::stoi(test::fields(out[i - 1]).at(5)), std::stoi(test::fields(out[i]).at(5))) << out[i];
}

} // namespace
} // namespace dravik
