// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RecordSet.h"
#include "platform/Database.h"
#include "platform/StoreError.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace dravik;

namespace {

class RecordSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = createDatabase(dir.path() / "t.mdb");
        db->exec("CREATE TABLE Tab (Nommer REAL, Naam TEXT, Sub TEXT)");
        db->exec("INSERT INTO Tab VALUES (3, 'c', 'a'), (1, 'a', ' '), (2, '  ', NULL), (1, 'b', 'b')");
    }
    std::vector<std::string> names(RecordSet& rs)
    {
        std::vector<std::string> out;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out.push_back(rs.field("Naam").text());
        return out;
    }
    int count(const char* sql) { return db->execAndGet(sql).getInt(); }

    test::TempFolder dir;
    std::unique_ptr<SQLite::Database> db;
};

TEST_F(RecordSetTest, RowsComeInQueryOrderWithZeroBasedPositions)
{
    RecordSet rs(*db, "Select * from Tab order by Nommer, Sub");
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(names(rs), (std::vector<std::string>{"a", "b", "  ", "c"}));
    rs.moveLast();
    EXPECT_EQ(rs.absolutePosition(), 3);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), -1);
    EXPECT_TRUE(rs.moveTo(1));
    EXPECT_EQ(rs.field("naam").text(), "b") << "field names match without regard to case";
    EXPECT_FALSE(rs.moveTo(9));
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.field("Naam"), StoreError);
}

TEST_F(RecordSetTest, FieldPresentRuleFallsBackOnBlankOrEmpty)
{
    RecordSet rs(*db, "Select * from Tab order by Nommer, Sub");
    rs.moveTo(2); // Nommer 2, Naam "  ", Sub NULL
    EXPECT_EQ(rs.textOr("Naam", "x"), "x");
    EXPECT_EQ(rs.textOr("Sub", "E"), "E");
    EXPECT_EQ(rs.numberOr("Nommer", 7), 2);
    EXPECT_EQ(rs.field("Nommer").text(), "2") << "whole reals show without decimals";
    rs.moveTo(0);
    EXPECT_EQ(rs.textOr("Sub", "E"), "E") << "a single blank is not present";
    EXPECT_THROW(rs.field("Missing"), StoreError);
}

TEST_F(RecordSetTest, AddedRowsAppearAtTheEndUntilRequery)
{
    RecordSet rs(*db, "Select * from Tab order by Nommer");
    rs.addNew();
    rs.setField("Nommer", 0.5);
    rs.setField("Naam", "new");
    rs.update();
    EXPECT_EQ(rs.recordCount(), 5);
    rs.moveLast();
    EXPECT_EQ(rs.field("Naam").text(), "new");
    rs.requery();
    EXPECT_EQ(rs.field("Naam").text(), "new") << "after requery the row takes its ordered place";
}

TEST_F(RecordSetTest, EditAndDeleteWorkOnTheCurrentRowByKey)
{
    RecordSet rs(*db, "Select * from Tab order by Nommer, Sub");
    rs.moveTo(3);
    rs.edit();
    rs.setField("Naam", "changed");
    rs.update();
    rs.moveFirst();
    rs.deleteCurrent();
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.field("Naam").text(), "b") << "the set moves on to the row that followed";
    EXPECT_EQ(count("SELECT count(*) FROM Tab WHERE Naam = 'changed'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM Tab WHERE Naam = 'a'"), 0);
}

TEST_F(RecordSetTest, RewriteReplacesAllRowsOrNothing)
{
    RecordSet rs(*db, "Select * from Tab order by Nommer");
    rs.rewriteTable({{{"Nommer", 9.0}, {"Naam", "z"}}, {{"Naam", "y"}, {"Nommer", 8.0}}});
    EXPECT_EQ(names(rs), (std::vector<std::string>{"z", "y"})) << "rows stay in the order written";
    EXPECT_EQ(count("SELECT count(*) FROM Tab WHERE Naam = 'y' AND Nommer = 8"), 1) << "each row's own fields";
    EXPECT_EQ(count("SELECT count(*) FROM Tab"), 2);

    db->exec("CREATE TRIGGER refuse BEFORE INSERT ON Tab WHEN NEW.Nommer = 99 "
             "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_THROW(rs.rewriteTable({{{"Nommer", 1.0}, {"Naam", "p"}}, {{"Nommer", 99.0}, {"Naam", "q"}}}), StoreError);
    EXPECT_EQ(names(rs), (std::vector<std::string>{"z", "y"}));
    EXPECT_EQ(count("SELECT count(*) FROM Tab"), 2);
}

// The fingerprint a rewrite hands back is the one a later reading of the table
// gives, whatever the columns make of the values (a number into a text
// column, text into a number column), so a change check after another
// program's commit finds no change where there is none.
TEST_F(RecordSetTest, ARewritesFingerprintIsTheStoredTablesFingerprint)
{
    RecordSet rs(*db, "Select * from Tab order by Nommer");
    std::uint64_t written = rs.rewriteTable({{{"Nommer", "7"}, {"Naam", 5.0}, {"Sub", std::int64_t{3}}},
                                             {{"Nommer", 2.5}, {"Naam", "x"}},
                                             {{"Naam", FieldValue()}, {"Sub", "b"}}});
    EXPECT_EQ(written, queryFingerprint(*db, "SELECT rowid, * FROM Tab ORDER BY rowid"));
    EXPECT_EQ(rs.tableFingerprint(), written);

    // Another connection's commit is seen, and so is a write of this one.
    auto other = openDatabase(dir.path() / "t.mdb");
    other->exec("UPDATE Tab SET Naam = 'theirs' WHERE Naam = 'x'");
    EXPECT_NE(rs.tableFingerprint(), written);
    const std::uint64_t theirs = rs.tableFingerprint();
    db->exec("UPDATE Tab SET Naam = 'mine' WHERE Naam = 'theirs'");
    EXPECT_NE(rs.tableFingerprint(), theirs);
}

TEST(DatabaseTest, MissingOrForeignFilesAreReportedByName)
{
    test::TempFolder dir;
    EXPECT_THAT([&] { openDatabase(dir.path() / "Dsd00.mdb"); },
                testing::ThrowsMessage<StoreError>(testing::HasSubstr("Dsd00.mdb")));
    std::FILE* f = std::fopen((dir.path() / "bad.mdb").c_str(), "w");
    std::fputs("this is no database, just some text long enough to fill a header page....", f);
    std::fclose(f);
    EXPECT_THROW(openDatabase(dir.path() / "bad.mdb"), StoreError);
    EXPECT_THROW(createDatabase(dir.path() / "bad.mdb"), StoreError) << "never overwrites";
}

} // namespace
