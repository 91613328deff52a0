// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintTestSupport.h"
#include "printing/ProgrammeDocument.h"
#include "render/Render.h"
#include "render/SheetFit.h"
#include "render/TextDocumentBuilder.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace dravik;
using printing::GateNames;
using printing::PrintOptions;
using printing::RecordsIncluded;

namespace {

// One text block of the laid-out pages: its text, the sheet it stands on, its lines.
struct Line {
    std::string text;
    int sheet;
    QTextBlock block;
};

std::vector<Line> laidOutLines(QTextDocument& d)
{
    std::vector<Line> out;
    const double height = d.pageSize().height();
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const double top = d.documentLayout()->blockBoundingRect(b).top();
        out.push_back({b.text().toStdString(), static_cast<int>(std::floor(top / height)), b});
    }
    return out;
}

// Every piece of text is set at `points`, and no word is broken inside.
void expectChosenSizeAndWholeWords(const QTextDocument& d, const std::vector<Line>& lines, double points)
{
    for (const Line& l : lines) {
        for (auto it = l.block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() != QString(QChar::ObjectReplacementCharacter)) {
                const QFont printed = it.fragment().charFormat().font().resolve(d.defaultFont());
                ASSERT_DOUBLE_EQ(printed.pixelSize() / render::kDevicePerPoint, points) << l.text;
            }
        }
        if (l.text.find(' ') == std::string::npos && !l.text.empty()) {
            EXPECT_EQ(l.block.layout()->lineCount(), 1) << l.text;
        }
    }
}

TEST(SheetLayout, StandardListPrintsAtTheChosenSizeWithItsHeadingOnEverySheet)
{
    // sheets: 0: as many as the size needs
    struct Case {
        double points;
        RecordsIncluded records;
        int sheets;
    };
    const Case cases[] = {{12, RecordsIncluded::None, 3},    {8, RecordsIncluded::None, 3},
                          {16, RecordsIncluded::None, 0},    {12, RecordsIncluded::AllData, 0},
                          {16, RecordsIncluded::AllData, 0}, {16, RecordsIncluded::ValuesOnly, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + " pt, records " + std::to_string(static_cast<int>(c.records)));
        test::PrintSuite suite;
        suite.addRecordSet(1, "P", "Provincial");
        suite.addRecord({1, test::def::Sprint, "10.5", "Thandiwe", "Mokoena-Van der Merwe",
                         "Athletics Club of Pretoria", "Pilditch Stadium", "2012-11-03", "2012"});
        suite.addRows(123);
        PrintOptions options;
        options.fontSize = c.points;
        options.records = c.records;
        options.recordDate = printing::RecordDate::Full;
        auto laidOut = render::layoutDocument(suite.print(options));
        const auto lines = laidOutLines(*laidOut);
        expectChosenSizeAndWholeWords(*laidOut, lines, c.points);

        // Each sheet: the meeting heading before its rows, and never a single stray row.
        std::map<int, int> rows;
        std::map<int, bool> headed;
        for (const Line& l : lines) {
            if (l.text.starts_with("Meeting:"))
                headed[l.sheet] = rows[l.sheet] == 0;
            if (l.text == "08:00")
                ++rows[l.sheet];
        }
        int total = 0;
        for (const auto& [sheet, n] : rows) {
            EXPECT_TRUE(headed[sheet]) << "sheet " << sheet;
            EXPECT_GE(n, 2) << "sheet " << sheet;
            total += n;
        }
        EXPECT_EQ(total, 123);
        if (c.sheets) {
            EXPECT_EQ(render::pageCount(*laidOut), c.sheets);
        }
    }
}

// The demo meeting's programme as the Print tab prints it.
printing::Document demoPrint(PrintOptions options)
{
    test::PrintSuite suite(true);
    auto store = suite.open();
    suite.reference = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    store->atld00().moveFirst();
    suite.meeting = LoadMeetingDetails(store->atld00());
    setupProgrammeGrid(suite.grid, options.language);
    loadProgrammeGrid(store->atld40(), suite.reference, options.language, suite.grid);
    return suite.print(options);
}

printing::Document demoBooklet(double points, Language lang, GateNames names = GateNames::EntryOrder)
{
    PrintOptions options;
    options.language = lang;
    options.kind = printing::ProgrammeKind::FullGate;
    options.names = names;
    options.fontSize = points;
    return demoPrint(options);
}

TEST(SheetLayout, GateBookletSheetsStartWithTheRunningHeadAndHoldWholeEventBlocks)
{
    for (double points : {8.0, 12.0, 16.0}) {
        SCOPED_TRACE(std::to_string(points) + " pt");
        auto laidOut = render::layoutDocument(demoBooklet(points, Language::English));
        const auto lines = laidOutLines(*laidOut);
        expectChosenSizeAndWholeWords(*laidOut, lines, points);
        std::map<int, std::string> first, last;
        std::vector<double> columns;
        for (const Line& l : lines) {
            first.try_emplace(l.sheet, l.text);
            if (l.text.find_first_not_of(' ') != std::string::npos)
                last[l.sheet] = l.text;
            if (!l.text.starts_with("Event "))
                continue;
            // The heading's fields stand at the same places on every block, on one line.
            EXPECT_EQ(l.block.layout()->lineCount(), 1) << l.text;
            std::vector<double> x;
            for (std::size_t i = l.text.find('\t'); i != std::string::npos; i = l.text.find('\t', i + 1))
                x.push_back(l.block.layout()->lineAt(0).cursorToX(static_cast<int>(i) + 1));
            if (columns.empty())
                columns = x;
            ASSERT_EQ(x.size(), columns.size()) << l.text;
            for (std::size_t i = 0; i < x.size(); ++i)
                EXPECT_NEAR(x[i], columns[i], 1.0) << l.text;
        }
        EXPECT_EQ(static_cast<int>(first.size()), render::pageCount(*laidOut));
        for (const auto& [sheet, text] : first)
            EXPECT_TRUE(text.starts_with("Meeting: ")) << sheet << ": " << text;
        for (const auto& [sheet, text] : last)
            EXPECT_TRUE(text.size() > 2 && text[1] == ' ' && text[2] == '_') << sheet << ": " << text;
    }
}

// Rows reckoned from the widths of their characters go on the same sheets as rows
// laid out in full in the booklets; in a list of many columns, where a word may wrap
// at a hyphen the reckoning does not count on, the reckoned sheets never run over.
TEST(SheetLayout, ReckonedRowsPlanTheSheetsOfTheLaidOutRows)
{
    std::vector<printing::Document> docs;
    for (double points : {8.0, 12.0, 16.0})
        docs.push_back(demoBooklet(points, Language::English));
    docs.push_back(demoBooklet(12, Language::Afrikaans, GateNames::DrawOrder));
    const std::size_t booklets = docs.size();
    for (RecordsIncluded records : {RecordsIncluded::AllData, RecordsIncluded::None}) {
        PrintOptions options;
        options.records = records;
        options.recordDate = printing::RecordDate::Full;
        options.fontSize = 16;
        docs.push_back(demoPrint(options));
    }
    for (std::size_t d = 0; d < docs.size(); ++d) {
        SCOPED_TRACE("document " + std::to_string(d));
        const QPageLayout page = render::pageLayoutFor(docs[d]);
        const render::SheetPlan a = render::planSheets(docs[d], page, render::RowHeights::Reckoned);
        const render::SheetPlan b = render::planSheets(docs[d], page, render::RowHeights::LaidOut);
        const auto reckoned = a.doc.tables(), laidOut = b.doc.tables();
        ASSERT_GT(reckoned.size(), 1u);
        const int sheets = render::pagesStarted(a.doc);
        EXPECT_EQ(render::buildTextDocument(a.doc, page, a.tabs)->pageCount(), sheets);
        if (d >= booklets) {
            EXPECT_LE(sheets, render::pagesStarted(b.doc) + 1);
            continue;
        }
        ASSERT_EQ(reckoned.size(), laidOut.size());
        for (std::size_t i = 0; i < reckoned.size(); ++i)
            EXPECT_EQ(reckoned[i]->rows, laidOut[i]->rows) << "table " << i;
    }
}

} // namespace

namespace {

// A gate booklet of three events, the middle one with 150 entrants in 19 heats:
// longer than any sheet at every size.
printing::Document crowdedBooklet(double points, GateNames names, int resultLines)
{
    test::PrintSuite suite;
    suite.addTeam(1, "Tukkies", "TUK");
    for (int i = 1; i <= 150; ++i) {
        suite.addAthlete(1, i, "Name" + std::to_string(i), "Surname");
        suite.addEntry(1000 + i, test::def::Sprint, 0, (i - 1) / 8 + 1, (i - 1) % 8 + 1);
    }
    suite.addEntry(1001, test::def::Mile);
    suite.addEntry(1002, test::def::Steeple);
    suite.addRow({.number = "1", .definition = std::to_string(test::def::Mile)});
    suite.addRow({.number = "2", .definition = std::to_string(test::def::Sprint)});
    suite.addRow({.number = "3", .definition = std::to_string(test::def::Steeple)});
    PrintOptions options;
    options.kind = printing::ProgrammeKind::FullGate;
    options.names = names;
    options.fontSize = points;
    options.resultLines = resultLines;
    return suite.print(options);
}

} // namespace

// The crowded event runs on over whole sheets: each starts with the running head,
// then the event's heading and the continued mark, and holds at least three lines
// unless it ends the event; every entrant prints once, and a sheet is never left
// with only fill-in lines.
TEST(SheetLayout, EventLongerThanASheetContinuesUnderTheRunningHeadOnWholeSheets)
{
    struct Case {
        double points;
        GateNames names;
        int resultLines;
    };
    const Case cases[] = {{8, GateNames::EntryOrder, 3}, {12, GateNames::EntryOrder, 9}, {16, GateNames::EntryOrder, 3},
                          {8, GateNames::DrawOrder, 3},  {12, GateNames::DrawOrder, 9},  {16, GateNames::DrawOrder, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + " pt, names " + std::to_string(static_cast<int>(c.names)) + ", " +
                     std::to_string(c.resultLines) + " lines");
        auto laidOut = render::layoutDocument(crowdedBooklet(c.points, c.names, c.resultLines));
        const auto lines = laidOutLines(*laidOut);
        std::map<int, std::vector<std::string>> sheets;
        for (const Line& l : lines)
            if (l.text.find_first_not_of(' ') != std::string::npos)
                sheets[l.sheet].push_back(l.text);
        if (c.points > 8 || c.names == GateNames::DrawOrder) {
            ASSERT_GE(sheets.size(), 2u) << ::testing::PrintToString(sheets);
        }
        EXPECT_EQ(static_cast<int>(sheets.size()), render::pageCount(*laidOut)) << ::testing::PrintToString(sheets);
        std::map<int, int> seen;
        for (const auto& [sheet, texts] : sheets) {
            ASSERT_GE(texts.size(), 3u) << sheet;
            EXPECT_TRUE(texts[0].starts_with("Meeting: ")) << sheet << ": " << texts[0];
            EXPECT_TRUE(texts[1].starts_with("Date: ")) << sheet << ": " << texts[1];
            // The heading's fields fill the line: the mark follows on a line of its own.
            const bool continued = texts[2].starts_with("Event 2\t") && texts[3] == "(continued)";
            EXPECT_TRUE(texts[2].starts_with("Event ")) << sheet << ": " << texts[2];
            int names = 0, nameLines = 0;
            for (std::size_t i = 2; i < texts.size(); ++i) {
                nameLines += texts[i].starts_with("Name") ? 1 : 0;
                for (std::size_t at = texts[i].find("Name"); at != std::string::npos;
                     at = texts[i].find("Name", at + 1)) {
                    ++names;
                    ++seen[std::stoi(texts[i].substr(at + 4))];
                }
            }
            // Lines of names are filled across the column (two or more to a line here).
            if (continued && c.names == GateNames::EntryOrder) {
                EXPECT_GE(names, 2 * nameLines - 1) << sheet;
            }
            const bool endsEvent = sheet + 1 == static_cast<int>(sheets.size()) ||
                                   sheets.at(sheet + 1).at(3) != "(continued)";
            // A heat's header never stands alone at the foot of a sheet.
            EXPECT_FALSE(texts.back().starts_with("Lopie :")) << sheet;
            if (!endsEvent) {
                EXPECT_GE(texts.size() - 2, 3u) << sheet;
            }
            if (continued) {
                EXPECT_GT(names, 0) << "sheet " << sheet << " holds fill-in lines only";
            }
        }
        EXPECT_EQ(seen.size(), 150u);
        for (const auto& [number, times] : seen)
            EXPECT_EQ(times, number <= 2 ? 2 : 1) << "Name" << number;
    }
}

// Columns are as wide as their words at every size: the short texts of a standard
// list (the number's header, gender and age, a record with its symbol) stay on one
// line while the page has room, and where it has none (16 pt) the table takes the
// page's whole width before anything wraps.
TEST(SheetLayout, ShortCellsNeverWrapWhileThePageHasRoom)
{
    for (double points : {8.0, 12.0, 16.0}) {
        SCOPED_TRACE(std::to_string(points) + " pt");
        PrintOptions options;
        options.fontSize = points;
        options.records = RecordsIncluded::AllData;
        const printing::Document doc = demoPrint(options);
        const QPageLayout page = render::pageLayoutFor(doc);
        const render::SheetPlan plan = render::planSheets(doc, page);
        double width = 0;
        for (const auto& c : plan.doc.tables().at(0)->columns)
            width += c.widthCm;
        const double pageCm = page.paintRect(QPageLayout::Millimeter).width() / 10;
        EXPECT_LE(width, pageCm + 0.01);
        auto laidOut = render::layoutDocument(doc);
        int checked = 0, wrapped = 0;
        for (const Line& l : laidOutLines(*laidOut)) {
            const bool shortText = l.text == "It No" || l.text == "Girls - 8" || l.text == "Boys - 9" ||
                                   (l.text.size() <= 10 && l.text.starts_with("M - "));
            if (!shortText)
                continue;
            ++checked;
            wrapped += l.block.layout()->lineCount() > 1 ? 1 : 0;
        }
        EXPECT_GT(checked, 10);
        if (points < 16) {
            EXPECT_EQ(wrapped, 0);
        } else {
            EXPECT_NEAR(width, pageCm, 0.01) << "text wraps while the page has room";
        }
    }
}

// One event's name too long for its field moves only that heading's later fields:
// every other heading keeps its fields on one line.
TEST(SheetLayout, LongEventNameMovesOnlyItsOwnHeadingsFields)
{
    test::PrintSuite suite;
    suite.addRows(12);
    suite.addRow({.number = "13", .event = "Invitation Mixed Distance Medley Relay For Visiting Schools"});
    PrintOptions options;
    options.kind = printing::ProgrammeKind::FullGate;
    options.fontSize = 16;
    auto laidOut = render::layoutDocument(suite.print(options));
    int headings = 0;
    for (const Line& l : laidOutLines(*laidOut)) {
        if (l.text.starts_with("Event ") && !l.text.starts_with("Event 13\t")) {
            ++headings;
            EXPECT_EQ(l.block.layout()->lineCount(), 1) << l.text;
        }
    }
    EXPECT_EQ(headings, 12);
}
