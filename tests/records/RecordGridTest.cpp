// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordsTestSupport.h"

#include <gtest/gtest.h>

using namespace dravik;
using test::column;
using Rows = std::vector<std::string>;

namespace {

Rows visible(const GridModel& g, int row)
{
    Rows out;
    for (int c = 0; c < g.cols(); ++c)
        out.push_back(g.colHidden(c) ? "#" + g.cell(row, c) : g.cell(row, c));
    return out;
}

TEST(RecordGridTest, DisplayListsTheEventsOfTheAgeRangeWithTheSetsRecordsAndFilters)
{
    test::RecordsMeeting m;
    RecordDisplay shown = m.display(1);
    EXPECT_EQ(shown.frameCaption, " Meeting (M) ");
    EXPECT_EQ(shown.filterCaption, "Program Events");
    ASSERT_EQ(m.grid.rows(), 4);
    const std::string key1 = m.suite.rows("SELECT rowid FROM Atld60 WHERE Verw = 1 AND Tnom = 101")[0];
    const std::string key2 = m.suite.rows("SELECT rowid FROM Atld60 WHERE Verw = 1 AND Tnom = 102")[0];
    EXPECT_EQ(visible(m.grid, 1), (Rows{"Long Jump (indoor)", "G - 13", "Smit", "Mia", "6.50", "1998", "summer 1998",
                                        "Eagles", "Durban", "#102", "#" + key2, "#0", "#7", "#1"}));
    EXPECT_EQ(visible(m.grid, 2), (Rows{"800 m", "B - 13", "Lee", "Ann", " 2:05.30", "2019", "05/04/2019", "Oaks",
                                        "Pretoria", "#101", "#" + key1, "#5", "#2", "#1"}));
    EXPECT_EQ(visible(m.grid, 3),
              (Rows{"800 m", "M - 35", "", "", "", "", "14/03/2026", "", "", "#104", "#-1", "#0", "#2", "#1"}));

    // The filter hides the events that are not on the programme, and shows them again.
    struct Step {
        const char* caption;
        const char* next;
        std::vector<int> hidden;
    };
    for (const Step& step : {Step{"Program Events", "All Events", {1, 3}}, Step{"All Events", "Program Events", {}},
                             Step{"Program Items", "Program Events", {}}}) {
        EventFilter f = pressEventFilter(m.grid, step.caption);
        EXPECT_EQ(f.caption, step.next);
        EXPECT_EQ(f.hiddenRows, step.hidden) << step.caption;
    }

    shown = m.display(2, Language::Afrikaans);
    EXPECT_EQ(shown.filterCaption, "Program Items");
    EXPECT_EQ(column(m.grid, reccol::Record), (Rows{"", " 2:00.00", ""}));
}

TEST(RecordGridTest, SaveStoresTypedRecordsDeletesClearedOnesAndLeavesTheRestAlone)
{
    test::RecordsMeeting m;
    m.display(1);
    const auto before = m.records();
    ASSERT_TRUE(saveRecordGrid(m.grid, m.store->atld60(), Language::English).ok);
    EXPECT_EQ(m.records(), before); // nothing typed, nothing written: 6.505 and "summer 1998" stay

    m.grid.setCell(1, reccol::Surname, "Smith"); // a change beside an unchanged record
    m.grid.setCell(2, reccol::Record, " ");      // cleared: deleted
    m.grid.setCell(3, reccol::Record, "2:10.5"); // a new record
    m.grid.setCell(3, reccol::Surname, "Botha");
    ASSERT_TRUE(saveRecordGrid(m.grid, m.store->atld60(), Language::English).ok);
    EXPECT_EQ(m.records(),
              (Rows{"1|102|6.505|Smith|Mia|Eagles|Durban|summer 1998|1998",
                    "2|101|120.0|Lee|Ann|Oaks|Pretoria|2019-04-05|2019", "1|104|130.5|Botha||||2026-03-14|"}));
    EXPECT_EQ(m.grid.cell(2, reccol::Key), "-1");
    EXPECT_EQ(m.grid.cell(3, reccol::Record), " 2:10.50");
    EXPECT_EQ(m.store->atld60().recordCount(), 3); // the shared record set follows

    // A second Save finds everything as stored: no second new record.
    ASSERT_TRUE(saveRecordGrid(m.grid, m.store->atld60(), Language::English).ok);
    EXPECT_EQ(m.records().size(), 3u);
    // Display again shows the change.
    m.display(1);
    EXPECT_EQ(column(m.grid, reccol::Record), (Rows{"6.50", "", " 2:10.50"}));
}

TEST(RecordGridTest, SaveRefusesARecordOrDateItCannotReadAndStoresNothing)
{
    struct Case {
        int row, col;
        const char* text;
        Language lang;
        const char* message;
    };
    const Case cases[] = {
        {2, reccol::Record, "1:0x", Language::English,
         "The record of 800 m (B - 13), \"1:0x\", is neither a number above 0 nor a time. Nothing was saved."},
        {1, reccol::Record, "2:05.30", Language::English,
         "The record of Long Jump (indoor) (G - 13), \"2:05.30\", is not a number above 0. Nothing was saved."},
        {2, reccol::Year, "99999", Language::English,
         "The year of 800 m (B - 13), \"99999\", is not a year of four digits. Nothing was saved."},
        {2, reccol::Date, "31/02/2019", Language::English,
         "The date of 800 m (B - 13), \"31/02/2019\", is not a date written dd/MM/yyyy. Nothing was saved."},
    };
    for (const Case& c : cases) {
        test::RecordsMeeting m;
        m.display(1, c.lang);
        const auto before = m.records();
        m.grid.setCell(1, reccol::Surname, "Changed"); // a good change that must not be stored either
        m.grid.setCell(3, reccol::Record, "12.5");
        m.grid.setCell(c.row, c.col, c.text);
        RecordsResult result = saveRecordGrid(m.grid, m.store->atld60(), c.lang);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.row, c.row);
        EXPECT_EQ(m.records(), before) << c.text;
    }
}

} // namespace
