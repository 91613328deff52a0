// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save of a 5,000-row programme against raw SQLite select and insert
// of the same rows, measured in the same run. Prints the ratios.
#include "BenchSupport.h"
#include "data/Schema.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

using namespace dravik;

using dravik::bench::bestOfPairs;
using dravik::bench::timed;

int main()
{
    const int rows = 5000;
    const std::string tmpl = dravik::bench::makeTempFolder("dravik-bench-XXXXXX");
    std::filesystem::path dir = tmpl;
    auto db = createDatabase(dir / "Dsd00.mdb");
    createTables(*db, schemaOf("Dsd00.mdb"));
    // The baseline table has the same columns and index as the programme table.
    // It lies in a database of its own: a write to it on the programme's
    // connection would tell Save's change check that the database changed.
    auto rawDb = createDatabase(dir / "Raw.db");
    createTables(*rawDb, schemaOf("Dsd00.mdb"));
    rawDb->exec("CREATE TABLE Raw AS SELECT * FROM Atld40 WHERE 0");
    rawDb->exec("CREATE INDEX Raw_ix ON Raw (Draws, Nommer, Sub)");

    EventReference ref;
    std::vector<EventDefinition> defs;
    std::vector<CatalogueEntry> cat;
    for (int i = 0; i < 600; ++i) {
        defs.push_back({double(1000 + i), 1 + i % 8, i % 2 ? "S" : "M", std::to_string(6 + i % 14),
                        std::to_string(100 + i % 40), "", "J"});
    }
    for (int k = 0; k < 40; ++k)
        cat.push_back({std::to_string(100 + k), std::to_string(60 + k * 10) + "m", std::to_string(60 + k * 10) + "m"});
    ref.definitions.assign(defs);
    ref.catalogue.assign(cat);

    GridModel grid;
    setupProgrammeGrid(grid, Language::English);
    for (int r = 0; r < rows; ++r) {
        char time[6];
        std::snprintf(time, sizeof time, "%02d:%02d", 8 + (r / 60) % 12, r % 60);
        grid.addItem(std::to_string(r + 1) + "\t \t" + time + "\tMale\t12\t100m\tHeat\tA\t0\t" +
                     std::to_string(1000 + r % 600) + "\t \tE\t \t0\t\t" + std::to_string(1 + r % 3));
    }
    const ProgrammeRules rules{3, ref.definitions};
    auto rows40 = programmeRowsToStore(grid, Language::English, rules);
    RecordSet atld40(*db, query::Atld40);
    // Save as the window saves: with the check that nobody changed the table since it was loaded.
    std::optional<std::uint64_t> loaded = atld40.tableFingerprint();

    auto rawInsertBody = [&] {
        SQLite::Transaction tx(*rawDb);
        rawDb->exec("DELETE FROM Raw");
        SQLite::Statement st(*rawDb,
                             "INSERT INTO Raw (Tabverw, UFvlak, Nommer, Tyd, Punt, Sub, Invoer, HE, Wind, Draws) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const auto& row : rows40) {
            st.reset();
            for (size_t i = 0; i < row.size(); ++i) {
                const auto& v = row[i].second;
                if (v.isReal())
                    st.bind(int(i + 1), v.number());
                else
                    st.bind(int(i + 1), v.text());
            }
            st.exec();
        }
        tx.commit();
    };
    auto [rawInsert, save] = bestOfPairs(21, rawInsertBody,
                                         [&] { saveProgrammeGrid(grid, Language::English, rules, atld40, &loaded); });

    auto rawSelectBody = [&] {
        SQLite::Statement st(*db, "SELECT * FROM Atld40 ORDER BY Draws, Nommer, Sub");
        size_t chars = 0;
        while (st.executeStep())
            for (int c = 0; c < st.getColumnCount(); ++c)
                chars += st.getColumn(c).getString().size();
        if (chars == 0)
            std::abort();
    };
    GridModel loadedGrid;
    setupProgrammeGrid(loadedGrid, Language::English);
    auto [rawSelect, load] = bestOfPairs(21, rawSelectBody, [&] {
        RecordSet fresh(*db, query::Atld40);
        loadProgrammeGrid(fresh, ref, Language::English, loadedGrid);
    });

    double build = 1e30;
    for (int i = 0; i < 21; ++i)
        build = std::min(build, timed([&] { programmeRowsToStore(grid, Language::English, rules); }));
    std::printf("rows: %d (turning the grid into rows takes %.2f ms of the save)\n", rows, build);
    std::printf("raw insert %.2f ms, save %.2f ms, ratio %.2f (goal <= 2)\n", rawInsert, save, save / rawInsert);
    std::printf("raw select %.2f ms, load %.2f ms, ratio %.2f (goal <= 3)\n", rawSelect, load, load / rawSelect);
    std::filesystem::remove_all(dir);
    return 0;
}
