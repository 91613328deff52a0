// SPDX-License-Identifier: GPL-3.0-or-later
// Read Data of the analysis for 1,000 events and 20,000 entries (with a
// displayed record set of the same events), against a raw SQLite count of the
// same entries per event in the same run. Prints the ratio (goal: within 3x).
#include "BenchSupport.h"
#include "analysis/Analysis.h"
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

using namespace dravik;

using dravik::bench::bestOfPairs;
using dravik::bench::timed;

namespace {

constexpr int kEvents = 1000;
constexpr int kEntries = 20000;
constexpr int kTeamEntries = 4000; // of the entries, in Atld28
constexpr int kAthletes = 2500;
constexpr int kFirstDefinition = 5000;

void writeMeeting(SQLite::Database& meeting)
{
    SQLite::Transaction tx(meeting);
    SQLite::Statement athlete(meeting, "INSERT INTO Atld30 (Span, SpanNo, Nommer, SM, Van, Naam, Oud) "
                                       "VALUES ('Oaks', 1, ?, 'S', 'Lee', 'Ann', 12)");
    for (int i = 0; i < kAthletes; ++i) {
        athlete.reset();
        athlete.bind(1, i + 1);
        athlete.exec();
    }
    for (auto [table, from, to] :
         {std::tuple{"Atld37", 0, kEntries - kTeamEntries}, std::tuple{"Atld28", kEntries - kTeamEntries, kEntries}}) {
        SQLite::Statement entry(meeting, std::string("INSERT INTO ") + table +
                                             " (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, 0, 1, 1)");
        for (int i = from; i < to; ++i) {
            entry.reset();
            entry.bind(1, 1000 + i % kAthletes);
            // Uneven events: some with many entries, some with none.
            entry.bind(2, kFirstDefinition + (i * 7919) % (kEvents + kEvents / 10));
            entry.exec();
        }
    }
    tx.commit();
}

} // namespace

int main()
{
    const std::string tmpl = dravik::bench::makeTempFolder("dravik-bench-XXXXXX");
    const std::filesystem::path dir = std::filesystem::path(tmpl) / "suite";
    createSuiteFolder(dir.string(), false);
    writeMeeting(*openDatabase(dir / suitefile::Meeting));
    auto store = DataStore::open(dir.string());

    DefinitionList definitions;
    std::vector<EventDefinition> defs;
    GridModel flxProg, flxRek;
    setupProgrammeGrid(flxProg, Language::English);
    setupRecordGrid(flxRek, Language::English);
    for (int i = 0; i < kEvents; ++i) {
        const int tnom = kFirstDefinition + i;
        defs.push_back({static_cast<double>(tnom), 1, "S", "12", "1", "", "J"});
        std::vector<std::string> row(pcol::Count);
        row[pcol::Number] = std::to_string(i + 1);
        row[pcol::Time] = "08:00";
        row[pcol::Gender] = "Male";
        row[pcol::Age] = "12";
        row[pcol::Event] = "100 m";
        row[pcol::Level] = "Finaal";
        row[pcol::Definition] = std::to_string(tnom);
        flxProg.addRow(row);
        flxRek.addItem("100 m\tB - 12\tLee\tAnn\t" + std::string(i % 3 ? "12.10" : "") +
                       "\t2019\t05/04/2019\tOaks\t"
                       "Pretoria\t" +
                       std::to_string(tnom) + "\t" + std::to_string(i) + "\t" + std::to_string(i + 1) + "\t1\t1");
    }
    definitions.assign(std::move(defs));
    const DisplayedRecords displayed{flxRek, {1, "Club", "C"}};

    auto rawCount = [&] {
        std::unordered_map<long long, int> perEvent;
        for (const char* sql : {"SELECT Tnom FROM Atld37", "SELECT Tnom FROM Atld28"}) {
            SQLite::Statement st(store->meetingDatabase(), sql);
            while (st.executeStep())
                ++perEvent[st.getColumn(0).getInt64()];
        }
        int sum = 0;
        for (int i = 0; i < kEvents; ++i) {
            auto it = perEvent.find(kFirstDefinition + i);
            sum += it == perEvent.end() ? 0 : it->second;
        }
        if (sum == 0)
            std::abort();
    };
    GridModel flxAnal;
    setupAnalysisGrid(flxAnal, Language::English);
    AnalysisResult result;
    auto readData = [&] {
        result = readAnalysis(flxAnal, {flxProg, definitions, *store, &displayed}, Language::English, {},
                              AnalysisOrder::Number, [](int, int) {});
        if (flxAnal.rows() != kEvents + 1)
            std::abort();
    };
    auto [raw, read] = bestOfPairs(11, rawCount, readData);
    std::printf("entries counted: %d of %d, events with records: %d\n", result.competitors, kEntries,
                result.eventsWithRecords);
    std::printf("raw count of Atld37 and Atld28 per event: %8.2f ms\n", raw);
    std::printf("Read Data of the analysis:                %8.2f ms  ratio %.2fx (goal within 3x)\n", read, read / raw);
    std::filesystem::remove_all(tmpl);
    return 0;
}
