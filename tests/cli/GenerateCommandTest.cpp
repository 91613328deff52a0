// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"
#include "data/Schema.h"
#include "generator/GeneratorError.h"
#include "support/TestMeeting.h"

#include <tuple>

namespace dravik {
namespace {

using Rows = std::vector<std::string>;

// A suite whose standard tables hold only the definitions below, so that the
// test does not depend on the standard event list; one programme row is stored.
class GenerateSuite : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.clearStandardEvents();
        openDatabase(m.path() / suitefile::Further)->exec("DELETE FROM Atld18; DELETE FROM Atld19");
        using E = std::tuple<int, int, const char*, int, int, const char*>; // nommer, tipe, SM, oud, besk, name
        for (auto [nommer, tipe, sm, oud, besk, name] :
             {E{21, 1, "S", 14, 1, "100m"}, E{22, 1, "M", 16, 2, "200m"}, E{23, 2, "S", 16, 3, "1500m"},
              E{24, 5, "M", 14, 4, "100m Hurdles"}, E{29, 5, "S", 16, 8, "200m Hurdles"},
              E{25, 7, "S", 14, 5, "Long Jump"}, E{30, 7, "M", 14, 5, "Long Jump"}, E{31, 7, "S", 16, 5, "Long Jump"},
              E{27, 7, "S", 16, 7, "Pole Vault"}, E{28, 1, "S", 15, 1, "100m"}})
            m.addEvent(nommer, tipe, sm, oud, besk, name);
        m.addEvent(26, 8, "M", 16, 6, "Shot Put", "4kg");
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

// Worked by hand from the rules.
//
// Entries and estimate (default heat sizes 10 / 8 / 8 / 16 / 10 / 8 / 8):
//   21 100m S14           41  kind 1, 100 m: 41/10 -> 4+1 = 5 heats x 2    = 10
//   22 200m D16            8  kind 1, 200 m:  8/8  -> 1+1 = 2 heats x 2    =  4
//   23 1500m S16          16  kind 2: 16/16 -> 2 heats x 6                 = 12
//   24 100m Hurdles D14   20  kind 5, 100 m: 20/10 -> 3 heats x 2.5        =  7.5
//   29 200m Hurdles S16    3  kind 5, 200 m:  3/8  -> 1 heat x 2.5         =  2.5
//   30 Long Jump D14       1  3*1+12 = 15
//   25 Long Jump S14       2  18
//   31 Long Jump S16       4  24
//   27 Pole Vault S16      3  21, shown doubled as 42
//   26 Shot Put - 4kg D16  1  15
//   28 has no entries and is not listed.
// Track minutes 36; longest field event 24 (the pole vault counts as 21) -> round
// length 15; rounds 36/15 -> 2.
//
// Sorted by kind, key, age, gender: 21, 22 (kind 1), 23 (2), 24, 29 (5),
// 30, 25, 31 (7, key 5: D14 before S14, then 16), 27 (7, key 7), 26 (8).
// First field row F = 6.
//
// Numbering, L = 15, R = 2:
//   round 1: LJ D14 -> 1; LJ S14 -> 2, same key, so the next other key (PV) -> 3;
//            SP -> 4. Track: 100m (10) -> 5, 200m (14) -> 6, 1500m would make 26.
//   round 2: LJ S16 -> 7. Track: 1500m (12) -> 8, 100mH would make 19.5.
//   left over: 100mH -> 9, 200mH -> 10.
//
// Timing from 09:45, both clocks:
//   1-4 field 09:45; 100m: field clock -> 10:00, track 09:45 -> 09:55;
//   200m 09:55 -> 09:59; LJ S16 field 10:00; 1500m: field -> 10:15, track 09:59 -> 10:11;
//   100mH 10:11 -> 10:18.5; 200mH shown 10:19 (the half minute rounded up) -> 10:21.
const char* const kExpected = "No\tTime\tGender\tAge\tEvent\tEntries\tHeats\tMinutes\n"
                              "1\t09:45\tD\t14\tLong Jump\t1\t1\t15\n"
                              "2\t09:45\tS\t14\tLong Jump\t2\t1\t18\n"
                              "3\t09:45\tS\t16\tPole Vault\t3\t1\t42\n"
                              "4\t09:45\tD\t16\tShot Put - 4kg\t1\t1\t15\n"
                              "5\t09:45\tS\t14\t100m\t41\t5\t10\n"
                              "6\t09:55\tD\t16\t200m\t8\t2\t4\n"
                              "7\t10:00\tS\t16\tLong Jump\t4\t1\t24\n"
                              "8\t09:59\tS\t16\t1500m\t16\t2\t12\n"
                              "9\t10:11\tD\t14\t100m Hurdles\t20\t3\t7.5\n"
                              "10\t10:19\tS\t16\t200m Hurdles\t3\t1\t2.5\n";

TEST_F(GenerateSuite, PrintsTheTimedProgrammeAndStoresItWithApply)
{
    entries({{21, 41}, {22, 8}, {23, 16}, {24, 20}, {29, 3}, {25, 2}, {30, 1}, {31, 4}, {26, 1}, {27, 3}});
    std::ostringstream dry;
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "09:45", false, dry), 0);
    EXPECT_EQ(dry.str(), kExpected);
    EXPECT_EQ(stored(), Rows{"99.0|1.0|07:00"});

    std::ostringstream applied;
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "09:45", true, applied), 0);
    EXPECT_EQ(applied.str(), std::string(kExpected) + "Stored 10 programme rows.\n");
    EXPECT_EQ(stored(),
              (Rows{"30.0|1.0|09:45", "25.0|2.0|09:45", "27.0|3.0|09:45", "26.0|4.0|09:45", "21.0|5.0|09:45",
                    "22.0|6.0|09:55", "31.0|7.0|10:00", "23.0|8.0|09:59", "24.0|9.0|10:11", "29.0|10.0|10:19"}));

    // A list too short to hold the round count in its third row is numbered from
    // the summary of the estimate, as the window does: the long jump's round first.
    entries({{21, 100}, {25, 1}});
    std::ostringstream shortList, err;
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "08:00", false, shortList, err), 0);
    EXPECT_EQ(shortList.str(), "No\tTime\tGender\tAge\tEvent\tEntries\tHeats\tMinutes\n"
                               "1\t08:00\tS\t14\tLong Jump\t1\t1\t15\n"
                               "2\t08:00\tS\t14\t100m\t100\t11\t22\n");
    EXPECT_EQ(err.str(), "");
    entries({{21, 41}, {22, 8}, {23, 16}});
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "23:50", false, shortList, err), 0);
    EXPECT_NE(err.str().find("runs past 23:59: row "), std::string::npos) << err.str();

    // Stored, such a schedule would not survive its own export: --apply stores nothing.
    const auto before = stored();
    std::ostringstream late, said;
    EXPECT_THROW(cli::runGenerateCommand(m.folder(), "23:50", true, late, said, Language::Afrikaans), GeneratorError);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(late.str().rfind("Nr\tTyd\tGeslag", 0), 0u) << late.str();
}

TEST_F(GenerateSuite, BadStartTimeOrNoEntriesStoresNothing)
{
    entries({{21, 3}});
    std::ostringstream out;
    EXPECT_THROW(cli::runGenerateCommand(m.folder(), "9.45", true, out), GeneratorError);
    EXPECT_EQ(out.str(), "");

    entries({});
    EXPECT_EQ(cli::runGenerateCommand(m.folder(), "08:00", true, out), 0);
    EXPECT_NE(out.str().find("no entries"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("Stored"), std::string::npos) << out.str();
    EXPECT_EQ(stored().size(), 1u);
}

} // namespace
} // namespace dravik
