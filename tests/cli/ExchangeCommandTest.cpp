// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/ProgrammeExport.h"
#include "support/WorkbookEdit.h"

using namespace dravik;
using test::HasSubstr;
using test::ThrowsMessage;
namespace fs = std::filesystem;

namespace {

// The demo meeting, with its programme and records as they were before the command.
class ExchangeCommands : public ::testing::Test {
protected:
    void SetUp() override { keep(); }
    void keep() { programme = dir.rows(kProgramme), records = dir.rows(kRecords); }
    void expectUnchanged()
    {
        EXPECT_EQ(dir.rows(kProgramme), programme);
        EXPECT_EQ(dir.rows(kRecords), records);
    }
    static constexpr const char* kProgramme = "SELECT * FROM Atld40 ORDER BY rowid";
    static constexpr const char* kRecords = "SELECT * FROM Atld60 ORDER BY rowid";
    test::DemoSuite dir;
    std::vector<std::string> programme, records;
};

// A definition number of five digits comes back whole: column 8 shows its last
// four digits, column 15 the whole number. The import stores the rows as Write to
// Program words them, with HE "H" where the meeting had "E"; the rest as it was.
TEST_F(ExchangeCommands, ExportThenImportStoresTheSameProgrammeAndRecords)
{
    dir.meetingDb().exec("UPDATE Atld40 SET HE = 'H'");
    dir.meetingDb().exec("UPDATE Atld40 SET Tabverw = 12345 WHERE rowid = (SELECT min(rowid) FROM Atld40)");
    auto dsd11 = openDatabase(dir.path() / suitefile::Standard);
    dsd11->exec("INSERT INTO Atld10 SELECT * FROM Atld10 WHERE rowid = (SELECT min(rowid) FROM Atld10)");
    dsd11->exec("UPDATE Atld10 SET Nommer = 12345 WHERE rowid = (SELECT max(rowid) FROM Atld10)");
    keep(); // the rows the import must store
    dir.meetingDb().exec("UPDATE Atld40 SET HE = 'E'");
    ASSERT_EQ(programme.front().rfind("12345", 0), 0u) << programme.front();
    const std::string events = std::to_string(programme.size());

    std::ostringstream out;
    fs::path typed = dir.path() / "meet.2024.xls", written = dir.path() / "meet.xlsx";
    EXPECT_EQ(cli::runExportCommand(dir.path().string(), typed.string(), "1", Language::English, out), 0);
    EXPECT_TRUE(fs::exists(written));
    EXPECT_THAT(out.str(),
                HasSubstr("Wrote " + events + " events to \"" + written.string() + "\" with the records of set 1"));

    std::ostringstream in;
    EXPECT_EQ(cli::runImportCommand(dir.path().string(), written.string(), "1", Language::Afrikaans, in), 0);
    // --lang af answers in Afrikaans.
    for (const std::string& said :
         {"Het " + events + " programrye in Atld40 gestoor", std::string("rekords in stel 1 geskryf")})
        EXPECT_THAT(in.str(), HasSubstr(said));
    expectUnchanged();
}

TEST_F(ExchangeCommands, RefusedFilesAndSetsLeaveTheMeetingAsItWas)
{
    std::ostringstream ok;
    fs::path workbook = dir.path() / "Program.xlsx", junk = dir.path() / "junk.xlsx";
    cli::runExportCommand(dir.path().string(), workbook.string(), "", Language::English, ok);
    std::ofstream(junk) << "not a workbook";
    // Export never replaces a workbook unasked.
    EXPECT_THROW(cli::runExportCommand(dir.path().string(), workbook.string(), "", Language::English, ok),
                 std::exception);
    EXPECT_EQ(cli::runExportCommand(dir.path().string(), workbook.string(), "", Language::English, ok, true), 0);

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
        EXPECT_THAT([&] { cli::runImportCommand(dir.path().string(), c.file.string(), c.set, Language::English, ok); },
                    ThrowsMessage<std::exception>(HasSubstr(c.message)));
        expectUnchanged();
    }
}

// A workbook cell that the Compile tab would refuse: the message names the sheet
// row, the column and the value; nothing is stored.
TEST_F(ExchangeCommands, BadCellsOfAWorkbookStoreNothing)
{
    auto store = dir.open();
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    GridModel shown;
    setupProgrammeGrid(shown, Language::English);
    loadProgrammeGrid(store->atld40(), ref, Language::English, shown);

    // told: in the message, the value as the road reads it
    struct Case {
        int col;
        const char* typed;
        const char* told;
    } cases[] = {
        {xcol::Time, "ab:cd", "\"ab:cd\""},
        {xcol::Record, "fast", "\"fast\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed));
        GridModel exchange;
        setupExchangeGrid(exchange);
        readFromProgramme(shown, ref.definitions, exchange);
        exchange.setCell(3, c.col, c.typed);
        fs::path workbook = dir.path() / "bad.xlsx";
        fs::remove(workbook);
        exportWorkbook(exchange, "", workbook.string());
        std::ostringstream out;
        const char* row = c.col == xcol::Record ? "event 3 (100m), sheet row 8: the record" : "sheet row 8: Row 3";
        EXPECT_THAT([&] { cli::runImportCommand(dir.path().string(), workbook.string(), "1", Language::English, out); },
                    ThrowsMessage<std::exception>(testing::AllOf(HasSubstr(row), HasSubstr(c.told))));
        expectUnchanged();
    }

    // An exchange grid with no rows is no programme.
    GridModel empty, grid = shown;
    setupExchangeGrid(empty);
    EXPECT_FALSE(writeToProgramme(empty, Language::Afrikaans, 3, grid).ok());
    EXPECT_EQ(grid.rows(), shown.rows());
}

// A workbook whose list ends at a blank number in sheet row 7 would replace the
// demo programme by one event: refused without --force, stored with it.
TEST_F(ExchangeCommands, AnImportThatEmptiesTheProgrammeNeedsForce)
{
    ASSERT_GT(programme.size(), 10u);
    std::ostringstream out;
    const fs::path workbook = dir.path() / "short.xlsx";
    cli::runExportCommand(dir.path().string(), workbook.string(), "", Language::English, out);
    test::clearWorkbookCell(workbook.string(), 7, scol::Number);
    EXPECT_THAT([&] { cli::runImportCommand(dir.path().string(), workbook.string(), "", Language::English, out); },
                ThrowsMessage<std::exception>(testing::AllOf(HasSubstr("sheet row 7,"), HasSubstr("--force"),
                                                             HasSubstr(std::to_string(programme.size()) + " rows"))));
    expectUnchanged();
    EXPECT_EQ(cli::runImportCommand(dir.path().string(), workbook.string(), "", Language::English, out, true), 0);
    EXPECT_EQ(dir.rows(kProgramme).size(), 1u);
    // A programme of one event is still exported.
    const fs::path one = dir.path() / "one.xlsx";
    EXPECT_EQ(cli::runExportCommand(dir.path().string(), one.string(), "", Language::English, out), 0);
    EXPECT_TRUE(fs::exists(one));
}

// A workbook cell holding #N/A is named in the chosen language; nothing is stored.
TEST_F(ExchangeCommands, AnUnreadableCellIsNamedInTheChosenLanguage)
{
    const fs::path workbook = fs::path(__FILE__).parent_path().parent_path() / "data" / "workbooks" / "cell-error.xlsx";
    std::ostringstream out;
    EXPECT_THAT([&] { cli::runImportCommand(dir.path().string(), workbook.string(), "", Language::Afrikaans, out); },
                ThrowsMessage<std::exception>(HasSubstr("blad \"Program\", sel J7 hou \"#N/A\"")));
    expectUnchanged();
}

} // namespace
