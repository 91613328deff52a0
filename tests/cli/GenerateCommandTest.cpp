// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"
#include "data/Schema.h"
#include "generator/GeneratorError.h"

namespace dravik {
namespace {

using Rows = std::vector<std::string>;

// A suite whose standard tables hold only a 100m, a 200m and a long jump, so that
// the test does not depend on the standard event list; one programme row is stored.
class GenerateSuite : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.clearStandardEvents();
        openDatabase(m.path() / suitefile::Further)->exec("DELETE FROM Atld18; DELETE FROM Atld19");
        m.addEvent(21, 1, "S", 14, 1, "100m");
        m.addEvent(22, 1, "M", 16, 2, "200m");
        m.addEvent(25, 7, "S", 14, 5, "Long Jump");
        m.addStoredRow(99, 1, "07:00");
    }
    void entries(const std::vector<std::pair<int, int>>& perDefinition)
    {
        m.exec("DELETE FROM Atld37", {});
        int athlete = 1;
        for (auto [tnom, count] : perDefinition)
            m.addEntries(tnom, count, (athlete += count) - count);
    }
    Rows stored() { return m.rows("SELECT Tabverw, Nommer, Tyd FROM Atld40 ORDER BY rowid"); }

    test::TestMeeting m;
};

// The list is too short to hold the round count in its third row: it is
// numbered from the summary of the estimate, as the window does, the long
// jump's round first.
const char* const kExpected = "No\tTime\tGender\tAge\tEvent\tEntries\tHeats\tMinutes\n"
                              "1\t08:00\tS\t14\tLong Jump\t1\t1\t15\n"
                              "2\t08:00\tS\t14\t100m\t100\t11\t22\n";

TEST_F(GenerateSuite, PrintsTheTimedProgrammeAndStoresItWithApply)
{
    entries({{21, 100}, {25, 1}});
    std::ostringstream dry, err;
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "08:00", false, dry, err), 0);
    EXPECT_EQ(dry.str(), kExpected);
    EXPECT_EQ(stored(), Rows{"99.0|1.0|07:00"});

    std::ostringstream applied;
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "08:00", true, applied), 0);
    EXPECT_EQ(applied.str(), std::string(kExpected) + "Stored 2 programme rows.\n");
    EXPECT_EQ(stored(), (Rows{"25.0|1.0|08:00", "21.0|2.0|08:00"}));

    // The 200m after 22 minutes of 100m heats would start past midnight.
    entries({{21, 100}, {22, 8}});
    std::ostringstream late;
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "23:50", false, late, err), 0);
    EXPECT_NE(err.str().find("runs past 23:59: row "), std::string::npos) << err.str();

    // Stored, such a schedule would not survive its own export: --apply stores nothing.
    const auto before = stored();
    std::ostringstream refused, said;
    EXPECT_THROW(cli::runGenerateCommand(m.folder(), "23:50", true, refused, said, Language::Afrikaans),
                 GeneratorError);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(said.str(), "") << "the refusal says why, once";
    EXPECT_EQ(refused.str().rfind("Nr\tTyd\tGeslag", 0), 0u) << refused.str();
}

TEST_F(GenerateSuite, BadStartTimeOrNoEntriesStoresNothing)
{
    entries({{21, 3}});
    std::ostringstream out;
    EXPECT_THROW(cli::runGenerateCommand(m.folder(), "9.45", true, out), GeneratorError);

    entries({});
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "08:00", true, out), 0);
    EXPECT_NE(out.str().find("no entries"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("Stored"), std::string::npos) << out.str();
    EXPECT_EQ(stored().size(), 1u);
}

} // namespace
} // namespace dravik
