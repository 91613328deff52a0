// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/GeneratorRun.h"

#include "generator/GeneratorError.h"
#include "generator/GeneratorTestSupport.h"
#include "generator/ProgrammeTransfer.h"

#include <SQLiteCpp/Statement.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace dravik {
namespace {

struct GeneratorRunTest : test::GeneratorMeeting {
    void storeTwoRows()
    {
        db().exec("DELETE FROM Atld40");
        meeting.addStoredRow(99, 1, "07:00");
        meeting.addStoredRow(98, 2, "07:30");
    }
    int storedRows() { return db().execAndGet("SELECT count(*) FROM Atld40").getInt(); }
    ProgrammeRules rules() const { return {1, ref.definitions}; }
};

// "Dra oor" stores only a list that "Skep Program" scheduled since the last
// "Lees Items" or "Skraap Item"; any other list leaves the stored programme alone.
TEST_F(GeneratorRunTest, TransfersOnlyAScheduledList)
{
    using Step = std::function<void(GeneratorRun&, RecordSet&)>;
    const Step read = [this](GeneratorRun& run, RecordSet& atld37) { run.readItems(atld37, ref, bane); };
    const Step schedule = [](GeneratorRun& run, RecordSet&) { run.createProgramme("08:00"); };
    const Step trim = [](GeneratorRun& run, RecordSet&) { run.removeCurrentItem(); };
    struct Case {
        const char* name;
        int entries;
        std::vector<Step> steps;
        bool stores;
    }; // entries per definition
    const std::vector<Case> cases = {
        {"a read that found no entries", 0, {read, schedule}, false},
        {"read but never scheduled", 3, {read}, false},
        {"scheduled, then read again", 3, {read, schedule, read}, false},
        {"scheduled, then an item trimmed", 3, {read, schedule, trim}, false},
        {"read and scheduled", 3, {read, schedule}, true},
        {"trimmed, then scheduled again", 3, {read, schedule, trim, schedule}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        storeTwoRows();
        db().exec("DELETE FROM Atld37");
        addEntries(11, c.entries);
        addEntries(15, c.entries);
        RecordSet atld37(db(), query::Atld37);
        RecordSet atld40(db(), query::Atld40);
        GeneratorRun run(list);
        for (const Step& step : c.steps)
            step(run, atld37);
        if (c.stores) {
            EXPECT_EQ(run.transfer(atld40, Language::English, rules()), list.rows() - 1);
            EXPECT_EQ(storedRows(), list.rows() - 1);
        } else {
            EXPECT_THROW(run.transfer(atld40, Language::English, rules()), GeneratorError);
            EXPECT_EQ(storedRows(), 2) << "the stored programme is left as it is";
        }
    }
}

// "Dra oor" goes through the programme store: the list's rows that have a
// definition are stored as finals on day 1; a row the store refuses stores nothing.
TEST_F(GeneratorRunTest, TransferStoresTheRowsWithADefinitionOrNothing)
{
    // Working-list cells and the Atld40 row, "" when not stored.
    struct Case {
        std::string definition, number, time, stored;
    };
    const std::vector<Case> cases = {
        {"11", "3", "09:15", "11.0|0.0|3.0|09:15|   | |0|E|0.0|1.0"},
        {"13", "5", " ", "13.0|0.0|5.0|00:00|   | |0|E|0.0|1.0"},
        {"", "6", "09:30", ""},   // no definition: left out
        {"77", "8", "10:00", ""}, // an unknown event: refused, named by the working list's row
    };
    setupWorkingList(list);
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        std::vector<std::string> cells(ncol::Count);
        cells[ncol::Definition] = c.definition, cells[ncol::Number] = c.number, cells[ncol::Time] = c.time;
        list.addRow(cells);
        if (!c.stored.empty())
            expected.push_back(c.stored);
    }
    const std::string columns = "SELECT Tabverw, UFvlak, Nommer, Tyd, Punt, Sub, Invoer, HE, Wind, Draws "
                                "FROM Atld40 ORDER BY rowid";
    storeTwoRows();
    const auto before = meeting.rows(columns);
    RecordSet atld40(db(), query::Atld40);
    EXPECT_THAT([&] { transferWorkingList(list, Language::English, rules(), atld40); },
                ::testing::ThrowsMessage<ProgrammeError>(
                    ::testing::HasSubstr("Row 4, column Event: The event definition \"77\"")));
    EXPECT_EQ(meeting.rows(columns), before);

    list.setRows(4);
    EXPECT_EQ(transferWorkingList(list, Language::English, rules(), atld40), 2);
    EXPECT_EQ(meeting.rows(columns), expected);
    EXPECT_EQ(atld40.recordCount(), 2);
}

TEST_F(GeneratorRunTest, SaysWhenTheScheduleRunsPastMidnight)
{
    addEntries(11, 100); // 100m: 22 minutes of heats
    addEntries(12, 100); // and the girls' 100m after it
    addEntries(15, 1);   // long jump: one 15-minute round
    RecordSet atld37(db(), query::Atld37);
    GeneratorRun run(list);
    run.readItems(atld37, ref, bane);

    EXPECT_EQ(run.createProgramme("08:00").warning(), "");
    EXPECT_EQ(run.createProgramme("23:50").warning(),
              "The schedule runs past 23:59: row 3 starts at 24:12. Start the meeting earlier or spread the events "
              "over more days before storing this programme.");
}

} // namespace
} // namespace dravik
