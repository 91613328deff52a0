#include "CliTestSupport.h"

#include <stdexcept>

namespace dravik {
namespace {

namespace fs = std::filesystem;

TEST(PublishCommand, WritesTheFolderOrSaysWhatIsWrong)
{
    test::DemoSuite dir;
    const fs::path web = dir.path() / "web";
    const std::string to = web.string(), blocked = (dir.path() / "Dsd00.mdb" / "web").string();
    struct Case {
        cli::PublishCommandOptions options;
        std::string message; // "" when the folder is written
    };
    const Case cases[] = {
        {{to, "values", "1", 0}, ""}, {{to, "values", "1", 1}, ""}, {{blocked, "none", "", 0}, blocked},
        {{to, "none", "", 5}, "--day 5 is not a day of the meeting"},
        {{to, "some", "", 0}, "Unknown --records \"some\""}, {{to, "none", "99", 0}, "There is no record set 99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::ostringstream out;
        try {
            EXPECT_EQ(cli::runPublishCommand(dir.folder(), c.options, out), 0);
            EXPECT_TRUE(c.message.empty());
            const auto said = test::lines(out.str());
            ASSERT_EQ(said.size(), 2u) << out.str();
            EXPECT_EQ(said[0].rfind("Wrote " + (web / "index.html").string() + " (", 0), 0u) << said[0];
            EXPECT_TRUE(fs::file_size(web / "records.html") > 0);
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_FALSE(c.message.empty()) << e.what();
        }
    }
}

} // namespace
} // namespace dravik
