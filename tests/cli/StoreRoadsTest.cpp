// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/ProgrammeExport.h"
#include "generator/ProgrammeTransfer.h"
#include "generator/WorkingList.h"
#include "programme/ProgrammeRowCheck.h"
#include "programme/ProgrammeSave.h"

#include <functional>
#include <map>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// One text typed or imported into one field of the demo's first event, and
// what the programme table must then hold in that field: the same on every
// road, or nothing stored on any road.
struct FieldCase {
    int col; // programme grid column, the same in the exchange grid
    const char* typed;
    const char* stored; // nullptr: refused
};

// The Atld40 column of each programme grid column the cases type into.
const std::map<int, std::string> kStoredColumn = {
    {pcol::Number, "Nommer"}, {pcol::Sub, "Sub"}, {pcol::Time, "Tyd"}, {pcol::Point, "Punt"}, {pcol::Day, "Draws"}};

class StoreRoads : public ::testing::Test {
protected:
    static constexpr const char* kProgramme = "SELECT * FROM Atld40 ORDER BY rowid";

    std::string firstStored(int col)
    {
        return dir.rows("SELECT " + kStoredColumn.at(col) + " FROM Atld40 ORDER BY rowid LIMIT 1").at(0);
    }

    GridModel shownProgramme(DataStore& store)
    {
        GridModel grid;
        setupProgrammeGrid(grid, Language::English);
        store.atld40().requery();
        loadProgrammeGrid(store.atld40(), ref, Language::English, grid);
        return grid;
    }

    // Each road types the text and stores; false when the road refused it.
    using Road = std::function<bool(const FieldCase&)>;

    bool compileTab(const FieldCase& c)
    {
        auto store = dir.open();
        GridModel grid = shownProgramme(*store);
        if (!checkProgrammeCell(c.col, c.typed, Language::English, 3).ok())
            return false;
        grid.setCell(1, c.col, c.typed);
        saveProgrammeGrid(grid, Language::English, {3, ref.definitions}, store->atld40());
        return true;
    }

    GridModel exchangeWith(DataStore& store, const FieldCase& c)
    {
        GridModel exchange;
        setupExchangeGrid(exchange);
        readFromProgramme(shownProgramme(store), ref.definitions, exchange);
        exchange.setCell(1, c.col, c.typed);
        return exchange;
    }

    bool writeToProgram(const FieldCase& c)
    {
        auto store = dir.open();
        GridModel programme;
        setupProgrammeGrid(programme, Language::English);
        if (!writeToProgramme(exchangeWith(*store, c), Language::English, 3, programme).ok())
            return false;
        saveProgrammeGrid(programme, Language::English, {3, ref.definitions}, store->atld40());
        return true;
    }

    bool importCommand(const FieldCase& c)
    {
        fs::path workbook = dir.path() / "typed.xlsx";
        {
            auto store = dir.open();
            fs::remove(workbook);
            exportWorkbook(exchangeWith(*store, c), "", workbook.string());
        }
        std::ostringstream out;
        try {
            cli::runImportCommand(dir.path().string(), workbook.string(), "", Language::English, out);
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }

    // The generator numbers and times its rows itself: only those two fields.
    bool generator(const FieldCase& c)
    {
        auto store = dir.open();
        GridModel list;
        setupWorkingList(list);
        std::vector<std::string> row(ncol::Count);
        row[ncol::Definition] = shownProgramme(*store).cell(1, pcol::Definition);
        row[ncol::Number] = c.col == pcol::Number ? c.typed : "1";
        row[ncol::Time] = c.col == pcol::Time ? c.typed : "08:00";
        list.addRow(row);
        try {
            transferWorkingList(list, Language::English, {3, ref.definitions}, store->atld40());
        } catch (const ProgrammeError&) {
            return false;
        }
        return true;
    }

    test::DemoSuite dir;
    // The definitions and events do not change: read once.
    const EventReference ref = [this] {
        auto store = dir.open();
        return loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    }();
};

TEST_F(StoreRoads, TheSameTextGivesTheSameStoredFieldOrNothingOnEveryRoad)
{
    const FieldCase cases[] = {
        {pcol::Number, "9999", "9999.0"},
        {pcol::Number, "10000", nullptr},
        {pcol::Number, "0", nullptr},
        {pcol::Sub, "a", "a"},
        {pcol::Sub, "", " "},
        {pcol::Sub, "ab", nullptr},
        {pcol::Time, "9:05", "09:05"},
        {pcol::Time, "", "00:00"},
        {pcol::Time, "9:5", nullptr},
        {pcol::Time, "24:02", nullptr},
        {pcol::Point, "ABC", "ABC"},
        {pcol::Point, "ABCD", nullptr},
        {pcol::Day, "", "1.0"},
        {pcol::Day, "3", "3.0"},
        {pcol::Day, "4", nullptr},
    };
    const std::vector<std::pair<const char*, Road>> roads = {
        {"Compile tab", [this](const FieldCase& c) { return compileTab(c); }},
        {"Write to Program", [this](const FieldCase& c) { return writeToProgram(c); }},
        {"dravik import", [this](const FieldCase& c) { return importCommand(c); }},
        {"Dra oor", [this](const FieldCase& c) { return generator(c); }},
    };
    const auto before = dir.rows(kProgramme);
    dir.meetingDb().exec("CREATE TABLE Kept AS SELECT * FROM Atld40");
    for (const FieldCase& c : cases) {
        for (const auto& [name, road] : roads) {
            if (std::string(name) == "Dra oor" && c.col != pcol::Number && c.col != pcol::Time)
                continue;
            SCOPED_TRACE(std::string(name) + ": column " + std::to_string(c.col) + " \"" + c.typed + "\"");
            const bool stored = road(c);
            EXPECT_EQ(stored, c.stored != nullptr);
            if (c.stored)
                EXPECT_EQ(firstStored(c.col), c.stored);
            else
                EXPECT_EQ(dir.rows(kProgramme), before);
            dir.meetingDb().exec("DELETE FROM Atld40; INSERT INTO Atld40 SELECT * FROM Kept");
        }
    }
}

} // namespace
