#include "cli/Commands.h"

#include "CliTestSupport.h"
#include "data/SuiteSetup.h"

#include <gtest/gtest.h>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

using test::tableRows;

TEST(ExchangeCommands, ExportThenImportStoresTheSameProgrammeAndRecords)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), true);
    fs::path meeting = dir.path() / "Dsd00.mdb";
    auto programme = tableRows(meeting, "Atld40");
    auto records = tableRows(meeting, "Atld60");

    std::ostringstream out;
    fs::path typed = dir.path() / "meet.2024.xls";
    EXPECT_EQ(cli::runExportCommand(dir.path().string(), typed.string(), "1", Language::English, out), 0);
    fs::path written = dir.path() / "meet.xlsx";
    EXPECT_TRUE(fs::exists(written));
    EXPECT_NE(out.str().find("Wrote " + std::to_string(programme.size()) + " events to \"" + written.string() +
                             "\" with the records of set 1"),
              std::string::npos)
        << out.str();

    std::ostringstream in;
    EXPECT_EQ(cli::runImportCommand(dir.path().string(), written.string(), "1", Language::Afrikaans, in), 0);
    EXPECT_NE(in.str().find("Read " + std::to_string(programme.size()) + " rows"), std::string::npos) << in.str();
    EXPECT_NE(in.str().find("Stored " + std::to_string(programme.size()) + " programme rows"), std::string::npos);
    EXPECT_NE(in.str().find("records into set 1"), std::string::npos);

    // Written back as Write to Program words it: HE "H", Invoer empty; the rest as it was.
    auto after = tableRows(meeting, "Atld40");
    ASSERT_EQ(after.size(), programme.size());
    for (size_t i = 0; i < after.size(); ++i) {
        std::string expected = programme[i];
        ASSERT_NE(expected.find("|E|"), std::string::npos) << expected;
        EXPECT_EQ(after[i], expected.replace(expected.find("|E|"), 3, "|H|"));
    }
    EXPECT_EQ(tableRows(meeting, "Atld60"), records);
}

TEST(ExchangeCommands, RefusedFilesAndSetsLeaveTheMeetingAsItWas)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), true);
    fs::path meeting = dir.path() / "Dsd00.mdb";
    auto programme = tableRows(meeting, "Atld40");
    auto records = tableRows(meeting, "Atld60");
    std::ostringstream ok;
    fs::path workbook = dir.path() / "Program.xlsx";
    cli::runExportCommand(dir.path().string(), workbook.string(), "", Language::English, ok);
    fs::path junk = dir.path() / "junk.xlsx";
    std::ofstream(junk) << "not a workbook";

    struct Case {
        fs::path file;
        const char* set;
        const char* message;
    } cases[] = {
        {junk, "", "junk.xlsx"},
        {dir.path() / "missing.ods", "", "missing.ods"},
        {workbook, "0", "Geen rekordstel is gekies nie!"},
        {workbook, "42", "no record set with reference 42"},
        {workbook, "one", "--set"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string() + " " + c.set);
        std::ostringstream out;
        try {
            cli::runImportCommand(dir.path().string(), c.file.string(), c.set, Language::English, out);
            ADD_FAILURE() << "no error";
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(tableRows(meeting, "Atld40"), programme);
        EXPECT_EQ(tableRows(meeting, "Atld60"), records);
    }
}

} // namespace
