#include "generator/GeneratorRun.h"

#include "generator/GeneratorError.h"
#include "generator/GeneratorTestSupport.h"

#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <functional>

namespace dravik {
namespace {

struct GeneratorRunTest : test::GeneratorMeeting {
    GeneratorRunTest()
    {
        meeting.db().exec("INSERT INTO Atld40 (Tabverw, Nommer, Tyd) VALUES (99, 1, '07:00'), (98, 2, '07:30')");
    }
    int storedRows() { return meeting.db().execAndGet("SELECT count(*) FROM Atld40").getInt(); }
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
        int entries; // entries of each definition
        std::vector<Step> steps;
        bool stores;
    };
    const std::vector<Case> cases = {
        {"straight after start-up", 3, {}, false},
        {"a read that found no entries", 0, {read, schedule}, false},
        {"read but never scheduled", 3, {read}, false},
        {"scheduled, then read again", 3, {read, schedule, read}, false},
        {"scheduled, then an item trimmed", 3, {read, schedule, trim}, false},
        {"read and scheduled", 3, {read, schedule}, true},
        {"trimmed, then scheduled again", 3, {read, schedule, trim, schedule}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        meeting.db().exec("DELETE FROM Atld37");
        meeting.addEntries(11, c.entries);
        meeting.addEntries(15, c.entries);
        RecordSet atld37(meeting.db(), query::Atld37);
        RecordSet atld40(meeting.db(), query::Atld40);
        GeneratorRun run(list);
        int before = storedRows();
        for (const Step& step : c.steps)
            step(run, atld37);
        if (c.stores) {
            EXPECT_EQ(run.transfer(atld40), list.rows() - 1);
            EXPECT_EQ(storedRows(), list.rows() - 1);
            meeting.db().exec("DELETE FROM Atld40; INSERT INTO Atld40 (Tabverw, Nommer, Tyd) VALUES "
                              "(99, 1, '07:00'), (98, 2, '07:30')");
        } else {
            EXPECT_THROW(run.transfer(atld40), GeneratorError);
            EXPECT_EQ(storedRows(), before) << "the stored programme is left as it is";
        }
    }
}

TEST_F(GeneratorRunTest, SaysWhenTheScheduleRunsPastMidnight)
{
    meeting.addEntries(11, 100); // 100m: 22 minutes of heats
    meeting.addEntries(12, 100); // and the girls' 100m after it
    meeting.addEntries(15, 1);   // long jump: one 15-minute round
    RecordSet atld37(meeting.db(), query::Atld37);
    GeneratorRun run(list);
    run.readItems(atld37, ref, bane);

    ScheduleReport early = run.createProgramme("08:00");
    EXPECT_EQ(early.firstRowPastMidnight, 0);
    EXPECT_EQ(early.warning(), "");

    ScheduleReport late = run.createProgramme("23:50");
    ASSERT_GT(late.firstRowPastMidnight, 0);
    EXPECT_EQ(list.cell(late.firstRowPastMidnight, ncol::Time), late.firstTimePastMidnight);
    EXPECT_GE(late.firstTimePastMidnight, "24:00");
    EXPECT_NE(late.warning().find("row " + std::to_string(late.firstRowPastMidnight)), std::string::npos);
    EXPECT_NE(late.warning().find("23:59"), std::string::npos);
}

} // namespace
} // namespace dravik
