#include "cli/Commands.h"

#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dravik {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        out.push_back(line.substr(start, tab - start));
    out.push_back(line.substr(start));
    return out;
}

std::string firstBytes(const fs::path& file, std::size_t n)
{
    std::ifstream in(file, std::ios::binary);
    std::string s(n, '\0');
    in.read(s.data(), static_cast<std::streamsize>(n));
    s.resize(static_cast<std::size_t>(in.gcount()));
    return s;
}

// The demo meeting, with the totals counted straight from its tables.
class AnalysisCommand : public ::testing::Test {
protected:
    void SetUp() override { createSuiteFolder(dir.folder(), true); }

    int count(const std::string& sql)
    {
        auto db = openDatabase(dir.path() / suitefile::Meeting);
        SQLite::Statement st(*db, sql);
        st.executeStep();
        return st.getColumn(0).getInt();
    }
    std::string run(const std::string& set, const std::string& order, Language lang = Language::English)
    {
        std::ostringstream out;
        EXPECT_EQ(cli::runAnalysisCommand(dir.folder(), set, order, lang, out), 0);
        return out.str();
    }

    test::TempFolder dir;
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

    struct Case {
        std::string set, order;
        Language lang;
        std::vector<std::string> totals;
    };
    const Case cases[] = {
        {"", "events", Language::English,
         {"Events: " + std::to_string(events), "Athletes: " + std::to_string(athletes),
          "Participants: " + std::to_string(competitors) + " " + average, "Events with records: 0"}},
        {"1", "number", Language::English,
         {"Events: " + std::to_string(events), "Athletes: " + std::to_string(athletes),
          "Participants: " + std::to_string(competitors) + " " + average,
          "Events with records: " + std::to_string(withRecords), "Record set: M (Meeting Records)"}},
        {"1", "events", Language::Afrikaans,
         {"Items: " + std::to_string(events), "Atlete: " + std::to_string(athletes),
          "Deelnemers " + std::to_string(competitors) + " " + average,
          "Items met rekords: " + std::to_string(withRecords), "Rekord stel: M (Meeting Records)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set + " " + c.order);
        const auto out = lines(run(c.set, c.order, c.lang));
        ASSERT_EQ(out.size(), c.totals.size() + 2 + events);
        EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + c.totals.size()), c.totals);
        EXPECT_EQ(out[c.totals.size()], "");
        const size_t first = c.totals.size() + 1;
        EXPECT_EQ(fields(out[first]).front(), isEnglish(c.lang) ? "Number" : "Nommer");

        int sum = 0, records = 0;
        double previousCount = -1;
        for (size_t i = first + 1; i < out.size(); ++i) {
            const auto f = fields(out[i]);
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

TEST_F(AnalysisCommand, PrintWritesThePdfAndAnalyzeOdt)
{
    cli::PrintCommandOptions o;
    o.what = "analysis";
    o.set = "2";
    o.analysisOrder = "number";
    o.pdf = (dir.path() / "analysis.pdf").string();
    std::ostringstream out, err;
    ASSERT_EQ(cli::runPrintCommand(dir.folder(), o, out, err), 0) << err.str();
    EXPECT_EQ(firstBytes(o.pdf, 5), "%PDF-");
    EXPECT_EQ(firstBytes(dir.path() / "Data" / "Analyze.odt", 2), "PK");
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace dravik
