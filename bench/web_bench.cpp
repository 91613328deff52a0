// SPDX-License-Identifier: GPL-3.0-or-later
// The web site with every start list for a meeting of 1,000 events and 20,000
// entries (all pages: start page, day pages, athletes, teams, calendar), against
// a raw SQLite scan of the entries (Atld37) in the same run. Prints the ratio
// (goal: the whole site within 10x of the scan) and each page's size (goal: no
// page over 1 MB).
#include "BenchSupport.h"
#include "BigMeeting.h"
#include "printing/WebPage.h"
#include "printing/WebSite.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
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
    printing::WebSite last;
    auto site = [&] {
        printing::PrintOptions options;
        options.records = printing::RecordsIncluded::ValuesOnly;
        last = printing::buildWebSite(src, options, logo);
    };
    auto [scan, web] = bench::bestOfPairs(11, rawScan, site);
    auto gather = [&] {
        printing::PrintOptions options;
        options.records = printing::RecordsIncluded::ValuesOnly;
        printing::buildWebProgramme(src, options);
    };
    auto [scan3, gathered] = bench::bestOfPairs(5, rawScan, gather);

    size_t total = 0, largest = 0, teamPages = 0, teamBytes = 0, teamLargest = 0;
    std::string largestName;
    for (const printing::WebFile& f : last.files) {
        total += f.content.size();
        if (f.content.size() > largest) {
            largest = f.content.size();
            largestName = f.name;
        }
        if (f.name.rfind("team-", 0) == 0) {
            ++teamPages;
            teamBytes += f.content.size();
            teamLargest = std::max(teamLargest, f.content.size());
        } else {
            std::printf("  %-18s %8.1f kB\n", f.name.c_str(), f.content.size() / 1024.0);
        }
    }
    std::printf("  %zu team pages: %.1f kB in all, the largest %.1f kB\n", teamPages, teamBytes / 1024.0,
                teamLargest / 1024.0);
    std::printf("events: %zu, entries: %d, %zu files, %.0f kB in all, largest page %s %.0f kB (goal <= 1024)\n",
                last.events, big.store->atld37().recordCount() + big.store->atld28().recordCount(), last.files.size(),
                total / 1024.0, largestName.c_str(), largest / 1024.0);
    std::printf("raw scan of Atld37 %.2f ms\n", scan);
    std::printf("the programme with its start lists gathered %.2f ms, ratio %.2f\n", gathered, gathered / scan3);
    std::printf("whole web site with start lists %.2f ms, ratio %.2f (goal <= 10)\n", web, web / scan);

    // The whole publish: the site written as a folder that replaces the last one.
    auto publish = [&] {
        printing::PrintOptions options;
        options.records = printing::RecordsIncluded::ValuesOnly;
        printing::writeWebFolder((dir / "web").string(), printing::buildWebSite(src, options, logo).files);
    };
    auto [scan2, written] = bench::bestOfPairs(5, rawScan, publish);
    std::printf("web site written as a folder %.2f ms, ratio %.2f\n", written, written / std::min(scan, scan2));
    std::filesystem::remove_all(dir);
    return 0;
}
