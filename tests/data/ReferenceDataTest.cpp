// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ReferenceData.h"
#include "data/DataStore.h"
#include "data/FolderSettings.h"
#include "data/Schema.h"
#include "data/SuiteLocation.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/StoreError.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace dravik;

namespace {

std::unique_ptr<SQLite::Database> makeDatabase(const test::TempFolder& dir, const std::string& file)
{
    auto db = createDatabase(dir.path() / file);
    createTables(*db, schemaOf(file));
    return db;
}

TEST(FolderSettingsTest, TrailingSeparatorAndEmptyPaths)
{
    EXPECT_EQ(withTrailingSeparator("/data"), "/data/");
    EXPECT_EQ(withTrailingSeparator("/data/"), "/data/") << "never doubled";

    test::TempFolder dir;
    auto db = makeDatabase(dir, suitefile::Paths);
    db->exec("INSERT INTO Paths VALUES ('/usr/bin', '/opt/calc/', '/d', '/imp', 'Prog', 'lowriter', 'localc')");
    RecordSet paths(*db, query::Paths);
    FolderSettings s = readFolderSettings(paths);
    EXPECT_EQ(s.wordProcessorPath(), "/usr/bin/lowriter");
    EXPECT_EQ(s.spreadsheetPath(), "/opt/calc/localc");
    EXPECT_EQ(s.import, "/imp/");
    EXPECT_EQ(s.programs, "Prog") << "the program folder setting is kept as stored";
}

TEST(MeetingPathTest, ProgRow13LocatesTheMeetingDatabase)
{
    struct Case {
        const char* rows;
        const char* expected;
    }; // rows: SQL values for Prog (Orde, Afr, AfrT)
    const Case cases[] = {
        {"(13, '/m/', 'Meet.mdb')", "/m/Meet.mdb"},
        {"(13, '/m', 'Meet.mdb')", "/m/Meet.mdb"},
        {"(13, '', 'Meet.mdb')", "/suite/Dsd00.mdb"},
        {"(12, '/x/', 'X.mdb')", "/suite/Dsd00.mdb"},
        {"(1, '/x/', 'X.mdb'), (13, '/m/', 'Meet.mdb'), (14, '/y/', 'Y.mdb')", "/m/Meet.mdb"},
    };
    for (const auto& c : cases) {
        test::TempFolder dir;
        auto db = makeDatabase(dir, suitefile::Programs);
        db->exec(std::string("INSERT INTO Prog (Orde, Afr, AfrT) VALUES ") + c.rows);
        RecordSet prog(*db, query::Prog);
        EXPECT_EQ(meetingDatabasePath(prog, "/suite/"), c.expected) << c.rows;
    }
}

TEST(ReferenceListsTest, FirstMatchWinsAndTheSpareEntryIsEmpty)
{
    test::TempFolder dir;
    auto standard = makeDatabase(dir, suitefile::Standard);
    auto further = makeDatabase(dir, suitefile::Further);
    standard->exec("INSERT INTO Atld10 VALUES (7, 1, 'M', 14, 100, '', 'J'), (5, 1, 'S', 12, 100, ' 76cm ', 'J'), "
                   "(6, 7, 'S', 12, 300, '', '')");
    further->exec("INSERT INTO Atld19 VALUES (5, 8, 'M', 19, 300, '', '')");
    standard->exec("INSERT INTO Atld11 VALUES (300, 'Long Jump', 'Verspring'), (100, '100m', '100m')");
    further->exec("INSERT INTO Atld18 VALUES (100, 'Other', 'Ander'), (400, 'Shot Put', 'Gewigstoot')");

    RecordSet a10(*standard, query::Atld10), a19(*further, query::Atld19), a11(*standard, query::Atld11),
        a18(*further, query::Atld18);
    EventReference ref = loadEventReference(a10, a19, a11, a18);
    ASSERT_EQ(ref.definitions.count(), 4);
    EXPECT_EQ(ref.definitions.at(0).nommer, 5) << "Atld10 in its order: Oud, SM, Besk";
    EXPECT_EQ(ref.definitions.at(3).nommer, 5) << "Atld19 follows";
    EXPECT_EQ(ref.definitions.find(5), 0) << "the first of two equal numbers wins";
    EXPECT_EQ(ref.definitions.find(42), 4) << "no match ends on the spare entry";
    EXPECT_TRUE(ref.definitions.at(4).besk.empty());
    EXPECT_EQ(ref.catalogue.count(), 4);
    EXPECT_EQ(ref.catalogue.at(ref.catalogue.find("100")).bske, "100m") << "Atld11 before Atld18";
    EXPECT_EQ(ref.eventName(0, true, true), "100m - 76cm");
    EXPECT_EQ(ref.eventName(0, true, false), "100m");
    EXPECT_EQ(ref.eventName(1, false, true), "Verspring");
    EXPECT_EQ(ref.eventName(4, true, true), "");
}

TEST(MeetingDetailsTest, DefaultsAndCaption)
{
    test::TempFolder dir;
    auto meeting = makeDatabase(dir, suitefile::Meeting);
    RecordSet atld00(*meeting, query::Atld00);
    Clock::time_point now;
    ASSERT_TRUE(parseStoredDate("2026-12-06 10:30:00", now));
    for (const char* no : {"2026-12-06 10:60:00", "2026-12-06 24:00:00", "2026-12-06 10:30:60", "2026-02-30"})
        EXPECT_FALSE(parseStoredDate(no, now)) << no;

    meeting->exec("INSERT INTO Atld00 (Plek, Opm, MinGrens, Datum, Dae) VALUES (' Park ', '  ', 8, '2027-03-11', 3)");
    atld00.requery();
    MeetingDetails m = LoadMeetingDetails(atld00, now);
    EXPECT_EQ(m.venue, "Park");
    EXPECT_EQ(m.minAgeIndex, 8);
    EXPECT_EQ(m.days, 3);
    EXPECT_EQ(formatDate(m.day1), "11/03/2027");
    EXPECT_EQ(formatDate(m.day2), "07/12/2026") << "a missing day 2 is a day after now";
    EXPECT_EQ(formatDate(m.day3), "08/12/2026");
    EXPECT_EQ(meetingCaption(m), ", Park - 11/03/2027");

    meeting->exec("UPDATE Atld00 SET MinGrens = -5, MaxGrens = 1e300, Dae = 'x'");
    atld00.requery();
    MeetingDetails odd = LoadMeetingDetails(atld00, now);
    EXPECT_EQ(odd.minAgeIndex, 0);
    EXPECT_EQ(odd.maxAgeIndex, 45) << "absurd numbers are held to a range";
    EXPECT_EQ(odd.days, 0);
}

TEST(DataStoreTest, MissingFilesAndTablesAreNamedWithTheSetupHint)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), false);
    std::filesystem::remove(dir.path() / "Dsd11.mdb");
    EXPECT_THAT([&] { DataStore::open(dir.folder()); },
                testing::ThrowsMessage<StoreError>(
                    testing::AllOf(testing::HasSubstr("Dsd11.mdb"), testing::HasSubstr("dravik setup"))));
    {
        auto db = makeDatabase(dir, suitefile::Standard);
        db->exec("DROP TABLE Atld11");
    }
    EXPECT_THAT([&] { DataStore::open(dir.folder()); },
                testing::ThrowsMessage<StoreError>(testing::HasSubstr("Atld11")));
}

TEST(SuiteLocationTest, ArgumentThenExecutableFolderThenDataHome)
{
    test::TempFolder suite, exe;
    createSuiteFolder(suite.path().string(), false);
    SuiteLocation byArg = locateSuite(suite.path().string(), exe.path().string(), "/xdg", "/home/u");
    EXPECT_EQ(byArg.folder, suite.folder());
    EXPECT_TRUE(byArg.holdsSuite);

    SuiteLocation byExe = locateSuite(std::nullopt, suite.path().string(), "/xdg", "/home/u");
    EXPECT_EQ(byExe.folder, suite.folder());

    EXPECT_EQ(locateSuite(std::nullopt, exe.path().string(), "/xdg", "/home/u").folder, "/xdg/dravik-sport/");
    SuiteLocation home = locateSuite(std::nullopt, exe.path().string(), "", "/home/u");
    EXPECT_EQ(home.folder, "/home/u/.local/share/dravik-sport/");
    EXPECT_FALSE(home.holdsSuite);
}

TEST(LanguageOptionTest, TaalChoosesTheWindow)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), false);
    SQLite::Database db((dir.path() / suitefile::Options).string(), SQLite::OPEN_READWRITE);
    for (int taal : {-1, 0, 1}) {
        db.exec("UPDATE Opsies SET Taal = " + std::to_string(taal));
        EXPECT_EQ(readLanguageOption(dir.folder()) != 0, taal != 0) << taal;
    }
}

} // namespace
