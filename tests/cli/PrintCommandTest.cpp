#include "support/GuiEnvironment.h"
#include "cli/Commands.h"

#include "CliTestSupport.h"
#include "data/SuiteSetup.h"
#include "render/Render.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <stdexcept>

namespace dravik {
namespace {

namespace fs = std::filesystem;

using test::firstBytes;

// The text of a PDF, read by pdftotext run with an argument list.
std::string pdfText(const fs::path& pdf)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty()) {
        ADD_FAILURE() << "pdftotext is missing: scripts/install-deps.sh installs poppler-utils";
        return {};
    }
    QProcess p;
    p.start(tool, {QString::fromStdString(pdf.string()), "-"});
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override { createSuiteFolder(dir.folder(), true); }
    fs::path odt() const { return dir.path() / "Data" / "Program.odt"; }
    test::TempFolder dir;
};

TEST_F(PrintCommand, WritesThePdfAndTheDocumentFileForEachKindOfPrintout)
{
    struct Case {
        const char* name;
        cli::PrintCommandOptions options;
        const char* document;               // in the data folder
        std::vector<std::string> texts;     // texts the pages must hold
        const char* absent = "";            // a text they must not hold
        const char* said = "";              // in what the command tells
    };
    cli::PrintCommandOptions standard;
    cli::PrintCommandOptions records;
    records.records = "all";
    records.recordDate = "full";
    records.order = "event";
    records.day = 2;
    records.font = 8;
    cli::PrintCommandOptions gate;
    gate.what = "gate";
    gate.names = "draw";
    gate.initials = true;
    gate.results = 9;
    gate.altLanguage = true;
    gate.lang = "af";
    cli::PrintCommandOptions report;
    report.what = "records";
    report.set = "2";
    report.columns = "name,surname,date";
    cli::PrintCommandOptions analysis;
    analysis.what = "analysis";
    analysis.set = "2";
    analysis.analysisOrder = "number";
    const Case cases[] = {
        {"standard", standard, "Program.odt", {"Meeting:"}},
        {"records", records, "Program.odt", {"Record symbols in use:"}, "", "(33 events)"},
        {"gate", gate, "Program.odt", {"9 __________________"}},
        // The records report of one set with the chosen columns: an unticked column stays out.
        {"report", report, "Rekords.odt", {"Provincial Records (P)", "Surname", "Date", "Record"}, "Track"},
        {"analysis", analysis, "Analyze.odt", {"No of Events:"}},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path document = dir.path() / "Data" / c.document;
        fs::remove(document);
        cli::PrintCommandOptions o = c.options;
        const fs::path pdf = dir.path() / (std::string(c.name) + ".pdf");
        o.pdf = pdf.string();
        std::ostringstream out, err;
        EXPECT_EQ(cli::runPrintCommand(dir.folder(), o, out, err), 0);
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(firstBytes(pdf, 5), "%PDF-");
        EXPECT_EQ(firstBytes(document, 2), "PK") << "OpenDocument text is a zip";
        EXPECT_NE(out.str().find(pdf.string()), std::string::npos) << out.str();
        EXPECT_NE(out.str().find(c.said), std::string::npos) << out.str();
        EXPECT_NE(out.str().find(document.string()), std::string::npos) << out.str();
        const std::string text = pdfText(pdf);
        for (const std::string& expected : c.texts)
            EXPECT_NE(text.find(expected), std::string::npos) << expected;
        if (*c.absent) {
            EXPECT_EQ(text.find(c.absent), std::string::npos) << c.absent;
        }
    }
}

TEST_F(PrintCommand, UnwritableDocumentFileIsReportedAndThePdfStillWritten)
{
    fs::remove_all(dir.path() / "Data");
    cli::PrintCommandOptions o;
    o.pdf = (dir.path() / "out.pdf").string();
    std::ostringstream out, err;
    EXPECT_EQ(cli::runPrintCommand(dir.folder(), o, out, err), 1);
    EXPECT_EQ(firstBytes(o.pdf, 5), "%PDF-");
    EXPECT_NE(err.str().find(odt().string()), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("does not exist"), std::string::npos) << err.str();
}

TEST_F(PrintCommand, BadOptionValuesFailWithAMessageAndWriteNothing)
{
    struct Case {
        void (*set)(cli::PrintCommandOptions&);
        const char* message;
    };
    const Case cases[] = {
        {[](cli::PrintCommandOptions& o) { o.what = "poster"; }, "Unknown --what \"poster\": use standard, gate, records or analysis."},
        {[](cli::PrintCommandOptions& o) { o.set = "2"; }, "--set chooses the record set"},
        {[](cli::PrintCommandOptions& o) { o.font = 0; }, "--font 0 is no print size"},
        {[](cli::PrintCommandOptions& o) { o.records = "some"; }, "--records \"some\""},
        {[](cli::PrintCommandOptions& o) { o.recordDate = "month"; }, "--record-date \"month\""},
        {[](cli::PrintCommandOptions& o) { o.order = "time"; }, "--order \"time\""},
        {[](cli::PrintCommandOptions& o) { o.names = "all"; }, "--names \"all\""},
        {[](cli::PrintCommandOptions& o) { o.results = 4; }, "--results 4"},
        {[](cli::PrintCommandOptions& o) { o.day = 5; }, "--day 5"},
        {[](cli::PrintCommandOptions& o) { o.lang = "de"; }, "\"de\""},
        {[](cli::PrintCommandOptions& o) { o.what = "records"; }, "--set REF is required"},
        {[](cli::PrintCommandOptions& o) { o.what = "records", o.set = "x1"; }, "--set x1 is not a record set"},
        {[](cli::PrintCommandOptions& o) { o.what = "records", o.set = "9"; }, "There is no record set 9"},
        {[](cli::PrintCommandOptions& o) { o.what = "records", o.set = "1", o.columns = "shoe"; }, "shoe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        cli::PrintCommandOptions o;
        o.pdf = (dir.path() / "out.pdf").string();
        c.set(o);
        std::ostringstream out, err;
        try {
            cli::runPrintCommand(dir.folder(), o, out, err);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_FALSE(fs::exists(o.pdf));
        EXPECT_FALSE(fs::exists(odt()));
    }
}

} // namespace
} // namespace dravik
