// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SuiteFolders.h"
#include "data/Schema.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// A suite copied from `original` to `copy` still names the original's folders
// in its paths: it writes into its own folders, and says so.
TEST(SuiteFolders, ACopiedOrMovedSuiteWritesIntoItself)
{
    test::TempFolder dir;
    const fs::path original = dir.path() / "original", copy = dir.path() / "copy", loose = dir.path() / "loose";
    for (const fs::path& suite : {original, copy}) {
        fs::create_directories(suite / "Data");
        fs::create_directories(suite / "Import");
        std::ofstream(suite / suitefile::Paths) << "";
    }
    fs::create_directories(loose / "Data");
    const std::string own = (copy / "Data").string() + "/";

    struct Case {
        std::string stored, used;
        bool told;
    };
    const Case cases[] = {
        // In another suite's folder: this suite's folder of that name.
        {(original / "Data").string() + "/", own, true},
        // In a folder that is gone (the suite was moved): the same.
        {(dir.path() / "gone" / "Data").string() + "/", own, true},
        // Gone, and this suite has no such folder: kept, and told.
        {(dir.path() / "gone" / "Results").string() + "/", (dir.path() / "gone" / "Results").string() + "/", true},
        // A folder of its own outside any suite, a relative one: kept.
        {(loose / "Data").string() + "/", (loose / "Data").string() + "/", false},
        {"Data/", "Data/", false},
    };
    for (const Case& c : cases) {
        FolderSettings folders;
        folders.data = c.stored;
        folders.import = (copy / "Import").string() + "/";
        auto moved = resolveMovedFolders(folders, copy.string());
        EXPECT_EQ(folders.data, c.used) << c.stored;
        EXPECT_EQ(folders.import, (copy / "Import").string() + "/") << c.stored;
        ASSERT_EQ(moved.size(), c.told ? 1u : 0u) << c.stored;
        if (c.told) {
            EXPECT_EQ(moved[0].field, "Data");
            EXPECT_NE(movedFoldersNote(moved, false).find(c.stored), std::string::npos);
        }
    }
}

} // namespace
