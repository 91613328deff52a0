// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSupport.h"

#include "printing/RecordsReport.h"
#include "records/RecordGrid.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::printing;
using test::paragraphs;

namespace {

using Ticks = std::array<bool, static_cast<size_t>(RecordsColumn::Count)>;

// A record grid as Display fills it: two events with records, one without.
GridModel recordGrid(Language lang)
{
    GridModel g;
    setupRecordGrid(g, lang);
    g.addItem("800 m\tB - 13\tLee\tAnn\t 2:05.30\t2019\t05/04/2019\tOaks\tPretoria\t101\t7\t5\t2\t1");
    g.addItem("Shot\tG - 15\t\t\t\t\t14/03/2026\t\t\t102\t-1\t0\t8\t1");
    g.addItem("Relay\tWomen\tEagles\t\t48.20\t2001\t03/02/2001\tEagles\tDurban\t103\t9\t6\t1\t1");
    return g;
}

TEST(RecordsReportTest, TickedColumnsGiveTheTableAndTheOrientation)
{
    using C = RecordsColumn;
    struct Case {
        std::vector<C> ticked;
        double width;
        Orientation orientation;
        std::vector<std::string> firstRow;
    };
    // The captions come from the same list as the cells: the cells show the columns and their order.
    const Case cases[] = {
        {{}, 5.1, Orientation::Portrait, {"800 m", "2:05.30"}},
        {{C::Name, C::Surname, C::Gender, C::Age, C::Date},
         14.3,
         Orientation::Landscape,
         {"800 m", "Ann", "Lee", "B", "13", "05/04/2019", "2:05.30"}},
        // Every box: 5.1 and the eight widths, 14.6 together.
        {{C::Name, C::Surname, C::Gender, C::Age, C::Year, C::Date, C::Track, C::Team},
         19.7,
         Orientation::Landscape,
         {"800 m", "Ann", "Lee", "B", "13", "2019", "05/04/2019", "Pretoria", "Oaks", "2:05.30"}},
    };
    for (const Case& c : cases) {
        RecordsReportOptions options;
        for (C col : c.ticked)
            options.ticked[static_cast<size_t>(col)] = true;
        options.setName = "Meeting";
        options.setSymbol = "M";
        options.documentFile = "/data/Rekords.odt";
        EXPECT_NEAR(recordsReportWidth(options), c.width, 1e-9);

        Document doc;
        ASSERT_TRUE(PrintRecordsReport(doc, recordGrid(Language::English), options));
        EXPECT_EQ(doc.orientation(), c.orientation) << c.width;
        EXPECT_EQ(doc.exportFile(), "/data/Rekords.odt");
        ASSERT_EQ(doc.tables().size(), 1u);
        const Table& t = *doc.tables()[0];
        EXPECT_EQ(t.header.size(), c.firstRow.size());
        ASSERT_EQ(t.columns.size(), c.firstRow.size());
        ASSERT_EQ(t.rows.size(), 2u); // the event without a record is left out
        EXPECT_EQ(t.rows[0], c.firstRow);
    }
}

TEST(RecordsReportTest, TitleCategoriesAndAfrikaansHeaders)
{
    RecordsReportOptions options;
    options.language = Language::Afrikaans;
    options.ticked = parseRecordsColumns("gen,age,team");
    options.setName = "Provinsie";
    options.setSymbol = "P";
    Document doc;
    ASSERT_TRUE(PrintRecordsReport(doc, recordGrid(Language::Afrikaans), options));
    EXPECT_EQ(paragraphs(doc.pages().at(0)),
              (std::vector<std::string>{"\n", "Record set: Provinsie (P)\n", "\n", "\n"}));
    const Table& t = *doc.tables().at(0);
    EXPECT_EQ(t.header, (std::vector<std::string>{"Item", "Ges", "Oud", "Span", "Rekord"}));
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"Relay", "W", "", "Eagles", "48.20"})); // the open class has no age

    GridModel g = recordGrid(Language::English);
    g.setCell(1, reccol::Category, "G - 15");
    doc = Document{};
    ASSERT_TRUE(PrintRecordsReport(doc, g, options));
    EXPECT_EQ(doc.tables().at(0)->rows[0][1], "G");
    EXPECT_EQ(doc.tables().at(0)->rows[0][2], "15");

    EXPECT_THROW(parseRecordsColumns("name,colour"), std::invalid_argument);
}

TEST(RecordsReportTest, AGridOfOnlyTheHeaderPrintsNothing)
{
    GridModel g;
    setupRecordGrid(g, Language::English);
    Document doc;
    doc.paragraph("the last printout");
    RecordsReportOptions options;
    options.documentFile = "/data/Rekords.odt";
    EXPECT_FALSE(PrintRecordsReport(doc, g, options));
    EXPECT_EQ(doc.blocks().size(), 1u);
    EXPECT_EQ(doc.exportFile(), "");
}

} // namespace
