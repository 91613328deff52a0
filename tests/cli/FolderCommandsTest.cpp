// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"

#include <fstream>
#include <regex>
#include <stdexcept>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// The demo meeting numbers each day from 1: one day's start lists are written,
// all days at once are refused with a message and no file.
TEST(LynxCommand, WritesOneDayOfTheDemoMeeting)
{
    test::DemoSuite dir;
    const fs::path camera = dir.path() / "camera";
    fs::create_directory(camera);

    std::ostringstream all;
    EXPECT_THROW(cli::runLynxCommand(dir.path().string(), {camera.string(), 0}, Language::English, all),
                 std::runtime_error);
    EXPECT_TRUE(fs::is_empty(camera));

    std::ostringstream out;
    EXPECT_EQ(cli::runLynxCommand(dir.path().string(), {camera.string(), 2}, Language::Afrikaans, out), 0);
    std::smatch counts;
    const std::string said = out.str();
    ASSERT_TRUE(std::regex_search(said, counts, std::regex("Wrote (\\d+) races and (\\d+) competitors"))) << said;
    auto text = [&](const char* name) {
        std::ifstream in(camera / name);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(std::to_string(test::lines(text("lynx.sch")).size()), counts[1].str());
    EXPECT_EQ(std::to_string(test::lines(text("lynx.ppl")).size()), counts[2].str());

    // With a day offset every day goes into one folder at once.
    std::ostringstream everyDay;
    EXPECT_EQ(cli::runLynxCommand(dir.path().string(), {camera.string(), 0, 1000}, Language::English, everyDay), 0);
    EXPECT_NE(text("lynx.evt").find("\r\n2001,1,1,1 "), std::string::npos) << "day 3's event 1";
}

TEST(PublishCommand, WritesTheFolderOrSaysWhatIsWrong)
{
    test::DemoSuite dir;
    const fs::path web = dir.path() / "web";
    std::ostringstream out;
    EXPECT_EQ(cli::runPublishCommand(dir.folder(), {web.string(), "values", "1", 0}, out), 0);
    const auto said = test::lines(out.str());
    ASSERT_EQ(said.size(), 2u) << out.str();
    EXPECT_EQ(said[0].rfind("Wrote " + (web / "index.html").string() + " (", 0), 0u) << said[0];
    EXPECT_TRUE(fs::file_size(web / "records.html") > 0);

    const std::string blocked = (dir.path() / "Dsd00.mdb" / "web").string();
    EXPECT_THAT(
        [&] {
            cli::runPublishCommand(dir.folder(), {blocked, "none", "", 0}, out);
        },
        test::ThrowsMessage<std::exception>(test::HasSubstr(blocked)));
    EXPECT_THAT(
        [&] {
            cli::runPublishCommand(dir.folder(), {web.string(), "none", "99", 0}, out);
        },
        test::ThrowsMessage<std::exception>(test::HasSubstr("There is no record set 99")));
}

} // namespace

// A web folder set once makes every stored programme publish the site; a folder
// that cannot be written is reported and the programme is stored all the same.
TEST(PublishOnSave, EverySaveRepublishesAndAFailureLeavesTheSave)
{
    test::DemoSuite dir;
    const fs::path web = dir.path() / "site";
    const fs::path blocker = dir.path() / "a-file";
    std::ofstream(blocker) << "keep";
    struct Case {
        std::string folder;
        bool off;
        std::string says;
        bool written;
    };
    const Case cases[] = {
        {"", false, "No web folder is set", false},
        {web.string(), false, "Published the web site into " + web.string(), true},
        {blocker.string(), false, "Saved, but the web site was not published into " + blocker.string(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        fs::remove_all(web);
        std::ostringstream set;
        EXPECT_EQ(cli::runWebFolderCommand(dir.folder(), c.folder, c.off, set), 0);

        std::ostringstream out;
        EXPECT_EQ(cli::runGenerateCommand(dir.folder(), "08:00", true, out), 0);
        const auto said = test::lines(out.str());
        ASSERT_GE(said.size(), 2u);
        const bool publishes = !c.folder.empty();
        // The programme is stored first, whatever becomes of the site.
        EXPECT_EQ(said[said.size() - (publishes ? 2 : 1)].rfind("Stored ", 0), 0u) << out.str();
        if (publishes) {
            EXPECT_EQ(said.back().rfind(c.says, 0), 0u) << said.back();
        }
        EXPECT_EQ(fs::exists(web / "index.html"), c.written);
        EXPECT_TRUE(fs::is_regular_file(blocker));
    }
    std::ostringstream both;
    EXPECT_THROW(cli::runWebFolderCommand(dir.folder(), web.string(), true, both), std::invalid_argument);
}
