// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GuiEnvironment.h"

#include "CliTestSupport.h"
#include "render/Render.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>

namespace dravik {
namespace {

namespace fs = std::filesystem;

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
    fs::path odt() const { return dir.path() / "Data" / "Program.odt"; }
    test::DemoSuite dir;
};

TEST_F(PrintCommand, WritesThePdfAndTheDocumentFileForEachKindOfPrintout)
{
    using Options = cli::PrintCommandOptions;
    // The document file in the data folder, texts the pages must hold and a text in
    // what the command tells.
    struct Case {
        const char* name;
        void (*set)(Options&);
        const char* document;
        std::vector<std::string> texts;
        const char* said = "";
    };
    const Case cases[] = {
        {"records",
         [](Options& o) { o.records = "all", o.recordDate = "full", o.order = "event", o.day = 2, o.font = 8; },
         "Program.odt",
         {"Record symbols in use:"},
         "(33 events)"},
        // --ids: the athlete code before each name.
        {"gate",
         [](Options& o) {
             o.what = "gate", o.names = "draw", o.initials = true, o.results = 9, o.altLanguage = true, o.lang = "af";
             o.ids = true;
         },
         "Program.odt",
         {"9 __________________", "12030 M Du Toit (LDB)"}},
        // The records report of one set with the chosen columns.
        {"report",
         [](Options& o) { o.what = "records", o.set = "2", o.columns = "name,surname,date"; },
         "Rekords.odt",
         {"Provincial Records (P)", "Surname", "Date", "Record"}},
        {"analysis",
         [](Options& o) { o.what = "analysis", o.set = "2", o.analysisOrder = "number"; },
         "Analyze.odt",
         {"No of Events:"}},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path document = dir.path() / "Data" / c.document;
        fs::remove(document);
        Options o;
        c.set(o);
        const fs::path pdf = dir.path() / (std::string(c.name) + ".pdf");
        o.pdf = pdf.string();
        std::ostringstream out, err;
        EXPECT_EQ(cli::runPrintCommand(dir.folder(), o, out, err), 0);
        EXPECT_EQ(err.str(), "");
        EXPECT_TRUE(fs::exists(document));
        for (const std::string& said : {pdf.string(), std::string(c.said), document.string()})
            EXPECT_NE(out.str().find(said), std::string::npos) << out.str();
        const std::string text = pdfText(pdf);
        for (const std::string& expected : c.texts)
            EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

TEST_F(PrintCommand, UnwritableDocumentFileIsReportedAndThePdfStillWritten)
{
    fs::remove_all(dir.path() / "Data");
    cli::PrintCommandOptions o;
    o.pdf = (dir.path() / "out.pdf").string();
    std::ostringstream out, err;
    EXPECT_EQ(cli::runPrintCommand(dir.folder(), o, out, err), 1);
    EXPECT_NE(pdfText(o.pdf).find("Meeting:"), std::string::npos) << "the standard programme";
    EXPECT_NE(err.str().find(odt().string()), std::string::npos) << err.str();
}

TEST_F(PrintCommand, BadOptionValuesFailWithAMessageAndWriteNothing)
{
    using O = cli::PrintCommandOptions;
    struct Case {
        void (*set)(O&);
        const char* message;
    };
    const Case cases[] = {
        {[](O& o) { o.what = "poster"; }, "Unknown --what \"poster\": use standard, gate, records or analysis."},
        {[](O& o) { o.set = "2"; }, "--set chooses the record set"},
        {[](O& o) { o.font = 17; }, "--font 17 is no print size"},
        {[](O& o) { o.what = "records"; }, "--set REF is required"},
        {[](O& o) { o.what = "records", o.set = "9"; }, "There is no record set 9"},
        {[](O& o) { o.what = "records", o.set = "1", o.columns = "shoe"; }, "shoe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        O o;
        o.pdf = (dir.path() / "out.pdf").string();
        c.set(o);
        std::ostringstream out, err;
        EXPECT_THAT([&] { cli::runPrintCommand(dir.folder(), o, out, err); },
                    test::ThrowsMessage<std::invalid_argument>(test::HasSubstr(c.message)));
        EXPECT_FALSE(fs::exists(o.pdf));
        EXPECT_FALSE(fs::exists(odt()));
    }
}

} // namespace
} // namespace dravik
