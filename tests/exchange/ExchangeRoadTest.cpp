// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "data/ExchangeTemplate.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ProgrammeExport.h"
#include "exchange/ProgrammeImport.h"
#include "exchange/WorkbookPackage.h"
#include "platform/StoreError.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"
#include "records/RecordSetList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// Every row of a table in rowid order, one text line each.
std::vector<std::string> tableRows(test::Suite& suite, const std::string& table)
{
    return suite.rows("SELECT * FROM " + table + " ORDER BY rowid");
}

GridModel loadedProgramme(test::Suite& suite, Language lang)
{
    GridModel grid;
    setupProgrammeGrid(grid, lang);
    suite.store->atld40().requery();
    loadProgrammeGrid(suite.store->atld40(), suite.ref, lang, grid);
    return grid;
}

TEST(ExchangeRoad, WriteToProgramStoresLevelsOfTheListAndDayOne)
{
    for (Language lang : {Language::English, Language::Afrikaans}) {
        test::Suite suite(false);
        GridModel exchange = test::emptyExchange();
        exchange.addItem("1\ta\t09:00\tManlik\t12\t100m\tFinaal\tA\t\t\t\t\t\t115\t1");
        exchange.addItem("2\t\t09:10\tVroulik\t12\t100m\tSemi-finaal\t\t\t\t\t\t\t97\t1");
        exchange.addItem("3\t\t09:20\tVroulik\t12\t100m\tKwart-eind\t\t\t\t\t\t\t97\t1");
        exchange.addItem("4\t\t09:30\tMale\t12\t100m\tHeat\t\t\t\t\t\t\t115\t1\t3");
        exchange.addItem("10\t\t09:40\tMale\t12\t100m\tnonsense\t\t\t\t\t\t\t115");
        GridModel programme;
        setupProgrammeGrid(programme, lang);
        programme.addItem("77\t\t08:00");
        EXPECT_EQ(writeToProgramme(exchange, lang, 3, programme).rows, 5);
        ASSERT_EQ(programme.rows(), 6);
        EXPECT_EQ((std::vector<std::string>{programme.cell(1, pcol::Gender), programme.cell(2, pcol::Gender),
                                            programme.cell(1, pcol::HE), programme.cell(1, pcol::Wind),
                                            programme.cell(1, pcol::Position), programme.cell(2, pcol::Day),
                                            programme.cell(4, pcol::Day)}),
                  (std::vector<std::string>{maleWord(lang), femaleWord(lang), "H", "0", "", "1", "3"}));

        EXPECT_EQ(saveProgrammeGrid(programme, lang, {3, suite.ref.definitions}, suite.store->atld40()), 5);
        EXPECT_EQ(suite.rows("SELECT Nommer, UFvlak, Draws, HE, '\"' || Sub || '\"', '\"' || Punt || '\"' "
                             "FROM Atld40 ORDER BY rowid"),
                  (std::vector<std::string>{"1.0|0.0|1.0|H|\"a\"|\"A  \"", "2.0|2.0|1.0|H|\" \"|\"   \"",
                                            "3.0|3.0|1.0|H|\" \"|\"   \"", "4.0|4.0|3.0|H|\" \"|\"   \"",
                                            "10.0|3.0|1.0|H|\" \"|\"   \""}));
    }
    GridModel one = test::emptyExchange(), programme;
    one.addItem("1\t\t09:00\tMale\t12\t100m\tFinal\t\t\t\t\t\t\t115\t1");
    setupProgrammeGrid(programme, Language::English);
    EXPECT_EQ(writeToProgramme(one, Language::English, 1, programme).rows, 1) << "one event is enough";
}

TEST(ExchangeRoad, ExportThenImportGivesBackTheExchangeGrid)
{
    for (Language lang : {Language::English, Language::Afrikaans}) {
        SCOPED_TRACE(isEnglish(lang) ? "English" : "Afrikaans");
        test::Suite suite(true);
        GridModel before = loadedProgramme(suite, lang);
        fs::path templ = exchangeTemplatePath(suite.store->programFolder());
        std::string templateBytes = test::fileBytes(templ);

        // Read from Program replaces what the exchange grid held; the round trip below
        // checks every column it fills.
        GridModel exchange = test::emptyExchange();
        exchange.addItem("99");
        readFromProgramme(before, suite.ref.definitions, exchange);
        ASSERT_EQ(exchange.rows(), before.rows());
        EXPECT_GT(readRecords(suite.store->atld60(), 1, exchange), 40);
        fs::path out = suite.path() / "Import" / outputWorkbookName("meet.2024.xls");
        ExportReport report = exportWorkbook(exchange, templ.string(), out.string());
        EXPECT_EQ(report.rowsWritten, before.rows() - 1);
        EXPECT_FALSE(report.builtInTemplate);
        EXPECT_EQ(test::fileBytes(templ), templateBytes) << "the template changed";

        // The workbook keeps the template's headings and the event codes; the numbers are numbers.
        Sheet sheet = readFirstSheet(out.string(), 1000, scol::Count);
        EXPECT_EQ(sheet.cell(1, 1).asText(), "Dravik Sport - Program");
        EXPECT_EQ(sheet.cell(5, scol::EventCode).asText(), "Event - Code");
        for (int i = 1; i < exchange.rows(); ++i) {
            int r = i + 5;
            EXPECT_EQ(sheet.cell(r, scol::EventCode).asText(),
                      eventCodeText(exchange.cell(i, xcol::Event), exchange.cell(i, xcol::Table)));
            EXPECT_EQ(sheet.cell(r, scol::Number).kind, SheetCell::Kind::Number);
            EXPECT_EQ(sheet.cell(r, scol::Age).kind, SheetCell::Kind::Number);
        }
        EXPECT_TRUE(sheet.cell(exchange.rows() + 5, scol::Number).empty());

        // Back into a grid of its own; sub and place come back trimmed, gender and
        // level as the import words them.
        GridModel imported = test::emptyExchange();
        EXPECT_EQ(importWorkbook(out.string(), suite.ref.definitions, imported), before.rows() - 1);
        for (int r = 1; r < exchange.rows(); ++r) {
            for (int c = 0; c < xcol::Count; ++c) {
                if (c != xcol::Sub && c != xcol::Place && c != xcol::Gender && c != xcol::Level) {
                    EXPECT_EQ(imported.cell(r, c), exchange.cell(r, c)) << r << "," << c;
                }
            }
        }
    }
}

// Without a template the built-in one serves and none is made; a workbook that
// already holds a longer programme keeps nothing of it.
TEST(ExchangeRoad, TheBuiltInTemplateServesAndAShorterProgrammeLeavesNothingBehind)
{
    test::TempFolder dir;
    const fs::path templ = dir.path() / "ItemRek.xlsx", longer = dir.path() / "long.xlsx",
                   shorter = dir.path() / "short.xlsx";
    GridModel exchange = test::emptyExchange();
    for (int i = 1; i <= 1002; ++i)
        exchange.addItem(std::to_string(i) +
                         "\t\t09:00\tManlik\t12\t100m\tFinaal\t\t10.5\t2001\tJan\tSmit\tHere\t115\t\t1");
    EXPECT_TRUE(exportWorkbook(exchange, templ.string(), longer.string()).builtInTemplate);
    EXPECT_FALSE(fs::exists(templ));
    // The import reads to row 1000 and says how many rows it left.
    GridModel imported = test::emptyExchange();
    int notRead = -1;
    EXPECT_EQ(importWorkbook(longer.string(), {}, imported, {}, &notRead), 995);
    EXPECT_EQ(notRead, 7);
    exchange.setRows(3);
    {
        // Some programs name the parts from the package's root.
        xlsx::Package absolute(longer.string(), "");
        std::string rels = absolute.read("xl/_rels/workbook.xml.rels");
        for (size_t at = rels.find("Target=\""); at != std::string::npos; at = rels.find("Target=\"", at + 1))
            rels.insert(at + 8, "/xl/");
        absolute.write("xl/_rels/workbook.xml.rels", rels);
        absolute.commit();
    }
    EXPECT_FALSE(exportWorkbook(exchange, longer.string(), shorter.string()).builtInTemplate);
    Sheet sheet = readFirstSheet(shorter.string(), 20, scol::Count);
    EXPECT_EQ(sheet.cell(7, scol::Number).asText(), "2");
    for (int c = 1; c <= scol::Count; ++c)
        EXPECT_TRUE(sheet.cell(8, c).empty()) << c;
    EXPECT_EQ(importWorkbook(shorter.string(), {}, imported, {}, &notRead), 2);
    EXPECT_EQ(notRead, 0);
    EXPECT_EQ(imported.rowCells(2), exchange.rowCells(2));
}

TEST(ExchangeRoad, ExportFailuresNameTheFileAndWriteNothing)
{
    test::TempFolder dir;
    GridModel exchange = test::emptyExchange();
    exchange.addItem("1\t\t09:00\tManlik\t12\t100m\tFinaal\t\t\t\t\t\t\t115");
    fs::path notWorkbook = dir.path() / "ItemRek.xlsx";
    std::ofstream(notWorkbook) << "not a workbook";
    fs::path good = dir.path() / "good.xlsx";
    writeExchangeTemplate(good.string());
    fs::path existing = dir.path() / "existing.xlsx";
    std::ofstream(existing) << "keep me";

    struct Case {
        fs::path templ, out;
        const char* names;
    } cases[] = {
        {notWorkbook, dir.path() / "a.xlsx", "ItemRek.xlsx"},
        {notWorkbook, existing, "ItemRek.xlsx"},
        {good, dir.path() / "missing" / "b.xlsx", "missing"},
        {good, dir.path(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out.string());
        bool existed = fs::exists(c.out);
        EXPECT_THAT([&] { exportWorkbook(exchange, c.templ.string(), c.out.string()); },
                    testing::ThrowsMessage<ExchangeError>(
                        testing::AllOf(testing::HasSubstr(c.out.string()), testing::HasSubstr(c.names))));
        EXPECT_EQ(fs::exists(c.out), existed);
    }
    EXPECT_EQ(test::fileBytes(existing), "keep me");
    EXPECT_FALSE(fs::exists(dir.path() / "a.xlsx.part"));
}

TEST(ExchangeRoad, RecordsAreWrittenIntoTheSetOncePerEvent)
{
    test::Suite suite(true);
    suite.meetingDb().exec("DELETE FROM Atld60");
    suite.meetingDb().exec("INSERT INTO Atld60 (Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar) VALUES "
                           "(1, 35, 13.5, 'Old', 'Piet', 'Team', 'Here', '2001-01-01', 2001),"
                           "(2, 35, 12.9, 'Other', 'Set', 'Team', 'There', '2002-02-02', 2002)");
    suite.store->atld60().requery();
    GridModel exchange = test::emptyExchange();
    exchange.addItem("1\t\t\t\t\t100m\t\t\t2:05.30\t2020\tAnna\tSmit\tPretoria\t35\t2");
    exchange.addItem("2\t\t\t\t\t1500m\t\t\t1:02:05.50\t2021\tBen\tMolo\tDurban\t272\t2");
    exchange.addItem("3\t\t\t\t\tShot\t\t\t6.45\t2019\tCara\tVan Wyk\tParow\t166\t7");
    exchange.addItem("4\t\t\t\t\tNone\t\t\t\t\t\t\t\t24\t7");
    exchange.addItem("5\t\t\t\t\tShot\t\t\t6.45\t2019\tCara\tVan Wyk\tParow\t166\t7");

    EXPECT_EQ(writeRecords(suite.store->atld60(), 1, exchange), 4);
    // Twice, and an event twice in one write: the set's record of each event is changed, never doubled.
    EXPECT_EQ(writeRecords(suite.store->atld60(), 1, exchange), 4);
    EXPECT_EQ(
        suite.rows("SELECT Verw, Tnom, Rek, Naam, Van, Jaar, Plek, Span FROM Atld60 ORDER BY Verw, Tnom"),
        (std::vector<std::string>{"1|35|125.3|Anna|Smit|2020|Pretoria|Team", "1|166|6.45|Cara|Van Wyk|2019|Parow|",
                                  "1|272|3725.5|Ben|Molo|2021|Durban|", "2|35|12.9|Set|Other|2002|There|Team"}));

    GridModel back = exchange;
    for (int r = 1; r <= 5; ++r)
        for (int c = xcol::Record; c <= xcol::Team; ++c)
            back.setCell(r, c, r == 4 && c == xcol::Record ? "keep" : "");
    EXPECT_EQ(readRecords(suite.store->atld60(), 1, back), 4);
    for (int r : {1, 2, 3, 5})
        for (int c = xcol::Record; c <= xcol::Team; ++c)
            EXPECT_EQ(back.cell(r, c), exchange.cell(r, c)) << r << "," << c;
    EXPECT_EQ(back.cell(4, xcol::Record), "keep");

    EXPECT_THROW(readRecords(suite.store->atld60(), 0, back), ExchangeError);
    EXPECT_THROW(writeRecords(suite.store->atld60(), 0, back), ExchangeError);
}

// Two windows (or a window and the command line) on one suite: a Save never
// overwrites what the other stored after this one loaded, unless asked to, and
// a write while the other holds the database is refused as busy.
TEST(ExchangeRoad, ASaveNeverOverwritesWhatItDidNotLoad)
{
    test::Suite suite(true);
    auto other = DataStore::open(suite.folder());

    std::optional<std::uint64_t> loaded = suite.store->atld40().tableFingerprint();
    GridModel mine = loadedProgramme(suite, Language::English);
    GridModel theirs = mine;
    theirs.removeItem(1);
    saveProgrammeGrid(theirs, Language::English, {3, suite.ref.definitions}, other->atld40());
    const auto stored = tableRows(suite, "Atld40");
    EXPECT_THAT(
        [&] {
            saveProgrammeGrid(mine, Language::English, {3, suite.ref.definitions}, suite.store->atld40(), &loaded);
        },
        testing::Throws<StoreError>(testing::Property(&StoreError::kind, StoreError::Kind::Changed)));
    EXPECT_EQ(tableRows(suite, "Atld40"), stored);
    // Overwriting is a choice; afterwards this window's Save goes through again.
    std::optional<std::uint64_t> overwrite;
    saveProgrammeGrid(mine, Language::English, {3, suite.ref.definitions}, suite.store->atld40(), &overwrite);
    EXPECT_EQ(static_cast<int>(tableRows(suite, "Atld40").size()), mine.rows() - 1);
    EXPECT_NO_THROW(
        saveProgrammeGrid(mine, Language::English, {3, suite.ref.definitions}, suite.store->atld40(), &overwrite));

    // The set list in the same way.
    GridModel sets{setcol::Count};
    RecordSetListState state;
    state.loadedFingerprint = suite.store->atld61().tableFingerprint();
    fillRecordSetGrid(sets, readRecordSetList(suite.store->atld61()));
    other->meetingDatabase().exec("UPDATE Atld61 SET Naam = 'Theirs' WHERE rowid = 1");
    EXPECT_THROW(saveRecordSets(sets, suite.store->atld61(), suite.store->atld60(), state, Language::English),
                 StoreError);
    EXPECT_EQ(suite.rows("SELECT Naam FROM Atld61 WHERE rowid = 1"), std::vector<std::string>{"Theirs"});

    // And the record editor: a record of the shown set changed elsewhere is not overwritten.
    GridModel rek;
    DisplayRecordSet(rek, *suite.store, LoadMeetingDetails(suite.store->atld00()), {1, "Meeting Records", "M"},
                     Language::English);
    std::optional<std::uint64_t> shown = recordSetFingerprint(suite.store->meetingDatabase(), 1);
    other->meetingDatabase().exec("UPDATE Atld60 SET Naam = 'Theirs' WHERE rowid = (SELECT min(rowid) FROM "
                                  "Atld60 WHERE Verw = 1)");
    const auto records = tableRows(suite, "Atld60");
    rek.setCell(1, reccol::Name, "Mine");
    rek.setCell(1, reccol::Record, "9.99");
    EXPECT_THROW(saveRecordGrid(rek, suite.store->atld60(), Language::English, &shown), StoreError);
    EXPECT_EQ(tableRows(suite, "Atld60"), records);

    // While the other holds a write, this one's Save is refused as busy and stores nothing.
    suite.store->meetingDatabase().setBusyTimeout(50);
    other->meetingDatabase().exec("BEGIN IMMEDIATE");
    EXPECT_THAT(
        [&] {
            saveProgrammeGrid(mine, Language::English, {3, suite.ref.definitions}, suite.store->atld40());
        },
        testing::Throws<StoreError>(testing::Property(&StoreError::kind, StoreError::Kind::Busy)));
    other->meetingDatabase().exec("ROLLBACK");
}

} // namespace
