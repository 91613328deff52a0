// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SuiteSetup.h"
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "platform/Database.h"
#include "platform/StoreError.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// A suite of its own whose meeting queries reach the standard events as std.Atld10 and std.Atld11.
struct AttachedSuite {
    test::TempFolder dir;
    std::unique_ptr<SQLite::Database> meeting;

    explicit AttachedSuite(bool demo)
    {
        createSuiteFolder(dir.path().string(), demo);
        meeting = openDatabase(dir.path() / suitefile::Meeting);
        meeting->exec("ATTACH DATABASE '" + (dir.path() / suitefile::Standard).string() + "' AS std");
    }

    std::vector<std::string> rows(const std::string& query) { return test::queryRows(*meeting, query); }

    // Each query lists the rows that break one rule.
    void expectNoRows(const std::vector<std::string>& queries)
    {
        for (const std::string& query : queries)
            EXPECT_EQ(rows(query), std::vector<std::string>{}) << query;
    }
};

} // namespace

TEST(SuiteSetupTest, RefusesToOverwriteAnyFileAndWritesNothing)
{
    for (const char* existing : {suitefile::Meeting, suitefile::Standard, suitefile::Logo}) {
        SCOPED_TRACE(existing);
        test::TempFolder dir;
        const fs::path file = dir.path() / existing;
        std::ofstream(file) << "keep";
        EXPECT_THAT([&] { createSuiteFolder(dir.path().string(), true); },
                    testing::ThrowsMessage<StoreError>(testing::HasSubstr(file.string())));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1)
            << "nothing else is created";
        std::ifstream in(file);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    }
}

TEST(SuiteSetupTest, EmptySuiteOpensWithItsOptionsProgramsAndFolders)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), false);
    auto store = DataStore::open(dir.folder());
    const std::string folder = dir.folder();
    EXPECT_EQ(store->meetingPath(), folder + suitefile::Meeting) << "row 13 of Prog names no meeting of its own";

    EXPECT_EQ(store->folders().data, folder + "Data/");
    EXPECT_EQ(store->folders().import, folder + "Import/");
    EXPECT_TRUE(fs::is_directory(store->folders().import));
    EXPECT_TRUE(fs::exists(folder + suitefile::Logo));

    EXPECT_EQ(store->atld00().recordCount(), 1);
    store->atld00().moveFirst();
    const MeetingDetails m = LoadMeetingDetails(store->atld00());
    EXPECT_EQ(m.day2 - m.day1, std::chrono::days{1}) << "a new meeting's days follow one another";
    EXPECT_EQ(m.day3 - m.day1, std::chrono::days{2});
    for (RecordSet* empty :
         {&store->atld20(), &store->atld30(), &store->atld37(), &store->atld28(), &store->atld40(), &store->atld60()})
        EXPECT_EQ(empty->recordCount(), 0) << empty->table();
}

// Every age class of both genders has a sprint and the long jump, each definition
// its own number, event and catalogue entry.
TEST(StandardEventsTest, EveryAgeClassHasItsEventsAndEveryEventItsName)
{
    AttachedSuite s(false);
    EXPECT_EQ(s.rows("SELECT count(DISTINCT SM || Oud) FROM std.Atld10"), std::vector<std::string>{"44"});
    s.expectNoRows({
        "SELECT Nommer FROM std.Atld10 GROUP BY Nommer HAVING count(*) > 1",
        "SELECT besk, SM, Oud FROM std.Atld10 GROUP BY besk, SM, Oud HAVING count(*) > 1",
        "SELECT Nommer FROM std.Atld10 WHERE besk NOT IN (SELECT Nom FROM std.Atld11)",
        "SELECT SM, Oud FROM std.Atld10 GROUP BY SM, Oud "
        "HAVING max(Tipe = 1) = 0 OR max(besk = (SELECT Nom FROM std.Atld11 WHERE Bske = 'Long Jump')) = 0",
    });
}

// The demo meeting is the same every time, and its tables agree as far as the
// printouts and the generator that use it rely on.
TEST(DemoMeetingTest, IsTheSameMeetingEveryTimeAndItsTablesAgree)
{
    AttachedSuite s(true), again(true);
    for (const char* table : {"Atld20", "Atld28", "Atld30", "Atld37", "Atld40", "Atld60", "Atld61"}) {
        const std::string all = std::string("SELECT * FROM ") + table + " ORDER BY rowid";
        EXPECT_FALSE(s.rows(all).empty()) << table;
        EXPECT_EQ(s.rows(all), again.rows(all)) << table;
    }
    s.expectNoRows({
        // An athlete entered for an event of another gender or age, or for a relay.
        "SELECT e.Nommer, e.Tnom FROM Atld37 e LEFT JOIN Atld30 a ON a.SpanNo * 1000 + a.Nommer = e.Nommer "
        "LEFT JOIN std.Atld10 d ON d.Nommer = e.Tnom WHERE a.SM IS NOT d.SM OR a.Oud IS NOT d.Oud OR d.Tipe = 3",
        // A team entry of no team, or for no relay.
        "SELECT e.Nommer, e.Tnom FROM Atld28 e LEFT JOIN std.Atld10 d ON d.Nommer = e.Tnom "
        "WHERE e.Nommer NOT IN (SELECT Nommer FROM Atld20) OR d.Tipe IS NOT 3",
        // A lane, or a place in the order of competing, given twice in a heat.
        "SELECT Tnom, Been, Baan FROM Atld37 GROUP BY Tnom, Been, Baan HAVING count(*) > 1",
        "SELECT Tnom, Been, Baan FROM Atld28 GROUP BY Tnom, Been, Baan HAVING count(*) > 1",
        // An event with entries missing from the programme, or one in it without entries.
        "SELECT Tnom FROM Atld37 UNION SELECT Tnom FROM Atld28 EXCEPT SELECT Tabverw FROM Atld40",
        "SELECT Tabverw FROM Atld40 EXCEPT SELECT Tnom FROM Atld37 EXCEPT SELECT Tnom FROM Atld28",
        // A programme row of heats whose entries are not drawn in heats.
        "SELECT Tabverw FROM Atld40 WHERE UFvlak <> 0 AND UFvlak NOT IN "
        "(SELECT Uvlak FROM Atld37 WHERE Tnom = Tabverw UNION SELECT Uvlak FROM Atld28 WHERE Tnom = Tabverw)",
        // A programme row timed before the row ahead of it on its day.
        "SELECT b.Draws, b.Nommer FROM Atld40 a JOIN Atld40 b ON b.rowid = a.rowid + 1 AND b.Draws = a.Draws "
        "WHERE b.Tyd < a.Tyd",
        // An event "a" without its "b": the other gender of its age in the same event.
        "SELECT a.Tabverw FROM Atld40 a JOIN std.Atld10 x ON x.Nommer = a.Tabverw WHERE a.Sub = 'a' AND NOT EXISTS "
        "(SELECT 1 FROM Atld40 b JOIN std.Atld10 y ON y.Nommer = b.Tabverw WHERE b.Sub = 'b' AND b.Draws = a.Draws "
        "AND y.besk = x.besk AND y.Oud = x.Oud AND y.SM <> x.SM)",
        // A "b" that does not follow its "a" under the same number.
        "SELECT b.Draws, b.Nommer FROM Atld40 b LEFT JOIN Atld40 a ON a.rowid = b.rowid - 1 WHERE b.Sub = 'b' "
        "AND (a.Sub IS NOT 'a' OR a.Nommer IS NOT b.Nommer OR a.Draws IS NOT b.Draws)",
        // A record of a set not in use, or of an event not in the programme.
        "SELECT r.Verw, r.Tnom FROM Atld60 r LEFT JOIN Atld61 v ON v.Verw = r.Verw "
        "WHERE v.Aktief IS NOT 1 OR r.Tnom NOT IN (SELECT Tabverw FROM Atld40)",
    });
}
