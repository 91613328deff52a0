// SPDX-License-Identifier: GPL-3.0-or-later
// The photo-finish start lists (lynx.evt, lynx.ppl, lynx.sch) of a meeting of
// 1,000 events and 20,000 entries, read from the open store and written as
// files, against a raw SQLite scan of the entries (Atld37) in the same run.
// Prints the ratio (goal: within 3x of the scan).
#include "BenchSupport.h"
#include "BigMeeting.h"
#include "exchange/PhotoFinishFiles.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace dravik;

int main()
{
    const std::filesystem::path dir = bench::makeTempFolder("dravik-lynx-bench-XXXXXX");
    bench::BigMeeting big = bench::buildBigMeeting(dir / "suite");
    const std::filesystem::path camera = dir / "camera";
    std::filesystem::create_directory(camera);
    SQLite::Database& db = big.store->meetingDatabase();

    auto rawScan = [&] { bench::scanEntries(db); };
    PhotoFinishReport done;
    auto lynx = [&] {
        done = exportPhotoFinish(big.grid, big.reference, *big.store, Language::English, PhotoFinishChoice{},
                                 camera.string());
    };
    auto [scan, files] = bench::bestOfPairs(11, rawScan, lynx);
    std::printf("events: %d, entries: %d; written: %d races, %d competitors (%.0f kB)\n", big.grid.rows() - 1,
                big.store->atld37().recordCount() + big.store->atld28().recordCount(), done.races, done.competitors,
                (std::filesystem::file_size(camera / "lynx.evt") + std::filesystem::file_size(camera / "lynx.ppl") +
                 std::filesystem::file_size(camera / "lynx.sch")) /
                    1024.0);
    std::printf("raw scan of Atld37 %.2f ms\n", scan);
    std::printf("photo-finish start lists %.2f ms, ratio %.2f (goal <= 3)\n", files, files / scan);
    std::filesystem::remove_all(dir);
    return 0;
}
