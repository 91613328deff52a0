// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WebFolderSetting.h"
#include "data/DataStore.h"
#include "data/SuiteSetup.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace dravik;

namespace {

// The web folder is kept beside the suite's options and leaves them as they are.
TEST(WebFolderSetting, KeptReplacedAndClearedBesideTheOptions)
{
    test::TempFolder dir;
    const std::string suite = dir.path().string();
    createSuiteFolder(suite, false);
    const int language = readLanguageOption(suite);
    EXPECT_EQ(readWebFolderSetting(suite), "");
    for (const std::string folder : {"/srv/www/meeting", "C:\\Web \"Site\"", "/srv/www/other", ""}) {
        writeWebFolderSetting(suite, folder);
        EXPECT_EQ(readWebFolderSetting(suite), folder);
        EXPECT_EQ(readLanguageOption(suite), language);
    }
    EXPECT_THROW(writeWebFolderSetting(suite + "/missing/", "/x"), std::exception);
}

} // namespace
