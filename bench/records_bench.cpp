// SPDX-License-Identifier: GPL-3.0-or-later
// Display of a record set for 3,000 event definitions and 10,000 records,
// against a raw SQLite scan of the definitions (Atld10) and the records
// (Atld60) in the same run. Prints the ratio (goal: Display within 5x of the scan).
#include "BenchSupport.h"
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
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
#include <vector>

using namespace dravik;

using dravik::bench::bestOfPairs;
using dravik::bench::timed;

namespace {

constexpr int kDefinitions = 3000;
constexpr int kRecords = 10000;
constexpr int kSets = 4;

// Replaces the standard definitions by kDefinitions of ages 5 to 25 (all within
// the meeting's range) on the catalogue's events.
void writeDefinitions(SQLite::Database& standard)
{
    std::vector<int64_t> names;
    {
        SQLite::Statement st(standard, "SELECT Nom FROM Atld11");
        while (st.executeStep())
            names.push_back(st.getColumn(0).getInt64());
    }
    SQLite::Transaction tx(standard);
    standard.exec("DELETE FROM Atld10");
    SQLite::Statement def(standard, "INSERT INTO Atld10 (Nommer, Tipe, SM, Oud, besk, Nota, Amp) "
                                    "VALUES (?, ?, ?, ?, ?, ?, 'J')");
    for (int i = 0; i < kDefinitions; ++i) {
        def.reset();
        def.bind(1, 1000 + i);
        def.bind(2, 1 + i % 10);
        def.bind(3, i % 2 ? "S" : "M");
        def.bind(4, 5 + i % 21);
        def.bind(5, names[i % names.size()]);
        def.bind(6, i % 7 == 0 ? "heat " + std::to_string(i) : std::string());
        def.exec();
    }
    tx.commit();
}

// Set 1 has a record of every definition; sets 2 to kSets share the rest.
// Every third definition is on the programme.
void writeRecords(SQLite::Database& meeting)
{
    SQLite::Transaction tx(meeting);
    for (int s = 1; s <= kSets; ++s)
        meeting.exec("INSERT INTO Atld61 (Verw, Naam, Simb, Aktief) VALUES (" + std::to_string(s) + ", 'Set " +
                     std::to_string(s) + "', 'S', 1)");
    SQLite::Statement record(meeting, "INSERT INTO Atld60 (Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar) "
                                      "VALUES (?, ?, ?, 'Lee', 'Ann', 'Oaks', 'Pretoria', '2019-04-05', 2019)");
    for (int i = 0; i < kRecords; ++i) {
        record.reset();
        record.bind(1, i < kDefinitions ? 1 : 2 + i % (kSets - 1));
        record.bind(2, 1000 + i % kDefinitions);
        record.bind(3, 9.5 + (i % 5000) * 0.77);
        record.exec();
    }
    SQLite::Statement programme(meeting, "INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, HE, Draws) "
                                         "VALUES (?, 0, ?, '', '08:00', 'E', 1)");
    for (int i = 0; i < kDefinitions; i += 3) {
        programme.reset();
        programme.bind(1, 1000 + i);
        programme.bind(2, i / 3 + 1);
        programme.exec();
    }
    tx.commit();
}

} // namespace

int main()
{
    const std::string tmpl = dravik::bench::makeTempFolder("dravik-bench-XXXXXX");
    const std::filesystem::path dir = std::filesystem::path(tmpl) / "suite";
    createSuiteFolder(dir.string(), false);
    writeDefinitions(*openDatabase(dir / suitefile::Standard));
    writeRecords(*openDatabase(dir / suitefile::Meeting));

    auto store = DataStore::open(dir.string());
    store->atld00().moveFirst();
    MeetingDetails meeting = LoadMeetingDetails(store->atld00());
    auto standard = openDatabase(dir / suitefile::Standard);

    auto rawScan = [&] {
        size_t sum = 0;
        for (auto [db, sql] : {std::pair<SQLite::Database*, const char*>{standard.get(), query::Atld10},
                               {&store->meetingDatabase(), query::Atld60}}) {
            SQLite::Statement st(*db, sql);
            while (st.executeStep())
                for (int c = 0; c < st.getColumnCount(); ++c)
                    sum += st.getColumn(c).getString().size();
        }
        if (sum == 0)
            std::abort();
    };
    GridModel flxRek;
    auto display = [&] {
        DisplayRecordSet(flxRek, *store, meeting, {1, "Set 1", "S"}, Language::English, [](int, int) {});
        if (flxRek.rows() != kDefinitions + 1)
            std::abort();
    };
    auto [scan, shown] = bestOfPairs(11, rawScan, display);
    std::printf("raw scan of Atld10 and Atld60: %8.2f ms\n", scan);
    std::printf("Display of a set:              %8.2f ms  ratio %.2fx (goal within 5x)\n", shown, shown / scan);
    std::filesystem::remove_all(tmpl);
    return 0;
}
