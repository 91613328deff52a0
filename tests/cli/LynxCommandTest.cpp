#include "CliTestSupport.h"

#include <fstream>
#include <regex>

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
    EXPECT_THROW(cli::runLynxCommand(dir.path().string(), camera.string(), 0, Language::English, all),
                 std::runtime_error);
    EXPECT_TRUE(fs::is_empty(camera));
    EXPECT_THROW(cli::runLynxCommand(dir.path().string(), camera.string(), 4, Language::English, all),
                 std::invalid_argument);

    std::ostringstream out;
    EXPECT_EQ(cli::runLynxCommand(dir.path().string(), camera.string(), 2, Language::Afrikaans, out), 0);
    std::smatch counts;
    const std::string said = out.str();
    ASSERT_TRUE(std::regex_search(said, counts, std::regex("Wrote (\\d+) races and (\\d+) competitors"))) << said;
    auto lineCount = [&](const char* name) {
        std::ifstream in(camera / name);
        return std::to_string(test::lines(std::string(std::istreambuf_iterator<char>(in), {})).size());
    };
    EXPECT_EQ(lineCount("lynx.sch"), counts[1].str());
    EXPECT_EQ(lineCount("lynx.ppl"), counts[2].str());
    std::ifstream evt(camera / "lynx.evt");
    const std::string events(std::istreambuf_iterator<char>(evt), {});
    EXPECT_NE(events.find(",Seuns - "), std::string::npos);
    EXPECT_NE(events.find("01,1,1,"), std::string::npos) << "the relays share numbers through sub letters";
}

} // namespace
