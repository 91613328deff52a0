#include "generator/ProgrammeTransfer.h"

#include "generator/GeneratorTestSupport.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(DraOor, ReplacesTheProgrammeWithTheWorkingListAndItsDefaults)
{
    struct Case {
        std::string definition, number, time; // working-list cells
        std::string stored;                   // the Atld40 row, empty when not stored
    };
    const std::vector<Case> cases = {
        {"21", "3", "09:15", "21.0|0.0|3.0|09:15| | |0|E|0.0|1.0"},
        {"22", "", "", "22.0|0.0|1.0|00:00| | |0|E|0.0|1.0"}, // never numbered or timed
        {"23", "0", " ", "23.0|0.0|1.0|00:00| | |0|E|0.0|1.0"},
        {"", "4", "09:30", ""}, // no definition: not a programme row
        {"0", "5", "09:40", ""},
        {"Verw", "No", "Tyd", ""}, // a header-like row
        {"7.5", "2", "10:00", "7.5|0.0|2.0|10:00| | |0|E|0.0|1.0"},
    };
    GridModel list;
    setupWorkingList(list);
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        std::vector<std::string> cells(ncol::Count);
        cells[ncol::Definition] = c.definition;
        cells[ncol::Number] = c.number;
        cells[ncol::Time] = c.time;
        list.addRow(cells);
        if (!c.stored.empty())
            expected.push_back(c.stored);
    }
    test::MeetingDatabase meeting;
    meeting.db().exec("INSERT INTO Atld40 (Tabverw, Nommer, Tyd) VALUES (99, 1, '07:00')");
    RecordSet atld40(meeting.db(), query::Atld40);

    EXPECT_EQ(transferWorkingList(list, atld40), 4);

    EXPECT_EQ(test::queryRows(meeting.db(), "SELECT Tabverw, UFvlak, Nommer, Tyd, Punt, Sub, Invoer, HE, Wind, Draws "
                                            "FROM Atld40 ORDER BY rowid"),
              expected);
    EXPECT_EQ(atld40.recordCount(), 4);
}

} // namespace
} // namespace dravik
