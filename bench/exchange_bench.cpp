// SPDX-License-Identifier: GPL-3.0-or-later
// Export then import of a 1,000-event programme against reading the same
// workbook with orcus alone (load and walk the cells the import reads), measured
// in the same run. Prints the ratio; the goal is within 3x.
#include "BenchSupport.h"
#include "data/ExchangeTemplate.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/ProgrammeExport.h"
#include "exchange/ProgrammeImport.h"
#include "platform/GridModel.h"

#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>

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
    const int events = 1000;
    const std::string tmpl = dravik::bench::makeTempFolder("dravik-exchange-bench-XXXXXX");
    std::filesystem::path dir = tmpl;
    std::string templateFile = (dir / "ItemRek.xlsx").string();
    std::string workbook = (dir / "Program.xlsx").string();
    writeExchangeTemplate(templateFile);

    GridModel exchange;
    setupExchangeGrid(exchange);
    for (int i = 0; i < events; ++i) {
        char time[6];
        std::snprintf(time, sizeof time, "%02d:%02d", 8 + (i / 60) % 12, i % 60);
        exchange.addItem(std::to_string(i + 1) + "\t\t" + time + "\t" + (i % 2 ? "Manlik" : "Vroulik") + "\t" +
                         std::to_string(8 + i % 12) + "\t" + std::to_string(60 + 10 * (i % 40)) + "m\tFinaal\tA\t" +
                         std::to_string(10 + i % 7) + ".5\t2010\tJan\tSmit\tPretoria\t" + std::to_string(1 + i % 700) +
                         "\t1\t" + std::to_string(1 + i % 3));
    }
    DefinitionList definitions;
    exportWorkbook(exchange, templateFile, workbook);

    size_t cellsSeen = 0;
    auto libraryAlone = [&] {
        orcus::spreadsheet::document doc(orcus::spreadsheet::range_size_t{1048576, 16384});
        orcus::spreadsheet::import_factory factory(doc);
        factory.set_formula_error_policy(orcus::spreadsheet::formula_error_policy_t::skip);
        orcus::orcus_xlsx loader(&factory);
        loader.read_file(workbook);
        const ixion::model_context& cx = doc.get_model_context();
        for (int r = 0; r < scol::LastReadRow; ++r)
            for (int c = 0; c < scol::Count; ++c)
                if (cx.get_cell_access(ixion::abs_address_t(0, r, c)).get_value_type() != ixion::cell_value_t::empty)
                    ++cellsSeen;
    };
    GridModel imported;
    setupExchangeGrid(imported);
    int rowsRead = 0;
    auto exportImport = [&] {
        exportWorkbook(exchange, templateFile, workbook);
        rowsRead = importWorkbook(workbook, definitions, imported);
    };
    auto [library, ours] = bestOfPairs(9, libraryAlone, exportImport);
    if (cellsSeen == 0 || rowsRead == 0)
        std::abort();

    std::printf("Exchange of a %d-event programme (the import reads sheet rows up to %d: %d rows)\n", events,
                scol::LastReadRow, rowsRead);
    std::printf("  orcus alone, load and walk the cells: %8.2f ms\n", library);
    std::printf("  export then import:                   %8.2f ms   ratio %.2fx (goal within 3x)\n", ours,
                ours / library);
    std::filesystem::remove_all(dir);
    return 0;
}
