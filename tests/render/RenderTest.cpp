#include "support/GuiEnvironment.h"
#include "render/Render.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

using namespace dravik;
using printing::Align;
using printing::Document;
using printing::Orientation;
using printing::Picture;
using printing::Table;

namespace {

// Runs a tool with an argument list (never through a shell) and returns its output;
// empty when the tool is missing or fails.
std::string runTool(const QString& program, const QStringList& args, bool* found = nullptr)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (found)
        *found = !path.isEmpty();
    if (path.isEmpty())
        return {};
    QProcess p;
    p.start(path, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput().toStdString();
}

std::string pdfText(const std::string& pdf)
{
    bool found = false;
    std::string text = runTool("pdftotext", {"-layout", QString::fromStdString(pdf), "-"}, &found);
    if (!found)
        ADD_FAILURE() << "pdftotext is missing: scripts/install-deps.sh installs poppler-utils";
    return text;
}

int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size()))
        ++n;
    return n;
}

Table programmeTable(int rows)
{
    Table t;
    t.columns = {{Align::Left, 1.4}, {Align::Left, 1.6}, {Align::Left, 3.0}, {Align::Left, 4.5}};
    t.header = {"It No", "Time", "Gender", "Event"};
    for (int r = 1; r <= rows; ++r)
        t.rows.push_back({std::to_string(r), "08:00", "Boys - 14", "Row" + std::to_string(r)});
    return t;
}

// The small meeting printout both files are checked on.
Document meetingDocument()
{
    Document doc;
    doc.setOrientation(Orientation::Landscape);
    doc.setFontSize(11);
    doc.startDoc();
    doc.drawPicture({Picture::Source::ProgramLogo, "", 4, 0.1, 3, 3});
    doc.paragraph("\n");
    doc.paragraph("Meeting: Spring Meeting  (Park Stadium)\n");
    Table t;
    t.columns = {{Align::Left, 2.0}, {Align::Right, 6.0}};
    t.header = {"It No", "Athlete"};
    t.rows = {{"1", "Smith; Jones | Relay"}, {"2a", "first line\r\nsecond line"}};
    doc.addTable(t);
    doc.newPage();
    doc.paragraph("Day: 2 - 12/03/2027");
    doc.endDoc();
    return doc;
}

TEST(Render, PdfAndOdtOfOneDocumentHoldItsTextTableAndPages)
{
    test::TempFolder dir;
    const std::string pdf = (dir.path() / "Program.pdf").string();
    const std::string odt = (dir.path() / "Program.odt").string();
    const Document doc = meetingDocument();

    auto laidOut = render::layoutDocument(doc);
    EXPECT_EQ(render::pageCount(*laidOut), 2);
    const QSizeF page = render::pageSizePoints(*laidOut);
    EXPECT_NEAR(page.width(), 841.9, 1.0) << "landscape A4";
    EXPECT_NEAR(page.height(), 595.3, 1.0);

    render::writePdf(doc, pdf);
    render::writeOdt(doc, odt);

    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Meeting: Spring Meeting"), std::string::npos) << text;
    EXPECT_NE(text.find("(Park Stadium)"), std::string::npos) << text;
    EXPECT_NE(text.find("Smith; Jones | Relay"), std::string::npos) << text;
    EXPECT_NE(text.find("first line"), std::string::npos) << text;
    EXPECT_EQ(countOf(text, "\f"), 2) << "two pages: " << text;
    const auto secondPage = text.find('\f');
    ASSERT_NE(secondPage, std::string::npos);
    EXPECT_GT(text.find("Day: 2 - 12/03/2027"), secondPage) << "the page break comes before the day line";
    EXPECT_LT(text.find("Smith; Jones"), secondPage);

    const std::string info = runTool("pdfinfo", {QString::fromStdString(pdf)});
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info;

    bool haveUnzip = false;
    const std::string content = runTool("unzip", {"-p", QString::fromStdString(odt), "content.xml"}, &haveUnzip);
    if (!haveUnzip)
        GTEST_SKIP() << "unzip is missing: scripts/install-deps.sh installs it";
    EXPECT_NE(content.find("<table:table "), std::string::npos) << content;
    EXPECT_EQ(countOf(content, "<table:table-row>"), 3) << "header and two rows";
    EXPECT_NE(content.find("Smith; Jones | Relay"), std::string::npos) << content;
    EXPECT_NE(content.find("Meeting: Spring Meeting"), std::string::npos);
    EXPECT_NE(content.find("fo:break-before=\"page\""), std::string::npos) << "the page break reaches the file";
    EXPECT_NE(content.find("draw:image"), std::string::npos) << "the logo reaches the file";
    const std::string mime = runTool("unzip", {"-p", QString::fromStdString(odt), "mimetype"});
    EXPECT_EQ(mime, "application/vnd.oasis.opendocument.text");
}

TEST(Render, HeaderRowRepeatsOnEveryPageOfALongTable)
{
    test::TempFolder dir;
    Document doc;
    doc.setFontSize(12);
    doc.startDoc();
    doc.addTable(programmeTable(150));
    doc.endDoc();
    auto laidOut = render::layoutDocument(doc);
    const int pages = render::pageCount(*laidOut);
    ASSERT_GE(pages, 3);

    const std::string pdf = (dir.path() / "long.pdf").string();
    render::writePdf(*laidOut, pdf);
    const std::string text = pdfText(pdf);
    EXPECT_EQ(countOf(text, "\f"), pages);
    EXPECT_EQ(countOf(text, "It No"), pages) << text;
    EXPECT_NE(text.find("Row150"), std::string::npos);

    // A larger font needs more pages for the same rows.
    doc.setFontSize(20);
    EXPECT_GT(render::pageCount(*render::layoutDocument(doc)), pages);
}

TEST(Render, MissingPictureTakesNoRoomAndTheLogoIsDrawn)
{
    Document withMissing, without, withLogo;
    withMissing.drawPicture({Picture::Source::File, "/nonexistent/Own.bmp", 4, 0.1, 3, 3});
    for (Document* d : {&withMissing, &without, &withLogo})
        d->paragraph("Meeting: A");
    withLogo.drawPicture({Picture::Source::ProgramLogo, "", 4, 0.1, 3, 3});

    const double dpi = 50;
    const QImage a = render::renderPage(*render::layoutDocument(withMissing), 0, dpi);
    const QImage b = render::renderPage(*render::layoutDocument(without), 0, dpi);
    EXPECT_EQ(a, b);

    // The logo's centre, 5.5 cm from the left and 1.4 cm + 1.5 cm down (below the text line).
    const QImage c = render::renderPage(*render::layoutDocument(withLogo), 0, dpi);
    const QPoint centre(qRound(5.5 / 2.54 * dpi), qRound(3.4 / 2.54 * dpi));
    EXPECT_NE(c.pixelColor(centre), QColor(Qt::white));
    EXPECT_EQ(b.pixelColor(centre), QColor(Qt::white));
}

TEST(Render, FailedWritesNameThePathAndTheCause)
{
    test::TempFolder dir;
    Document doc;
    doc.paragraph("x");
    const std::string missing = (dir.path() / "no-such-folder" / "Program.pdf").string();
    const std::string folderAsFile = dir.path().string();
    std::filesystem::create_directory(dir.path() / "locked");
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
    const std::string locked = (dir.path() / "locked" / "Program.odt").string();
    const bool root = ::geteuid() == 0;

    struct Case {
        std::string path;
        std::string cause;
        bool skip;
    };
    for (const Case& c : {Case{missing, "does not exist", false}, Case{folderAsFile, "is a folder", false},
                          Case{locked, "ermission", root}}) {
        if (c.skip)
            continue; // root writes anywhere
        for (auto write : {&render::writeOdt,
                           static_cast<void (*)(const Document&, const std::string&)>(&render::writePdf)}) {
            try {
                write(doc, c.path);
                ADD_FAILURE() << "no error for " << c.path;
            } catch (const std::runtime_error& e) {
                const std::string m = e.what();
                EXPECT_NE(m.find(c.path), std::string::npos) << m;
                EXPECT_NE(m.find(c.cause), std::string::npos) << m;
            }
        }
    }
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::owner_all);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));
}

TEST(Render, EmptyDocumentIsOneBlankPage)
{
    Document doc;
    doc.startDoc();
    doc.endDoc();
    auto laidOut = render::layoutDocument(doc);
    EXPECT_EQ(render::pageCount(*laidOut), 1);
    const QImage page = render::renderPage(*laidOut, 0, 20);
    EXPECT_EQ(page.size(), QSize(qRound(595.3 / 72 * 20), qRound(841.9 / 72 * 20)));
}

} // namespace

// A printout that counts its own lines per page keeps one sheet per page: when the
// rows of a page do not fit at the chosen size, the text shrinks instead of spilling.
TEST(Render, SelfPaginatedPagesShrinkToOneSheetEach)
{
    struct Case {
        int rowsPerPage;
        int lines; // lines per row
        bool shrinks;
    };
    for (const Case& c : {Case{20, 1, false}, Case{41, 1, true}, Case{32, 2, true}}) {
        printing::Document doc;
        doc.setFontSize(12);
        doc.startDoc();
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                doc.newPage();
            doc.paragraph("Meeting: Test\n");
            printing::Table t;
            t.columns = {{printing::Align::Left, 2}, {printing::Align::Left, 6}};
            t.header = {"No", "Record"};
            for (int r = 0; r < c.rowsPerPage; ++r)
                t.rows.push_back({std::to_string(r + 1), c.lines == 2 ? "M - 10.36\nP - 10.04" : "M - 10.36"});
            doc.addTable(t);
        }
        doc.endDoc();
        auto laidOut = render::layoutDocument(doc);
        EXPECT_EQ(render::pageCount(*laidOut), 3) << c.rowsPerPage << " rows of " << c.lines;
        EXPECT_EQ(laidOut->defaultFont().pointSizeF() < 12, c.shrinks) << c.rowsPerPage << " rows of " << c.lines;
    }
}

// A table may print smaller than the text around it, as the records report and the analysis do.
TEST(Render, TableFontSizeOverridesTheDocumentsForItsCells)
{
    printing::Document doc;
    doc.setFontSize(12);
    doc.startDoc();
    doc.paragraph("Record set: Club (C)");
    printing::Table t;
    t.columns = {{printing::Align::Left, 3}};
    t.header = {"Event"};
    t.rows = {{"100m"}};
    t.fontSize = 8;
    doc.addTable(t);
    doc.endDoc();
    auto laidOut = render::layoutDocument(doc);
    double paragraphSize = 0, cellSize = 0;
    for (QTextBlock b = laidOut->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.text() == "Record set: Club (C)")
                paragraphSize = f.charFormat().fontPointSize();
            if (f.text() == "100m")
                cellSize = f.charFormat().fontPointSize();
        }
    }
    EXPECT_EQ(paragraphSize, 12);
    EXPECT_EQ(cellSize, 8);
}
