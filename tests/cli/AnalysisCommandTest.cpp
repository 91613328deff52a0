#include "CliTestSupport.h"
#include "data/Schema.h"

#include <cmath>
#include <cstdio>

namespace dravik {
namespace {

// The demo meeting, with the totals counted straight from its tables.
class AnalysisCommand : public ::testing::Test {
protected:
    int count(const std::string& sql) { return std::stoi(test::queryRows(dir.path() / suitefile::Meeting, sql).at(0)); }
    std::string run(const std::string& set, const std::string& order, Language lang = Language::English)
    {
        std::ostringstream out;
        EXPECT_EQ(cli::runAnalysisCommand(dir.folder(), set, order, lang, out), 0);
        return out.str();
    }

    test::DemoSuite dir;
};

TEST_F(AnalysisCommand, TotalsAgreeWithTheTables)
{
    const int events = count("SELECT COUNT(*) FROM Atld40");
    const int athletes = count("SELECT COUNT(*) FROM Atld30");
    const int competitors = count("SELECT SUM((SELECT COUNT(*) FROM Atld37 e WHERE e.Tnom = p.Tabverw) + "
                                  "(SELECT COUNT(*) FROM Atld28 t WHERE t.Tnom = p.Tabverw)) FROM Atld40 p");
    const int withRecords = count("SELECT COUNT(*) FROM Atld40 p WHERE EXISTS (SELECT 1 FROM Atld60 r "
                                  "WHERE r.Verw = 1 AND r.Tnom = p.Tabverw AND r.Rek IS NOT NULL)");
    ASSERT_GT(events, 10);
    ASSERT_GT(athletes, 0);
    ASSERT_GT(withRecords, 0);
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
        {"", "events", Language::English,
         {"Events: " + e, "Athletes: " + a, "Participants: " + p, "Events with records: 0"}},
        {"1", "number", Language::English,
         {"Events: " + e, "Athletes: " + a, "Participants: " + p, "Events with records: " + r,
          "Record set: M (Meeting Records)"}},
        {"1", "events", Language::Afrikaans,
         {"Items: " + e, "Atlete: " + a, "Deelnemers " + p, "Items met rekords: " + r,
          "Rekord stel: M (Meeting Records)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set + " " + c.order);
        const auto out = test::lines(run(c.set, c.order, c.lang));
        ASSERT_EQ(out.size(), c.totals.size() + 2 + events);
        EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + c.totals.size()), c.totals);
        EXPECT_EQ(out[c.totals.size()], "");
        const size_t first = c.totals.size() + 1;
        EXPECT_EQ(test::fields(out[first]).front(), isEnglish(c.lang) ? "Number" : "Nommer");

        int sum = 0, records = 0;
        double previousCount = -1;
        for (size_t i = first + 1; i < out.size(); ++i) {
            const auto f = test::fields(out[i]);
            ASSERT_EQ(f.size(), 9u) << out[i];
            sum += std::stoi(f[5]);
            records += f[6].empty() ? 0 : 1;
            if (c.order == "number") {
                EXPECT_GE(std::stoi(f[5]), previousCount) << out[i];
                previousCount = std::stoi(f[5]);
            }
        }
        EXPECT_EQ(sum, competitors);
        EXPECT_EQ(records, c.set.empty() ? 0 : withRecords);
    }
}

} // namespace
} // namespace dravik
