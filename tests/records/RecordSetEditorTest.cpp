// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordSetEditor.h"
#include "data/DataStore.h"
#include "platform/GridModel.h"
#include "records/RecordSetList.h"
#include "support/TestMeeting.h"

#include <gtest/gtest.h>

using namespace dravik;
using test::column;
using test::TestMeeting;
using Rows = std::vector<std::string>;

namespace {

// The Records tab's set list as activation leaves it.
struct SetList {
    explicit SetList(TestMeeting& suite) : store(suite.open())
    {
        grid.setHeader({"Naam", "Simb", "Verw", "Aktief", "Rekord"});
        fillRecordSetGrid(grid, readRecordSetList(store->atld61()));
    }
    RecordsResult save(Language lang = Language::English)
    {
        return saveRecordSets(grid, store->atld61(), store->atld60(), state, lang);
    }
    std::unique_ptr<DataStore> store;
    GridModel grid{setcol::Count};
    RecordSetListState state;
};

TEST(RecordSetEditorTest, NewTakesOneMoreThanTheHighestReference)
{
    struct Case {
        std::vector<int> references;
        Language lang;
        int expected;
        const char* name;
    };
    const Case cases[] = {{{}, Language::English, 0, "(New)"},
                          {{1, 2, 5}, Language::Afrikaans, 6, "(Nuut)"},
                          {{7, 3}, Language::English, 8, "(New)"}};
    for (const Case& c : cases) {
        TestMeeting suite;
        for (int r : c.references)
            suite.addRecordSet(r, "R", "Set " + std::to_string(r));
        SetList list(suite);
        EXPECT_EQ(addRecordSet(list.grid, list.store->atld61(), c.lang), c.expected);
        // Stored at once, not at Save.
        EXPECT_EQ(suite.rows("SELECT Verw, Naam, Simb, Aktief FROM Atld61 WHERE Verw = " + std::to_string(c.expected)),
                  Rows{std::to_string(c.expected) + "|" + c.name + "|R|0"});
        const int last = list.grid.rows() - 1;
        EXPECT_EQ(last, static_cast<int>(c.references.size()) + 1);
        EXPECT_EQ(list.grid.rowText(last),
                  std::string(c.name) + "\tR\t" + std::to_string(c.expected) + "\t \t" + std::to_string(last - 1));
    }
}

TEST(RecordSetEditorTest, PickShowsTheFileNameAndTheToggleFlipsTheMark)
{
    TestMeeting suite;
    suite.addRecordSet(1, "D", "District", true);
    suite.addRecordSet(2, "S", "School", false);
    SetList list(suite);
    EXPECT_EQ(pickRecordSet(list.grid, 1, list.state), "District.xls");
    EXPECT_EQ(list.state.currentRow, 1);
    EXPECT_EQ(pickRecordSet(list.grid, 0, list.state), ""); // the header is no set

    toggleActiveMark(list.grid, 1, list.state);
    toggleActiveMark(list.grid, 2, list.state);
    EXPECT_EQ(list.grid.cell(1, setcol::Mark) + "," + list.grid.cell(2, setcol::Mark), ",A");
    EXPECT_EQ(list.state.currentRow, 2);
    ASSERT_TRUE(list.save().ok);
    EXPECT_EQ(suite.rows("SELECT Verw, Aktief FROM Atld61 ORDER BY Verw"), (Rows{"1|0", "2|1"}));
}

// Delete never takes the first set. Save refuses a reference that is no whole number
// or another set's and changes nothing; once it is right, Save removes every deleted
// set (more than eleven at once) with its records in the whole table. Saving an
// empty grid empties the table.
TEST(RecordSetEditorTest, DeleteKeepsTheFirstSetAndSaveRemovesTheSetsWithTheirRecords)
{
    TestMeeting suite;
    for (int set = 1; set <= 14; ++set) {
        suite.addRecordSet(set, "R", "Set " + std::to_string(set));
        for (int tnom : {10, 11})
            suite.addRecord({set, tnom, "10.5"});
    }
    SetList list(suite);
    EXPECT_FALSE(removeRecordSet(list.grid, 1, list.state)); // the lowest reference stays
    EXPECT_FALSE(removeRecordSet(list.grid, 0, list.state));
    EXPECT_TRUE(removeRecordSet(list.grid, 2, list.state));
    EXPECT_EQ(list.grid.rows(), 14);
    EXPECT_EQ(list.grid.cell(2, setcol::Verw), "3");

    list.grid.setCell(1, setcol::Naam, "Renamed"); // a good change that is not stored either
    for (auto [reference, message] : std::vector<std::pair<const char*, const char*>>{
             {"2.5", "The record set \"Set 3\" has the reference \"2.5\", which is not a whole number from 0 up. "
                     "Nothing was saved."},
             {"1",
              "The record set \"Set 3\" has the reference 1, which another set already has. Nothing was saved."}}) {
        list.grid.setCell(2, setcol::Verw, reference);
        RecordsResult result = list.save();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, message);
        EXPECT_EQ(result.row, 2);
        EXPECT_EQ(suite.rows("SELECT Verw, Naam FROM Atld61 WHERE Verw < 4"), (Rows{"1|Set 1", "2|Set 2", "3|Set 3"}));
        EXPECT_EQ(suite.rows("SELECT COUNT(*) FROM Atld60"), Rows{"28"});
        EXPECT_EQ(list.state.pendingDeletions, std::vector<std::int64_t>{2}); // still to do
    }
    list.grid.setCell(2, setcol::Verw, "3");
    while (list.grid.rows() > 2)
        ASSERT_TRUE(removeRecordSet(list.grid, list.grid.rows() - 1, list.state));
    EXPECT_EQ(list.state.pendingDeletions.size(), 13u);

    ASSERT_TRUE(list.save().ok);
    EXPECT_EQ(suite.rows("SELECT Verw, Naam FROM Atld61"), Rows{"1|Renamed"});
    EXPECT_EQ(suite.rows("SELECT DISTINCT Verw FROM Atld60"), Rows{"1"});
    EXPECT_TRUE(list.state.pendingDeletions.empty());
    EXPECT_EQ(list.store->atld60().recordCount(), 2); // read again
    list.grid.setRows(1);
    ASSERT_TRUE(list.save().ok);
    EXPECT_EQ(suite.rows("SELECT COUNT(*) FROM Atld61"), Rows{"0"});
}

// New after a Delete keeps the grid's unsaved changes; a new set that reuses a
// deleted reference keeps its records at every later Save.
TEST(RecordSetEditorTest, DeleteThenNewThenSaveKeepsTheNewSetsRecords)
{
    TestMeeting suite;
    suite.addRecordSet(1, "R", "Meeting");
    suite.addRecordSet(2, "R", "Old");
    suite.addRecord({2, 10, "12.5"});
    SetList list(suite);
    list.grid.setCell(1, setcol::Naam, "Renamed");
    ASSERT_TRUE(removeRecordSet(list.grid, 2, list.state));
    EXPECT_EQ(addRecordSet(list.grid, list.store->atld61(), Language::English), 3); // set 2 is still stored
    EXPECT_EQ(column(list.grid, setcol::Naam), (Rows{"Renamed", "(New)"}));
    ASSERT_TRUE(list.save().ok);
    EXPECT_EQ(suite.rows("SELECT Verw, Naam FROM Atld61 ORDER BY Verw"), (Rows{"1|Renamed", "3|(New)"}));
    EXPECT_EQ(suite.rows("SELECT COUNT(*) FROM Atld60"), Rows{"0"});

    ASSERT_TRUE(removeRecordSet(list.grid, 2, list.state));
    ASSERT_TRUE(list.save().ok);
    EXPECT_EQ(addRecordSet(list.grid, list.store->atld61(), Language::English), 2);
    suite.addRecord({2, 10, "11.9"}); // the new set's first record
    list.grid.setCell(2, setcol::Naam, "New province");
    ASSERT_TRUE(list.save().ok);
    ASSERT_TRUE(list.save().ok);
    EXPECT_EQ(suite.rows("SELECT Verw, Rek FROM Atld60"), Rows{"2|11.9"});
    EXPECT_EQ(suite.rows("SELECT Verw, Naam FROM Atld61 ORDER BY Verw"), (Rows{"1|Renamed", "2|New province"}));
}

} // namespace
