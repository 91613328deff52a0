// SPDX-License-Identifier: GPL-3.0-or-later
// "Lees Items" plus "Skep Program" on 20,000 entries over 600 definitions,
// against a plain SQLite scan of the same Atld37 rows, in one run; prints the ratio.
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "generator/HeatSizeTable.h"
#include "generator/Schedule.h"
#include "generator/WorkingList.h"
#include "platform/GridModel.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace dravik;

constexpr int kDefinitions = 600;
constexpr int kEntries = 20000;

class BenchSuite {
public:
    BenchSuite()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravik-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        dir_ = pattern + "/";
        createSuiteFolder(dir_, false);
        fillStandard();
        fillEntries();
        store_ = DataStore::open(dir_);
        ref_ = loadEventReference(store_->atld10(), store_->atld19(), store_->atld11(), store_->atld18());
    }
    ~BenchSuite()
    {
        store_.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    const std::string& dir() const { return dir_; }
    DataStore& store() { return *store_; }
    const EventReference& ref() const { return ref_; }

private:
    void fillStandard()
    {
        static const char* names[] = {"100m",          "200m",       "400m",        "800m",         "1500m",
                                      "3000m",         "5000m",      "80m Hurdles", "100m Hurdles", "300m Hurdles",
                                      "2000m Steeple", "Long Jump",  "High Jump",   "Shot Put",     "Discus",
                                      "Javelin",       "Pole Vault", "4x100m",      "3000m Walk",   "Triple Jump"};
        static const int kinds[] = {1, 1, 1, 2, 2, 2, 2, 5, 5, 5, 6, 7, 7, 8, 8, 8, 7, 3, 9, 7};
        SQLite::Database db(dir_ + suitefile::Standard, SQLite::OPEN_READWRITE);
        SQLite::Transaction tx(db);
        db.exec("DELETE FROM Atld10; DELETE FROM Atld11");
        SQLite::Statement cat(db, "INSERT INTO Atld11 (Nom, Bske, Bska) VALUES (?, ?, ?)");
        for (int k = 0; k < 20; ++k) {
            cat.reset();
            cat.bind(1, k + 1);
            cat.bind(2, names[k]);
            cat.bind(3, names[k]);
            cat.exec();
        }
        SQLite::Statement def(
            db, "INSERT INTO Atld10 (Nommer, Tipe, SM, Oud, besk, Nota, Amp) VALUES (?, ?, ?, ?, ?, '', 'J')");
        for (int n = 1; n <= kDefinitions; ++n) {
            int key = (n - 1) % 20;
            def.reset();
            def.bind(1, n);
            def.bind(2, kinds[key]);
            def.bind(3, (n / 20) % 2 ? "S" : "M");
            def.bind(4, 6 + (n / 40) % 14);
            def.bind(5, key + 1);
            def.exec();
        }
        tx.commit();
        SQLite::Database further(dir_ + suitefile::Further, SQLite::OPEN_READWRITE);
        further.exec("DELETE FROM Atld18; DELETE FROM Atld19");
    }

    void fillEntries()
    {
        SQLite::Database db(dir_ + suitefile::Meeting, SQLite::OPEN_READWRITE);
        SQLite::Transaction tx(db);
        SQLite::Statement st(db, "INSERT INTO Atld37 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, 0, 0, 0)");
        // A fixed pseudo-random spread, so every run measures the same meeting.
        std::uint32_t seed = 12345;
        for (int athlete = 1; athlete <= kEntries; ++athlete) {
            seed = seed * 1664525u + 1013904223u;
            st.reset();
            st.bind(1, athlete);
            st.bind(2, static_cast<int>(seed % kDefinitions) + 1);
            st.exec();
        }
        tx.commit();
    }

    std::string dir_;
    std::unique_ptr<DataStore> store_;
    EventReference ref_;
};

BenchSuite& suite()
{
    static BenchSuite s;
    return s;
}

void BM_RawScan(benchmark::State& state)
{
    SQLite::Database db(suite().dir() + suitefile::Meeting, SQLite::OPEN_READONLY);
    for (auto _ : state) {
        SQLite::Statement st(db, "SELECT * FROM Atld37 ORDER BY Nommer, Tnom");
        std::int64_t sum = 0;
        int rows = 0;
        while (st.executeStep()) {
            for (int c = 0; c < st.getColumnCount(); ++c) {
                SQLite::Column col = st.getColumn(c);
                if (col.isInteger())
                    sum += col.getInt64();
                else if (col.isFloat())
                    sum += static_cast<std::int64_t>(col.getDouble());
                else if (!col.isNull())
                    sum += static_cast<std::int64_t>(col.getString().size());
            }
            ++rows;
        }
        benchmark::DoNotOptimize(sum);
        state.counters["rows"] = rows;
    }
}

// The window's case: Atld37 is the open record set of the data store.
void BM_LeesItemsSkepProgram(benchmark::State& state)
{
    GridModel flxNBane;
    setupHeatSizeTable(flxNBane);
    GridModel flxNLys;
    for (auto _ : state) {
        readItems(flxNLys, suite().store().atld37(), suite().ref(), flxNBane);
        createProgramme(flxNLys, "08:00");
        benchmark::DoNotOptimize(flxNLys.rows());
    }
    state.counters["rows"] = flxNLys.rows() - 1;
}

// The same with the record set read again from the table first.
void BM_RequeryLeesItemsSkepProgram(benchmark::State& state)
{
    GridModel flxNBane;
    setupHeatSizeTable(flxNBane);
    GridModel flxNLys;
    for (auto _ : state) {
        suite().store().atld37().requery();
        readItems(flxNLys, suite().store().atld37(), suite().ref(), flxNBane);
        createProgramme(flxNLys, "08:00");
        benchmark::DoNotOptimize(flxNLys.rows());
    }
}

BENCHMARK(BM_RawScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeesItemsSkepProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryLeesItemsSkepProgram)->Unit(benchmark::kMillisecond);

// Shows the runs as usual and keeps each benchmark's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    suite();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto scan = reporter.seconds.find("BM_RawScan");
    if (scan == reporter.seconds.end() || scan->second <= 0)
        return 0;
    for (const char* name : {"BM_LeesItemsSkepProgram", "BM_RequeryLeesItemsSkepProgram"}) {
        auto it = reporter.seconds.find(name);
        if (it != reporter.seconds.end())
            std::printf("%s / BM_RawScan = %.2f (goal: within 5)\n", name, it->second / scan->second);
    }
    return 0;
}
