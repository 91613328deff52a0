#include "analysis/Analysis.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace dravik;

namespace {

constexpr int kSprint = 101, kRelay = 103, kShot = 108;

// A meeting of its own: athletes, individual and team entries written straight
// into the meeting database, and a programme grid as the window holds it.
class AnalysisSuite {
public:
    AnalysisSuite()
    {
        createSuiteFolder(dir_.path().string(), false);
        db_ = openDatabase(dir_.path() / suitefile::Meeting);
        db_->exec("PRAGMA synchronous = OFF");
        store_ = DataStore::open(dir_.folder());
        setupProgrammeGrid(programme, Language::English);
        definitions.assign({{kSprint, 1, "S", "12", "1", "", "J"},
                            {kRelay, 3, "M", "14", "3", "", "J"},
                            {kShot, 8, "S", "25", "8", "", "J"}});
    }

    void addAthletes(int n)
    {
        for (int i = 0; i < n; ++i)
            db_->exec("INSERT INTO Atld30 (Span, SpanNo, Nommer, SM, Van, Naam, Oud) VALUES ('', 1, " +
                      std::to_string(i + 1) + ", 'S', 'Van', 'Naam', 12)");
    }
    void addEntries(const char* table, int tnom, int n, int level = 0)
    {
        SQLite::Statement st(*db_, std::string("INSERT INTO ") + table +
                                       " (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, 1, 1)");
        for (int i = 0; i < n; ++i) {
            st.bind(1, 1000 + i);
            st.bind(2, tnom);
            st.bind(3, level);
            st.exec();
            st.reset();
        }
    }
    void addEvent(const std::string& number, const std::string& sub, int definition,
                  const std::string& level = "Finaal", const std::string& gender = "Male")
    {
        std::vector<std::string> cells(pcol::Count);
        cells[pcol::Number] = number;
        cells[pcol::Sub] = sub;
        cells[pcol::Time] = "08:00";
        cells[pcol::Gender] = gender;
        cells[pcol::Age] = "12";
        cells[pcol::Event] = "Event " + number + sub;
        cells[pcol::Level] = level;
        cells[pcol::Definition] = definition ? std::to_string(definition) : "";
        programme.addRow(cells);
    }

    AnalysisResult read(GridModel& flxAnal, const DisplayedRecords* displayed = nullptr,
                        const AnalysisLabels& previous = {}, AnalysisOrder order = AnalysisOrder::Events,
                        Language lang = Language::English)
    {
        setupAnalysisGrid(flxAnal, lang);
        return readAnalysis(flxAnal, {programme, definitions, *store_, displayed}, lang, previous, order);
    }

    DataStore& store() { return *store_; }

    GridModel programme;
    DefinitionList definitions;

private:
    test::TempFolder dir_;
    std::unique_ptr<SQLite::Database> db_;
    std::unique_ptr<DataStore> store_;
};

std::vector<std::string> column(const GridModel& g, int col)
{
    std::vector<std::string> out;
    for (int r = 1; r < g.rows(); ++r)
        out.push_back(g.cell(r, col));
    return out;
}

// A record grid as Display fills it: Sprint with a record, Relay without one, Shot
// with a team's record (no first name).
GridModel recordGrid()
{
    GridModel g;
    setupRecordGrid(g, Language::English);
    g.addItem("100 m\tB - 12\tLee\tAnn\t12.10\t2019\t05/04/2019\tOaks\tPretoria\t101\t7\t1\t1\t4");
    g.addItem("Relay\tG - 14\t\t\t\t\t14/03/2026\t\t\t103\t-1\t2\t3\t4");
    g.addItem("Shot\tMen\tEagles\t\t15.20\t2001\t03/02/2001\tEagles\tDurban\t108\t9\t3\t8\t4");
    return g;
}

TEST(AnalysisTest, TotalsCountEntriesOfBothTablesPerEvent)
{
    AnalysisSuite s;
    s.addAthletes(8);
    s.addEntries("Atld37", kSprint, 9);
    s.addEntries("Atld37", kSprint, 3, 4); // heats: counted with the event, whatever the level
    s.addEntries("Atld28", kRelay, 6);
    s.addEntries("Atld37", kShot, 2);
    s.addEntries("Atld37", 555, 4);        // entries of a definition the meeting does not know
    s.addEvent("1", "", kSprint, "Heat");
    s.addEvent("2", "", kRelay, "Finaal", "Female");
    s.addEvent("3", "", 555);
    s.addEvent("4", "", 0);
    s.addEvent("5", "", kShot);

    GridModel flxAnal;
    AnalysisResult r = s.read(flxAnal);
    ASSERT_TRUE(r.read);
    EXPECT_EQ(column(flxAnal, acol::Athletes), (std::vector<std::string>{"12", "6", "0", "0", "2"}));
    EXPECT_EQ(flxAnal.rowCells(1), (std::vector<std::string>{"1", "Event 1", "H", "08:00", "M - 12", "12", "", "", ""}));
    EXPECT_EQ(flxAnal.cell(2, acol::GenderAge), "F - 12");
    EXPECT_EQ(r.labels.lblItms, "5");
    EXPECT_EQ(r.labels.lblAtl, "8");
    EXPECT_EQ(r.labels.lblDeel, "20");
    EXPECT_EQ(r.labels.lblGem, "(2.5/Atleet)");
    EXPECT_EQ(r.labels.lblRek, "0");
}

TEST(AnalysisTest, AverageTextPerAthlete)
{
    struct Case {
        int competitors, athletes;
        const char* text;
    };
    const Case cases[] = {{20, 8, "(2.5/Atleet)"}, {0, 5, "(0.0/Atleet)"}, {1, 6, "(0.2/Atleet)"},
                          {1, 20, "(0.1/Atleet)"}, {7, 0, ""},             {31, 3, "(10.3/Atleet)"}};
    for (const Case& c : cases)
        EXPECT_EQ(averageText(c.competitors, c.athletes), c.text) << c.competitors << "/" << c.athletes;
}

TEST(AnalysisTest, ProgrammeWithoutEventsLeavesTheLabels)
{
    AnalysisSuite s;
    s.addAthletes(3);
    GridModel flxAnal;
    setupAnalysisGrid(flxAnal, Language::English);
    flxAnal.addItem("9\tOld\tF\t08:00\tM - 12\t4\t\t\t");
    AnalysisLabels previous{"7", "3", "9", "(3.0/Atleet)", "1", "Record set: R (Club)"};
    AnalysisResult r = readAnalysis(flxAnal, {s.programme, s.definitions, s.store(), nullptr},
                                    Language::English, previous, AnalysisOrder::Events);
    EXPECT_FALSE(r.read);
    EXPECT_EQ(flxAnal.rows(), 1);
    EXPECT_EQ(r.labels.lblItms, "7");
    EXPECT_EQ(r.labels.lblReks, "Record set: R (Club)");
}

TEST(AnalysisTest, RecordColumnsFollowTheDisplayedSet)
{
    struct Case {
        const char* name;
        bool displayed;
        Language lang;
        std::string previousReks;
        std::vector<std::string> sprint, relay, shot; // Record, Holder, Year
        std::string lblRek, lblReks;
    };
    const Case cases[] = {
        {"no set displayed", false, Language::English, "", {"", "", ""}, {"", "", ""}, {"", "", ""}, "0", ""},
        {"no set displayed keeps lblReks", false, Language::English, "Record set: O (Old)", {"", "", ""},
         {"", "", ""}, {"", "", ""}, "0", "Record set: O (Old)"},
        {"set displayed", true, Language::English, "Record set: O (Old)", {"12.10", "Ann,Lee", "2019"},
         {"", "", ""}, {"15.20", "Eagles", "2001"}, "2", "Record set: C (Club)"},
        {"set displayed, Afrikaans", true, Language::Afrikaans, "", {"12.10", "Ann,Lee", "2019"}, {"", "", ""},
         {"15.20", "Eagles", "2001"}, "2", "Rekord stel: C (Club)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisSuite s;
        s.addEvent("1", "", kSprint);
        s.addEvent("2", "", kRelay);
        s.addEvent("3", "", 555); // the record grid has no row for it
        s.addEvent("4", "", kShot);
        const GridModel flxRek = recordGrid();
        const DisplayedRecords displayed{flxRek, {4, "Club", "C"}};
        AnalysisLabels previous;
        previous.lblReks = c.previousReks;
        GridModel flxAnal;
        AnalysisResult r = s.read(flxAnal, c.displayed ? &displayed : nullptr, previous, AnalysisOrder::Events, c.lang);
        auto recordCells = [&](int row) {
            return std::vector<std::string>{flxAnal.cell(row, acol::Record), flxAnal.cell(row, acol::Holder),
                                            flxAnal.cell(row, acol::Year)};
        };
        EXPECT_EQ(recordCells(1), c.sprint);
        EXPECT_EQ(recordCells(2), c.relay);
        EXPECT_EQ(recordCells(3), (std::vector<std::string>{"", "", ""}));
        EXPECT_EQ(recordCells(4), c.shot);
        EXPECT_EQ(r.labels.lblRek, c.lblRek);
        EXPECT_EQ(r.labels.lblReks, c.lblReks);
    }
}

TEST(AnalysisTest, RecordSetTextKeptWhenNoEventHasARecord)
{
    AnalysisSuite s;
    s.addEvent("1", "", kRelay); // in the set, but without a record
    s.addEvent("2", "", kShot);
    s.definitions.assign({{kRelay, 3, "M", "14", "3", "", "J"}}); // Shot's definition is gone
    const GridModel flxRek = recordGrid();
    const DisplayedRecords displayed{flxRek, {4, "Club", "C"}};
    AnalysisLabels previous;
    previous.lblReks = "Record set: O (Old)";
    GridModel flxAnal;
    AnalysisResult r = s.read(flxAnal, &displayed, previous);
    EXPECT_EQ(r.eventsWithRecords, 0);
    EXPECT_EQ(r.labels.lblRek, "0");
    EXPECT_EQ(r.labels.lblReks, "Record set: O (Old)");
}

TEST(AnalysisTest, SortsByEventNumberOrByCompetitorsWithTiesByEventNumber)
{
    struct Case {
        AnalysisOrder order;
        std::vector<std::string> numbers;
    };
    // Event: number, sub letter, competitors.
    struct Event {
        const char* number;
        const char* sub;
        int definition;
    };
    const Case cases[] = {
        {AnalysisOrder::Events, {"2", "2a", "2b", "3", "9", "10", "10a"}},
        // 0 before 3; the events with 3 in number order; 2b and 10a (5 each) too.
        {AnalysisOrder::Number, {"9", "2", "2a", "3", "10", "2b", "10a"}},
    };
    for (const Case& c : cases) {
        AnalysisSuite s;
        s.addEntries("Atld37", kSprint, 3);
        s.addEntries("Atld28", kRelay, 5);
        const Event events[] = {{"10", "", kSprint}, {"3", "", kSprint}, {"2", "b", kRelay}, {"9", "", kShot},
                                {"2", "", kSprint},  {"10", "a", kRelay}, {"2", "a", kSprint}};
        for (const Event& e : events)
            s.addEvent(e.number, e.sub, e.definition);
        GridModel flxAnal;
        s.read(flxAnal, nullptr, {}, c.order);
        EXPECT_EQ(column(flxAnal, acol::Number), c.numbers) << static_cast<int>(c.order);
        EXPECT_EQ(flxAnal.row(), 1);
    }
}

} // namespace
