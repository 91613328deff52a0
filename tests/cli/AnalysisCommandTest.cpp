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
    struct Case {
        std::string set, order;
        Language lang;
        std::vector<std::string> totals; // the start of each line
    };
    const Case cases[] = {
        {"", "events", Language::English, {"Events: ", "Athletes: ", "Participants: ", "Events with records: 0"}},
        {"1",
         "number",
         Language::English,
         {"Events: ", "Athletes: ", "Participants: ", "Events with records: ", "Record set: M (Meeting Records)"}},
        {"1",
         "events",
         Language::Afrikaans,
         {"Items: ", "Atlete: ", "Deelnemers ", "Items met rekords: ", "Rekord stel: M (Meeting Records)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set + " " + c.order);
        std::ostringstream text;
        EXPECT_EQ(cli::runAnalysisCommand(dir.folder(), c.set, c.order, c.lang, text), 0);
        const auto out = test::lines(text.str());
        const size_t header = c.totals.size() + 1;
        ASSERT_EQ(out.size(), header + 1 + events);
        for (size_t i = 0; i < c.totals.size(); ++i)
            EXPECT_EQ(out[i].rfind(c.totals[i], 0), 0u) << out[i];
        EXPECT_NE(out[2].find("/Atleet)"), std::string::npos) << out[2];
        EXPECT_EQ(out[header - 1], "");
        EXPECT_EQ(test::fields(out[header]).front(), isEnglish(c.lang) ? "Number" : "Nommer");
        // By number: the events with fewest competitors first.
        for (size_t i = header + 2; c.order == "number" && i < out.size(); ++i)
            EXPECT_LE(std::stoi(test::fields(out[i - 1]).at(5)), std::stoi(test::fields(out[i]).at(5))) << out[i];
    }
}

} // namespace
} // namespace dravik
