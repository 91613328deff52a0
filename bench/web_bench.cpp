// The web page with every start list for a meeting of 1,000 events and 20,000
// entries, against a raw SQLite scan of the entries (Atld37) in the same run.
// Prints the ratio (goal: the page within 10x of the scan, as for the gate programme).
#include "BenchSupport.h"
#include "BigMeeting.h"
#include "printing/WebSite.h"

#include <SQLiteCpp/Statement.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace dravik;

int main()
{
    const std::string tmpl = bench::makeTempFolder("dravik-bench-XXXXXX");
    const std::filesystem::path dir = tmpl;
    bench::BigMeeting big = bench::buildBigMeeting(dir / "suite");
    const printing::PrintSources src = big.sources();
    SQLite::Database& db = big.store->meetingDatabase();

    auto rawScan = [&] { bench::scanEntries(db); };
    const printing::WebLogo logo{"image/png", std::string(4000, 'x')};
    size_t pageSize = 0, events = 0;
    auto page = [&] {
        printing::PrintOptions options;
        options.records = printing::RecordsIncluded::ValuesOnly;
        const printing::WebSite site = printing::buildWebSite(src, options, logo);
        pageSize = site.files.at(0).content.size();
        events = site.events;
    };
    auto [scan, web] = bench::bestOfPairs(11, rawScan, page);
    std::printf("events: %zu, entries: %d, index.html: %.0f kB\n", events,
                big.store->atld37().recordCount() + big.store->atld28().recordCount(), pageSize / 1024.0);
    std::printf("raw scan of Atld37 %.2f ms\n", scan);
    std::printf("web page with start lists %.2f ms, ratio %.2f (goal <= 10)\n", web, web / scan);

    // The whole publish: the page written as a folder that replaces the last one.
    auto publish = [&] {
        printing::PrintOptions options;
        options.records = printing::RecordsIncluded::ValuesOnly;
        printing::writeWebFolder((dir / "web").string(), printing::buildWebSite(src, options, logo).files);
    };
    auto [scan2, written] = bench::bestOfPairs(5, rawScan, publish);
    std::printf("web page written as a folder %.2f ms, ratio %.2f\n", written, written / std::min(scan, scan2));
    std::filesystem::remove_all(dir);
    return 0;
}
