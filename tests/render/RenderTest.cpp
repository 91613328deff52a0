// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Render.h"
#include "support/GuiEnvironment.h"
#include "support/TestSupport.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

// The ink of a page in blocks of 8 x 8 pixels, 0 (white) to 1 (black): a thin rule
// that one program draws a pixel wide and another a fraction of one stays alike.
std::vector<double> inkBlocks(const QImage& page)
{
    constexpr int n = 8;
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    std::vector<double> out;
    for (int by = 0; by + n <= gray.height(); by += n)
        for (int bx = 0; bx + n <= gray.width(); bx += n) {
            double ink = 0;
            for (int y = by; y < by + n; ++y)
                for (int x = bx; x < bx + n; ++x)
                    ink += 1 - gray.constScanLine(y)[x] / 255.0;
            out.push_back(ink / (n * n));
        }
    return out;
}

// Names in many scripts, each in a table cell and in a heading: the file is written
// without a fault, and names a font covers copy back as they were written.
struct ScriptName {
    std::string name;
    QFontDatabase::WritingSystem system;
};
const ScriptName kNames[] = {
    {"Zoë Ångström-Ñandú", QFontDatabase::Latin},
    {"Ελένη Παππά", QFontDatabase::Greek},
    {"Дмитрий Иванов", QFontDatabase::Cyrillic},
    {"王小明", QFontDatabase::SimplifiedChinese},
    {"محمد علي", QFontDatabase::Arabic},
    {"Smile \xF0\x9F\x98\x80 Sipho", QFontDatabase::Any},
    {"Private \xEE\x80\x80 Use", QFontDatabase::Any},
};

TEST(Render, PdfHoldsTheTextTableAndPagesThePreviewShows)
{
    test::TempFolder dir;
    const std::string pdf = (dir.path() / "Program.pdf").string();
    // A logo photographed at thousands of pixels, with noise as a photograph has, so the
    // picture does not compress to nothing.
    const std::string logo = (dir.path() / "Own.bmp").string();
    QImage big(2400, 2400, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < big.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(big.scanLine(y));
        for (int x = 0; x < big.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = qRgb(x / 10, y / 10, static_cast<int>(seed >> 24));
        }
    }
    ASSERT_TRUE(big.save(QString::fromStdString(logo)));
    // A table long enough to go over several pages, then a page of its own for the day
    // line; both logos head every page.
    Document doc;
    doc.setTitle("Gate Program - Spring \xF0\x9F\x98\x80 Meeting");
    doc.setOrientation(Orientation::Landscape);
    doc.setFontSize(11);
    doc.startDoc();
    doc.drawPicture({Picture::Source::File, logo, 1.4, 0.1, 3, 3});
    doc.drawPicture({Picture::Source::ProgramLogo, "", 15, 0.1, 3, 3});
    doc.paragraph("\n");
    doc.paragraph("Meeting: Spring Meeting  (Park Stadium)\n");
    Table t;
    t.columns = {{Align::Left, 2.0}, {Align::Right, 6.0}};
    t.header = {"It No", "Athlete"};
    t.rows = {{"1", "Smith; Jones | Relay"}, {"2a", "first line\r\nsecond line"}};
    for (const ScriptName& n : kNames)
        t.rows.push_back({"N", n.name});
    for (int r = 3; r <= 150; ++r)
        t.rows.push_back({std::to_string(r), "Row" + std::to_string(r)});
    doc.addTable(t);
    doc.newPage();
    doc.drawPicture({Picture::Source::File, logo, 1.4, 0.1, 3, 3});
    doc.drawPicture({Picture::Source::ProgramLogo, "", 15, 0.1, 3, 3});
    doc.paragraph("Day: 2 - 12/03/2027");
    for (const ScriptName& n : kNames)
        doc.paragraph("Event 1 " + n.name);
    doc.endDoc();
    render::writePdf(doc, pdf);
    auto laidOut = render::layoutDocument(doc);
    const int pages = render::pageCount(*laidOut);
    ASSERT_GE(pages, 4);

    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Meeting: Spring Meeting"), std::string::npos) << text;
    EXPECT_NE(text.find("first line"), std::string::npos) << text;
    EXPECT_EQ(countOf(text, "\f"), pages) << text;
    EXPECT_EQ(countOf(text, "It No"), pages - 1) << "the header row heads every page of the table: " << text;
    EXPECT_LT(text.find("Smith; Jones | Relay"), text.find('\f'));
    EXPECT_LT(text.find('\f', text.find("Row150")), text.find("Day: 2 - 12/03/2027"))
        << "the page break comes before the day line";
    for (const ScriptName& n : kNames) {
        if (n.system == QFontDatabase::Any || QFontDatabase::families(n.system).isEmpty())
            continue; // no installed font holds the script: it prints as missing-glyph boxes
        EXPECT_EQ(countOf(text, n.name), 2) << n.name << "\n" << text;
    }
    EXPECT_NE(text.find("Sipho"), std::string::npos) << "text after a character no font holds stays text";
    // The file carries the page size and its title.
    const std::string info = runTool("pdfinfo", {QString::fromStdString(pdf)});
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Gate Program - Spring"), std::string::npos) << info;

    // The logos: small in the file, each picture stored once however often it is drawn.
    EXPECT_LT(std::filesystem::file_size(pdf), 4u * 1024 * 1024);
    // pdfimages lists each picture drawn on each page with the object that stores it.
    const std::string images = runTool("pdfimages", {"-list", QString::fromStdString(pdf)});
    std::set<std::string> stored;
    int drawn = 0;
    std::istringstream lines(images);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::vector<std::string> fields{std::istream_iterator<std::string>(in), {}};
        if (fields.size() > 10 && fields[2] == "image") {
            ++drawn;
            stored.insert(fields[10]);
        }
    }
    EXPECT_EQ(drawn, 2 * pages) << images;
    EXPECT_EQ(stored.size(), 2u) << "each picture stored once: " << images;

    // Drawn by another program, every page shows what the preview shows, in the same places.
    const double dpi = 60;
    for (int page = 0; page < pages; ++page) {
        const QString png = QString::fromStdString((dir.path() / "page").string());
        runTool("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", "-f", QString::number(page + 1), "-l",
                             QString::number(page + 1), QString::fromStdString(pdf), png});
        const std::vector<double> read = inkBlocks(QImage(png + ".png"));
        const std::vector<double> shown = inkBlocks(render::renderPage(*laidOut, page, dpi));
        ASSERT_EQ(read.size(), shown.size()) << "page " << page;
        int inked = 0, apart = 0;
        for (std::size_t i = 0; i < read.size(); ++i) {
            inked += shown[i] > 0.1;
            apart += std::abs(read[i] - shown[i]) > 0.3;
        }
        EXPECT_GT(inked, 10) << "page " << page;
        EXPECT_LE(apart, inked / 50) << "page " << page << ": " << apart << " of " << inked << " blocks differ";
    }
}

TEST(Render, MissingPictureTakesNoRoomAndTheLogoIsDrawn)
{
    Document empty;
    empty.startDoc();
    empty.endDoc();
    EXPECT_EQ(render::pageCount(*render::layoutDocument(empty)), 1) << "an empty document is one blank page";

    Document withMissing, without, withLogo;
    withMissing.drawPicture({Picture::Source::File, "/nonexistent/Own.bmp", 4, 0.1, 3, 3});
    for (Document* d : {&withMissing, &without, &withLogo})
        d->paragraph("Meeting: A");
    withLogo.drawPicture({Picture::Source::ProgramLogo, "", 4, 0.1, 3, 3});

    const double dpi = 50;
    const QImage a = render::renderPage(*render::layoutDocument(withMissing), 0, dpi);
    const QImage b = render::renderPage(*render::layoutDocument(without), 0, dpi);
    EXPECT_EQ(a, b);

    // The logo's centre, 5.5 cm from the left and 0.1 cm + 1.5 cm down: placed in the
    // top margin, it stands there.
    const QImage c = render::renderPage(*render::layoutDocument(withLogo), 0, dpi);
    const QPoint centre(qRound(5.5 / 2.54 * dpi), qRound(1.6 / 2.54 * dpi));
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
    std::filesystem::permissions(dir.path() / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
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
        for (auto write :
             {&render::writeOdt, static_cast<void (*)(const Document&, const std::string&)>(&render::writePdf)}) {
            EXPECT_THAT([&] { write(doc, c.path); }, testing::ThrowsMessage<std::runtime_error>(testing::AllOf(
                                                         testing::HasSubstr(c.path), testing::HasSubstr(c.cause))));
        }
    }
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::owner_all);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));
}

// A part of a written .odt read back as a tree, to check what a word processor reads.
struct OdtPart {
    pugi::xml_document xml;
    OdtPart(const QString& odt, const char* name)
    {
        const auto parsed = xml.load_string(runTool("unzip", {"-p", odt, name}).c_str(),
                                            pugi::parse_default | pugi::parse_ws_pcdata);
        EXPECT_TRUE(parsed) << name << " is not well-formed: " << parsed.description();
    }
    pugi::xpath_node_set all(const std::string& path) const { return xml.select_nodes(path.c_str()); }
    // The properties element of the automatic or common style named `name`.
    pugi::xml_node style(const std::string& name, const std::string& properties) const
    {
        return xml.select_node(("//style:style[@style:name='" + name + "']/" + properties).c_str()).node();
    }
};

// The text as an OpenDocument reader takes it: runs of white space in the character
// data count as one space, text:s, text:tab and text:line-break stand for theirs.
std::string odfText(pugi::xml_node node)
{
    std::string out;
    for (pugi::xml_node c : node.children()) {
        const std::string name = c.name();
        if (c.type() == pugi::node_pcdata) {
            for (const char* ch = c.value(); *ch; ++ch) {
                if (!std::isspace(static_cast<unsigned char>(*ch)))
                    out += *ch;
                else if (out.empty() || out.back() != ' ')
                    out += ' ';
            }
        } else if (name == "text:s") {
            out.append(c.attribute("text:c").as_uint(1), ' ');
        } else if (name == "text:tab") {
            out += '\t';
        } else if (name == "text:line-break") {
            out += '\n';
        } else if (name != "draw:frame") {
            out += odfText(c);
        }
    }
    return out;
}

// A length such as "2cm", "20mm", "1in" or "72pt" in centimetres; -1 when it is none.
double lengthCm(pugi::xml_attribute length)
{
    const std::string text = length.value();
    std::size_t used = 0;
    double v = 0;
    try {
        v = std::stod(text, &used);
    } catch (const std::exception&) {
        return -1;
    }
    const std::map<std::string, double> units{{"cm", 1}, {"mm", 0.1}, {"in", 2.54}, {"pt", 2.54 / 72}};
    const auto unit = units.find(text.substr(used));
    return unit == units.end() ? -1 : v * unit->second;
}

} // namespace

// The .odt carries the pages as printed: page size, orientation and margins, the header
// row in the rows repeated on every page, fixed column widths, page breaks, pictures
// (only those that can be drawn) and cell text kept whole.
TEST(Render, OdtFileCarriesTheLayoutOfThePrintedPages)
{
    // breakBeforeTable: else the break comes before the closing paragraph
    struct Case {
        Orientation orientation;
        double marginCm;
        bool header;
        bool breakBeforeTable;
        bool pictureExists;
        double pageWidthCm, pageHeightCm;
        const char* printOrientation;
    };
    const Case cases[] = {
        {Orientation::Landscape, 2.0, true, false, true, 29.7, 21.0, "landscape"},
        {Orientation::Portrait, 1.0, false, true, false, 21.0, 29.7, "portrait"},
    };
    const std::vector<std::string> headerCells = {"It No", "Athlete"};
    const std::vector<std::vector<std::string>> rowCells = {{"1", "Smith; Jones | Relay"},
                                                            {"2", "A & B <C>  \"quoted\"\nsecond line"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printOrientation);
        test::TempFolder dir;
        const std::string picture = (dir.path() / "Own.bmp").string();
        if (c.pictureExists) {
            QImage image(20, 20, QImage::Format_RGB32);
            image.fill(Qt::red);
            ASSERT_TRUE(image.save(QString::fromStdString(picture), "BMP"));
        }
        const std::filesystem::path folder = dir.path() / "out";
        std::filesystem::create_directory(folder);
        const std::string odt = (folder / "Program.odt").string();

        Document doc;
        doc.setOrientation(c.orientation);
        doc.setMarginCm(c.marginCm);
        doc.setFontSize(10);
        doc.startDoc();
        doc.drawPicture({Picture::Source::File, picture, 4, 0.1, 3, 3});
        doc.drawPicture({Picture::Source::ProgramLogo, "", 15, 0.1, 3, 3});
        doc.paragraph("Meeting:  Spring\tMeeting\n");
        doc.paragraph("\n");
        Table t;
        t.columns = {{Align::Left, 2.0}, {Align::Right, 6.0}};
        if (c.header)
            t.header = headerCells;
        t.rows = rowCells;
        if (c.breakBeforeTable)
            doc.newPage();
        doc.addTable(t);
        if (!c.breakBeforeTable) {
            doc.newPage();
            doc.paragraph("Day: 2");
        }
        doc.endDoc();

        // Written twice: the second file replaces the first whole, leaving nothing beside it.
        render::writeOdt(doc, odt);
        render::writeOdt(doc, odt);
        std::vector<std::string> inFolder;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            inFolder.push_back(e.path().filename().string());
        EXPECT_EQ(inFolder, std::vector<std::string>{"Program.odt"});

        bool haveUnzip = false;
        const QString file = QString::fromStdString(odt);
        const std::string names = runTool("unzip", {"-Z1", file}, &haveUnzip);
        if (!haveUnzip)
            GTEST_SKIP() << "unzip is missing: scripts/install-deps.sh installs it";
        EXPECT_EQ(names.rfind("mimetype\n", 0), 0u) << "the kind of file comes first: " << names;
        EXPECT_EQ(runTool("unzip", {"-p", file, "mimetype"}), "application/vnd.oasis.opendocument.text");
        const OdtPart styles(file, "styles.xml"), content(file, "content.xml"), manifest(file, "META-INF/manifest.xml");

        // The page.
        const auto pages = styles.all("//style:page-layout-properties");
        ASSERT_EQ(pages.size(), 1u);
        const pugi::xml_node page = pages.first().node();
        EXPECT_NEAR(lengthCm(page.attribute("fo:page-width")), c.pageWidthCm, 0.01);
        EXPECT_NEAR(lengthCm(page.attribute("fo:page-height")), c.pageHeightCm, 0.01);
        EXPECT_EQ(std::string(page.attribute("style:print-orientation").value()), c.printOrientation);
        for (const char* side : {"fo:margin-top", "fo:margin-bottom", "fo:margin-left", "fo:margin-right"})
            EXPECT_NEAR(lengthCm(page.attribute(side)), c.marginCm, 0.01) << side;

        // The table: fixed columns, the header in the repeated rows, cells whole.
        const auto tables = content.all("//table:table");
        ASSERT_EQ(tables.size(), 1u);
        const pugi::xml_node table = tables.first().node();
        std::vector<double> widths;
        for (const auto& col : table.select_nodes(".//table:table-column"))
            widths.push_back(lengthCm(
                content.style(col.node().attribute("table:style-name").value(), "style:table-column-properties")
                    .attribute("style:column-width")));
        EXPECT_EQ(widths.size(), 2u);
        EXPECT_NEAR(widths.at(0), 2.0, 0.01);
        EXPECT_NEAR(widths.at(1), 6.0, 0.01);
        const pugi::xml_node tableProps = content.style(table.attribute("table:style-name").value(),
                                                        "style:table-properties");
        EXPECT_NEAR(lengthCm(tableProps.attribute("style:width")), 8.0, 0.01);

        EXPECT_EQ(table.select_nodes("table:table-header-rows/table:table-row").size(), c.header ? 1u : 0u);
        std::vector<std::vector<std::string>> expected = rowCells, found;
        if (c.header)
            expected.insert(expected.begin(), headerCells);
        for (const auto& row : table.select_nodes(".//table:table-row")) {
            found.emplace_back();
            for (const auto& cell : row.node().select_nodes(".//table:table-cell"))
                found.back().push_back(odfText(cell.node()));
        }
        EXPECT_EQ(found, expected);

        // The paragraphs keep their spaces and tabs; the page break sits on what follows it.
        std::string meeting;
        std::vector<std::string> breaks;
        for (const auto& p : content.all("//text:p")) {
            const std::string text = odfText(p.node());
            if (text.find("Meeting:") != std::string::npos)
                meeting = text;
            if (std::string(content.style(p.node().attribute("text:style-name").value(), "style:paragraph-properties")
                                .attribute("fo:break-before")
                                .value()) == "page")
                breaks.push_back(text);
        }
        EXPECT_EQ(meeting.rfind("Meeting:  Spring", 0), 0u) << meeting;
        EXPECT_NE(meeting.find("\tMeeting"), std::string::npos) << meeting;
        if (std::string(tableProps.attribute("fo:break-before").value()) == "page")
            breaks.push_back("(table)");
        EXPECT_EQ(breaks, std::vector<std::string>{c.breakBeforeTable ? "(table)" : "Day: 2"});

        // Pictures: the program logo, and the file's picture when it can be read; each stored and placed.
        const auto stored = manifest.all("//manifest:file-entry[starts-with(@manifest:full-path, 'Pictures/')]");
        const auto frames = content.all("//draw:frame");
        ASSERT_EQ(stored.size(), c.pictureExists ? 2u : 1u);
        ASSERT_EQ(frames.size(), stored.size());
        for (const auto& entry : stored) {
            const std::string path = entry.node().attribute("manifest:full-path").value();
            EXPECT_NE(names.find(path + "\n"), std::string::npos) << names;
            EXPECT_EQ(content.all("//draw:frame/draw:image[@xlink:href='" + path + "']").size(), 1u) << path;
        }
        std::vector<double> place;
        for (const char* a : {"svg:x", "svg:y", "svg:width", "svg:height"})
            place.push_back(std::round(lengthCm(frames.first().node().attribute(a)) * 100) / 100);
        EXPECT_EQ(place, (std::vector<double>{c.pictureExists ? 4.0 : 15.0, 0.1, 3.0, 3.0}));
    }
}
