// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSupport.h"

#include "analysis/Analysis.h"
#include "printing/AnalysisReport.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::printing;
using test::paragraphs;

namespace {

GridModel analysisGrid(int events, Language lang = Language::English)
{
    GridModel g;
    setupAnalysisGrid(g, lang);
    for (int i = 1; i <= events; ++i)
        g.addItem(std::to_string(i) + "\t100 m\tF\t08:00\tM - 12\t3\t12.10\tAnn,Lee\t2019");
    return g;
}

const AnalysisLabels kLabels{"120", "8", "20", "(2.5/Atleet)", "1", "Record set: C (Club)"};

// The totals head the first page; both logos head every page.
TEST(AnalysisReportTest, TotalsThenFiftyRowsOnTheFirstPageAndSixtyOnLaterOnes)
{
    struct Case {
        int events;
        std::vector<size_t> rowsPerPage;
    };
    const Case cases[] = {{1, {1}},        {50, {50}},          {51, {50, 1}},
                          {110, {50, 60}}, {120, {50, 60, 10}}, {171, {50, 60, 60, 1}}};
    AnalysisPrintOptions options;
    options.fontSize = 10;
    options.ownLogoFile = "/suite/Own.bmp";
    options.documentFile = "/suite/Data/Analyze.odt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.events);
        Document doc;
        const GridModel grid = analysisGrid(c.events);
        ASSERT_TRUE(PrintAnalysis(doc, grid, kLabels, options));
        EXPECT_TRUE(doc.finished());
        EXPECT_EQ(doc.exportFile(), "/suite/Data/Analyze.odt");
        EXPECT_EQ(doc.fontSize(), 10);
        const auto pages = doc.pages();
        ASSERT_EQ(pages.size(), c.rowsPerPage.size());
        EXPECT_EQ(paragraphs(pages[0]),
                  (std::vector<std::string>{"\n", "     No of Events: 120\n", "   No of Athletes: 8\n",
                                            "No of Competitors: 20    (2.5/Atleet)\n",
                                            "Available Records: 1    Record set: C (Club)\n", "\n", "\n"}));
        int next = 1;
        for (size_t p = 0; p < pages.size(); ++p) {
            const Table& t = test::tableOf(pages[p]);
            EXPECT_EQ(t.rows.size(), c.rowsPerPage[p]);
            EXPECT_EQ(t.rows.front().front(), std::to_string(next));
            next += static_cast<int>(t.rows.size());
            EXPECT_EQ(t.header, grid.rowCells(0)) << "the report's captions are the window's";
            const auto pictures = test::blocksOf<Picture>(pages[p]);
            ASSERT_EQ(pictures.size(), 2u);
            EXPECT_EQ(pictures[0]->file, "/suite/Own.bmp");
            EXPECT_EQ(pictures[1]->source, Picture::Source::ProgramLogo);
            if (p > 0) {
                EXPECT_EQ(paragraphs(pages[p]), std::vector<std::string>{"\n\n\n"});
            }
        }
        EXPECT_EQ(test::tableOf(pages[0]).rows[0],
                  (std::vector<std::string>{"1", "100 m", "F", "08:00", "M - 12", "3", "12.10", "Ann,Lee", "2019"}));
    }
}

TEST(AnalysisReportTest, GridWithoutRowsPrintsNothing)
{
    Document doc;
    doc.startDoc();
    doc.paragraph("earlier printout");
    doc.endDoc();
    EXPECT_FALSE(PrintAnalysis(doc, analysisGrid(0), kLabels, {}));
    EXPECT_EQ(paragraphs(doc.pages()[0]), std::vector<std::string>{"earlier printout"});
}

} // namespace
