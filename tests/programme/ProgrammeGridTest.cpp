// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Schema.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "programme/Language.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"
#include "support/TestMeeting.h"

#include <gtest/gtest.h>

using namespace dravik;

namespace {

EventReference sampleReference()
{
    EventReference ref;
    ref.definitions.assign({
        {101, 1, "S", "12", "100", "", "J"},
        {102, 1, "M", "14", "100", "  76cm  ", "J"},
        {103, 7, "S", "25", "300", "", ""},
        {101, 8, "M", "9", "300", "", ""}, // a duplicate number: never reached
    });
    ref.catalogue.assign({{"100", "100m", "100m"}, {"300", "Long Jump", "Verspring"}});
    return ref;
}

class ProgrammeGridTest : public ::testing::Test {
protected:
    std::unique_ptr<RecordSet> atld40() { return std::make_unique<RecordSet>(*db, query::Atld40); }
    GridModel loaded(Language lang)
    {
        GridModel grid;
        setupProgrammeGrid(grid, lang);
        loadProgrammeGrid(*atld40(), ref, lang, grid);
        return grid;
    }
    std::string stored(const char* sql) { return meeting.rows(sql).at(0); }
    ProgrammeRules rules() const { return {3, ref.definitions}; }

    test::TestMeeting meeting;
    SQLite::Database* db = &meeting.meetingDb();
    EventReference ref = sampleReference();
};

TEST_F(ProgrammeGridTest, RowsAreBuiltInTableOrderWithDefaults)
{
    db->exec("INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, Punt, Invoer, HE, Wind, Draws) VALUES "
             "(102, 4, 2, 'b', '09:10', 'A  ', 'x', 'H', 1.5, 1), "
             "(101, 0, 2, 'a', '09:00', '   ', '', '', 0, 1), "
             "(103, 1, 1, ' ', '', '', '', ' ', 0, NULL), "
             "(999, 12, 1, '', '10:00', '', '', 'E', 0, 2)");
    GridModel en = loaded(Language::English);
    ASSERT_EQ(en.rows(), 5);
    EXPECT_EQ(en.row(), 1) << "row 1 becomes current";
    const std::vector<std::string> expected[] = {
        {"1", "", "00:00", "Male", "25", "Long Jump", "Finaal TP", "", "0", "103", "", "E", "Long Jump", "0",
         "Long Jump", "1"},
        {"2", "a", "09:00", "Male", "12", "100m", "Finaal", "", "1", "101", "", "E", "100m", "0", "100m", "1"},
        {"2", "b", "09:10", "Female", "14", "100m - 76cm", "Heat", "A  ", "2", "102", "x", "H", "100m - 76cm", "1.5",
         "100m", "1"},
        {"1", "", "10:00", "Female", "", "", "12", "", "3", "999", "", "E", "", "0", "", "2"},
    };
    for (int r = 1; r < en.rows(); ++r)
        EXPECT_EQ(en.rowCells(r), expected[r - 1]) << "row " << r;

    GridModel af = loaded(Language::Afrikaans);
    EXPECT_EQ((std::vector<std::string>{af.cell(1, pcol::Event), af.cell(1, pcol::English), af.cell(1, pcol::Gender),
                                        af.cell(3, pcol::Level)}),
              (std::vector<std::string>{"Verspring", "Long Jump", "Manlik", "Uitdun"}));
    // Age classes past 25 go in fives.
    EXPECT_EQ(ageList(24, 27), (std::vector<int>{24, 25, 30, 35}));
}

TEST_F(ProgrammeGridTest, SaveWritesEachFieldByItsRule)
{
    GridModel grid;
    setupProgrammeGrid(grid, Language::English);
    // No Sub Time Gender Age Event Level Where Pos Def Entry HE Item2 Wind Eng Day
    grid.addItem("5\ta\t8:30\tMale\t12\t100m\tHeat\tABC\t0\t101\t \th\t \t0\t\t2");
    grid.addItem("1\t\t\tMale\t12\t100m\tFinaal\tA\t0\t102\tm\tH\t \t2.5\t\t");
    grid.addItem("7\t\t09:00\tMale\t12\t100m\tFinaal\t\t0\t0\t\tE\t\t0\t\t1");
    grid.addItem("8\t\t09:00\tMale\t12\t100m\tFinaal\t\t0\tabc\t\tE\t\t0\t\t1");
    grid.addItem("9\t\t09:30\tMale\t12\t?\t12\t\t0\t103\t\tE\t\t0\t\t3");
    auto rs = atld40();
    EXPECT_EQ(saveProgrammeGrid(grid, Language::English, rules(), *rs), 3)
        << "rows without a definition number are dropped";
    EXPECT_EQ(test::column(grid, pcol::Position), (std::vector<std::string>{"0", "1", "0", "0", "2"}))
        << "each stored row's record position names its new stored row";

    EXPECT_EQ(
        meeting.rows("SELECT Tabverw, UFvlak, Nommer, Tyd, Punt, Sub, Invoer, HE, Wind, Draws "
                     "FROM Atld40 ORDER BY rowid"),
        (std::vector<std::string>{"101.0|4.0|5.0|08:30|ABC|a| |E|0.0|2.0", "102.0|0.0|1.0|00:00|A  | |m|H|2.5|1.0",
                                  "103.0|12.0|9.0|09:30|   | ||E|0.0|3.0"}));
    EXPECT_EQ(rs->recordCount(), 3) << "the open set holds the saved rows";
}

// A level outside the list goes back as it came; a level the window's language
// does not know leaves the stored programme as it was.
TEST_F(ProgrammeGridTest, ARefusedSaveLeavesThePreviousProgramme)
{
    db->exec("INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, HE, Draws) VALUES "
             "(101, 14, 1, ' ', '08:00', 'E', 1), (102, 0, 2, ' ', '08:10', 'E', 1)");
    GridModel grid = loaded(Language::English);
    EXPECT_EQ(grid.cell(1, pcol::Level), "14");
    auto rs = atld40();
    saveProgrammeGrid(grid, Language::English, rules(), *rs);
    EXPECT_EQ(stored("SELECT group_concat(UFvlak) FROM Atld40"), "14.0,0.0");

    grid.setCell(1, pcol::Level, "Uitdun"); // Afrikaans text in the English window
    EXPECT_THROW(saveProgrammeGrid(grid, Language::English, rules(), *rs), ProgrammeError);
    EXPECT_EQ(stored("SELECT group_concat(UFvlak) FROM Atld40"), "14.0,0.0") << "nothing was written";
    EXPECT_EQ(saveProgrammeGrid(grid, Language::Afrikaans, rules(), *rs), 2);
    EXPECT_EQ(stored("SELECT group_concat(UFvlak) FROM Atld40"), "4.0,0.0");

    GridModel empty;
    setupProgrammeGrid(empty, Language::English);
    EXPECT_EQ(saveProgrammeGrid(empty, Language::English, rules(), *rs), 0);
    EXPECT_EQ(stored("SELECT count(*) FROM Atld40"), "0");
}

} // namespace
