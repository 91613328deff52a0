// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"

#include <cmath>
#include <cstdio>

namespace dravik {
namespace {

// The totals of the demo meeting against counts read straight from its tables.
TEST(AnalysisCommand, TotalsAgreeWithTheTables)
{
    test::DemoSuite dir;
    auto count = [&](const std::string& sql) { return std::stoi(dir.rows(sql).at(0)); };
    const int events = count("SELECT COUNT(*) FROM Atld40");
    const int athletes = count("SELECT COUNT(*) FROM Atld30");
    const int competitors = count("SELECT SUM((SELECT COUNT(*) FROM Atld37 e WHERE e.Tnom = p.Tabverw) + "
                                  "(SELECT COUNT(*) FROM Atld28 t WHERE t.Tnom = p.Tabverw)) FROM Atld40 p");
    const int withRecords = count("SELECT COUNT(*) FROM Atld40 p WHERE EXISTS (SELECT 1 FROM Atld60 r "
                                  "WHERE r.Verw = 1 AND r.Tnom = p.Tabverw AND r.Rek IS NOT NULL)");
    ASSERT_TRUE(events > 10 && athletes > 0 && withRecords > 0) << events << " " << athletes << " " << withRecords;
    char average[64];
    // One decimal, halves rounded up.
    std::snprintf(average, sizeof average, "(%.1f/Atleet)",
                  std::floor(static_cast<double>(competitors) * 10 / athletes + 0.5) / 10);

    const std::string e = std::to_string(events), a = std::to_string(athletes), r = std::to_string(withRecords),
                      p = std::to_string(competitors) + " " + average;
    struct Case {
        std::string set, order;
        Language lang;
        std::vector<std::string> totals;
    };
    const Case cases[] = {
        {"",
         "events",
         Language::English,
         {"Events: " + e, "Athletes: " + a, "Participants: " + p, "Events with records: 0"}},
        {"1",
         "number",
         Language::English,
         {"Events: " + e, "Athletes: " + a, "Participants: " + p, "Events with records: " + r,
          "Record set: M (Meeting Records)"}},
        {"1",
         "events",
         Language::Afrikaans,
         {"Items: " + e, "Atlete: " + a, "Deelnemers " + p, "Items met rekords: " + r,
          "Rekord stel: M (Meeting Records)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set + " " + c.order);
        std::ostringstream text;
        EXPECT_EQ(cli::runAnalysisCommand(dir.folder(), c.set, c.order, c.lang, text), 0);
        const auto out = test::lines(text.str());
        const size_t header = c.totals.size() + 1;
        ASSERT_EQ(out.size(), header + 1 + events);
        EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + c.totals.size()), c.totals);
        EXPECT_EQ(out[header - 1], "");
        EXPECT_EQ(test::fields(out[header]).front(), isEnglish(c.lang) ? "Number" : "Nommer");
        // By number: the events with fewest competitors first.
        for (size_t i = header + 2; c.order == "number" && i < out.size(); ++i)
            EXPECT_LE(std::stoi(test::fields(out[i - 1]).at(5)), std::stoi(test::fields(out[i]).at(5))) << out[i];
    }
}

} // namespace
} // namespace dravik
