#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "printing/Printouts.h"
#include "programme/ProgrammeRow.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// Definition numbers of the small meeting the printing tests use, by kind.
namespace def {
inline constexpr int Sprint = 101;  // kind 1
inline constexpr int Mile = 102;    // kind 2
inline constexpr int Relay = 103;   // kind 3, a team event
inline constexpr int Steeple = 106; // kind 6
inline constexpr int LongJump = 107; // kind 7
inline constexpr int Shot = 108;    // kind 8
inline constexpr int Marathon = 110; // kind 10
} // namespace def

// A programme grid row as the printouts read it.
struct GridRow {
    std::string number = "1", sub = "", time = "08:00", gender = "Male", age = "12", event = "100 m";
    std::string level = "Finaal", point = "", definition = "101", day = "1";
};

// A suite of its own in a temporary folder: an empty meeting to which a test
// adds record sets, records, teams, athletes and entries, a programme grid,
// and the reference lists and meeting details the printouts are given.
class PrintSuite {
public:
    PrintSuite()
    {
        createSuiteFolder(dir_.path().string(), false);
        meetingDb_ = openDatabase((dir_.path() / suitefile::Meeting).string());
        // The test's rows need not survive a power cut.
        meetingDb_->exec("PRAGMA synchronous = OFF");
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

    void exec(const std::string& sql, const std::vector<std::string>& values)
    {
        SQLite::Statement st(*meetingDb_, sql);
        for (size_t i = 0; i < values.size(); ++i)
            st.bind(static_cast<int>(i + 1), values[i]);
        st.exec();
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
    void addAthlete(int team, int nommer, const std::string& naam, const std::string& van)
    {
        exec("INSERT INTO Atld30 (Span, SpanNo, Nommer, SM, Van, Naam, Oud) VALUES ('', ?, ?, 'S', ?, ?, 12)",
             {std::to_string(team), std::to_string(nommer), van, naam});
    }
    void addEntry(int code, int tnom, int level = 0, int heat = 1, int lane = 1)
    {
        exec("INSERT INTO Atld37 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)",
             {std::to_string(code), std::to_string(tnom), std::to_string(level), std::to_string(heat),
              std::to_string(lane)});
    }
    void addTeamEntry(int team, int tnom, int level = 0, int heat = 1, int lane = 1)
    {
        exec("INSERT INTO Atld28 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)",
             {std::to_string(team), std::to_string(tnom), std::to_string(level), std::to_string(heat),
              std::to_string(lane)});
    }

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
    // `count` events numbered 1 on, all alike but for the number.
    void addRows(int count, GridRow r = {})
    {
        for (int i = 1; i <= count; ++i) {
            r.number = std::to_string(i);
            addRow(r);
        }
    }

    // Opens the suite as the program does and prints the programme the options choose.
    printing::Document print(printing::PrintOptions& options, printing::PrintState& state)
    {
        auto store = DataStore::open(folder());
        printing::PrintSources src{grid, reference, meeting, *store, folder() + "Own.bmp",
                                   printing::programmeDocumentPath(store->folders())};
        printing::Document doc;
        printing::printProgramme(doc, src, options, state);
        return doc;
    }
    printing::Document print(printing::PrintOptions& options)
    {
        printing::PrintState state;
        return print(options, state);
    }

    GridModel grid;
    EventReference reference;
    MeetingDetails meeting;

private:
    TempFolder dir_;
    std::unique_ptr<SQLite::Database> meetingDb_;
};

// The texts of the paragraphs of one page, in order.
inline std::vector<std::string> paragraphs(const std::vector<const printing::Block*>& page)
{
    std::vector<std::string> out;
    for (const printing::Block* b : page)
        if (const auto* p = std::get_if<printing::Paragraph>(b))
            out.push_back(p->text);
    return out;
}

inline const printing::Table& tableOf(const std::vector<const printing::Block*>& page)
{
    for (const printing::Block* b : page)
        if (const auto* t = std::get_if<printing::Table>(b))
            return *t;
    throw std::logic_error("page without a table");
}

// The event texts of a gate programme (its one table's cells).
inline std::vector<std::string> eventTexts(const printing::Document& doc)
{
    std::vector<std::string> out;
    for (const auto& row : doc.tables().at(0)->rows)
        out.push_back(row.at(0));
    return out;
}

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace dravik::test
