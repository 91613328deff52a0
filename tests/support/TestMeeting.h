// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// Definition numbers of the small meetings the tests build, by kind.
namespace def {
inline constexpr int Sprint = 101;   // kind 1
inline constexpr int Mile = 102;     // kind 2
inline constexpr int Relay = 103;    // kind 3, a team event
inline constexpr int Steeple = 106;  // kind 6
inline constexpr int LongJump = 107; // kind 7
inline constexpr int Shot = 108;     // kind 8
inline constexpr int Marathon = 110; // kind 10
} // namespace def

// A programme grid row as the window holds it.
struct GridRow {
    std::string number = "1", sub = "", time = "08:00", gender = "Male", age = "12", event = "100 m";
    std::string level = "Finaal", point = "", definition = "101", day = "1";
};

// One way to build a test meeting: a suite of its own in a temporary folder
// (empty, or the demo meeting) to which a test adds event definitions, record
// sets and records, teams, athletes and entries with heats and lanes, stored
// programme rows and the rows of a programme grid. The reference lists and the
// meeting details the printouts and the analysis are given are plain members.
class TestMeeting {
public:
    explicit TestMeeting(bool demo = false)
    {
        createSuiteFolder(dir_.path().string(), demo);
        meeting_ = openDatabase(dir_.path() / suitefile::Meeting);
        // The test's rows need not survive a power cut.
        meeting_->exec("PRAGMA synchronous = OFF");
        setupProgrammeGrid(grid, Language::English);
        reference.definitions.assign({{def::Sprint, 1, "S", "12", "1", "", "J"},
                                      {def::Mile, 2, "S", "12", "2", "", "J"},
                                      {def::Relay, 3, "S", "12", "3", "", "J"},
                                      {def::Steeple, 6, "S", "12", "6", "", "J"},
                                      {def::LongJump, 7, "S", "12", "7", "", "J"},
                                      {def::Shot, 8, "S", "12", "8", "", "J"},
                                      {def::Marathon, 10, "S", "12", "10", "", "J"}});
        using namespace std::chrono;
        meeting.remark = "Winter Games";
        meeting.venue = "Pretoria";
        meeting.day1 = sys_days{year{2026} / 3 / 14};
        meeting.day2 = sys_days{year{2026} / 3 / 15};
        meeting.day3 = sys_days{year{2026} / 3 / 16};
        meeting.days = 1;
    }

    std::string folder() const { return dir_.folder(); }
    const std::filesystem::path& path() const { return dir_.path(); }
    SQLite::Database& meetingDb() { return *meeting_; }
    std::unique_ptr<DataStore> open() { return DataStore::open(folder()); }
    // The rows a query on the meeting database gives, each as its columns' texts joined by "|".
    std::vector<std::string> rows(const std::string& sql) { return queryRows(*meeting_, sql); }

    void exec(const std::string& sql, const std::vector<std::string>& values) { run(*meeting_, sql, values); }

    // The standard definitions and catalogue hold only what the test adds.
    void clearStandardEvents() { standard().exec("DELETE FROM Atld10; DELETE FROM Atld11"); }
    // A standard definition, and its catalogue entry unless the name is empty.
    void addEvent(int nommer, int tipe, const std::string& sm, int oud, int besk, const std::string& name,
                  const std::string& nota = "")
    {
        run(standard(), "INSERT INTO Atld10 (Nommer, Tipe, SM, Oud, besk, Nota, Amp) VALUES (?, ?, ?, ?, ?, ?, 'J')",
            {std::to_string(nommer), std::to_string(tipe), sm, std::to_string(oud), std::to_string(besk), nota});
        if (!name.empty())
            run(standard(),
                "INSERT INTO Atld11 (Nom, Bske, Bska) SELECT ?, ?, ? WHERE NOT EXISTS "
                "(SELECT 1 FROM Atld11 WHERE Nom = ?)",
                {std::to_string(besk), name, name, std::to_string(besk)});
    }

    void addRecordSet(int verw, const std::string& symbol, const std::string& name, bool active = true)
    {
        exec("INSERT INTO Atld61 (Verw, Naam, Simb, Aktief) VALUES (?, ?, ?, ?)",
             {std::to_string(verw), name, symbol, active ? "1" : "0"});
    }
    struct Record {
        int verw, tnom;
        std::string rek, naam = "", van = "", span = "", plek = "", datum = "", jaar = "";
    };
    void addRecord(const Record& r)
    {
        exec("INSERT INTO Atld60 (Verw, Tnom, Rek, Naam, Van, Span, Plek, Datum, Jaar) VALUES (?,?,?,?,?,?,?,?,?)",
             {std::to_string(r.verw), std::to_string(r.tnom), r.rek, r.naam, r.van, r.span, r.plek, r.datum, r.jaar});
    }

    void addTeam(int nommer, const std::string& naam, const std::string& afkort)
    {
        exec("INSERT INTO Atld20 (Nommer, Naam, Afkort) VALUES (?, ?, ?)", {std::to_string(nommer), naam, afkort});
    }
    void addAthlete(int team, int nommer, const std::string& naam, const std::string& van, int age = 12)
    {
        exec("INSERT INTO Atld30 (Span, SpanNo, Nommer, SM, Van, Naam, Oud) VALUES ('', ?, ?, 'S', ?, ?, ?)",
             {std::to_string(team), std::to_string(nommer), van, naam, std::to_string(age)});
    }
    // An individual (Atld37) or team (Atld28) entry with its heat and lane.
    void addEntry(int code, int tnom, int level = 0, int heat = 1, int lane = 1, bool team = false)
    {
        exec(std::string("INSERT INTO ") + (team ? "Atld28" : "Atld37") +
                 " (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)",
             {std::to_string(code), std::to_string(tnom), std::to_string(level), std::to_string(heat),
              std::to_string(lane)});
    }
    void addTeamEntry(int team, int tnom, int level = 0, int heat = 1, int lane = 1)
    {
        addEntry(team, tnom, level, heat, lane, true);
    }
    // `count` entries of the definition by athletes numbered on from `first`.
    void addEntries(int tnom, int count, int first = 1000, int level = 0, bool team = false)
    {
        for (int i = 0; i < count; ++i)
            addEntry(first + i, tnom, level, 1, 1, team);
    }

    // A row of the stored programme (Atld40).
    void addStoredRow(int tabverw, int nommer, const std::string& tyd = "08:00", int day = 1)
    {
        exec("INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, HE, Draws) VALUES (?, 0, ?, '', ?, 'E', ?)",
             {std::to_string(tabverw), std::to_string(nommer), tyd, std::to_string(day)});
    }

    // A row of the programme grid.
    void addRow(const GridRow& r)
    {
        std::vector<std::string> cells(pcol::Count);
        cells[pcol::Number] = r.number;
        cells[pcol::Sub] = r.sub;
        cells[pcol::Time] = r.time;
        cells[pcol::Gender] = r.gender;
        cells[pcol::Age] = r.age;
        cells[pcol::Event] = r.event;
        cells[pcol::Event2] = r.event;
        cells[pcol::Level] = r.level;
        cells[pcol::Point] = r.point;
        cells[pcol::Definition] = r.definition;
        cells[pcol::Day] = r.day;
        grid.addRow(cells);
    }
    // `count` grid rows numbered 1 on, all alike but for the number.
    void addRows(int count, GridRow r = {})
    {
        for (int i = 1; i <= count; ++i) {
            r.number = std::to_string(i);
            addRow(r);
        }
    }

    GridModel grid;
    EventReference reference;
    MeetingDetails meeting;

private:
    static void run(SQLite::Database& db, const std::string& sql, const std::vector<std::string>& values)
    {
        SQLite::Statement st(db, sql);
        for (size_t i = 0; i < values.size(); ++i)
            st.bind(static_cast<int>(i + 1), values[i]);
        st.exec();
    }
    SQLite::Database& standard()
    {
        if (!standard_)
            standard_ = openDatabase(dir_.path() / suitefile::Standard);
        return *standard_;
    }

    TempFolder dir_;
    std::unique_ptr<SQLite::Database> meeting_, standard_;
};

// The cells of one grid column, rows 1 on.
inline std::vector<std::string> column(const GridModel& g, int col)
{
    std::vector<std::string> out;
    for (int r = 1; r < g.rows(); ++r)
        out.push_back(g.cell(r, col));
    return out;
}

} // namespace dravik::test
