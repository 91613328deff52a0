// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordsTestSupport.h"

#include "records/CurrentEventRecord.h"

#include <gtest/gtest.h>

using namespace dravik;

namespace {

TEST(CurrentEventRecordTest, ReadFindsTheRecordOfAnySetWhicheverSetTheEditorShows)
{
    test::RecordsMeeting m;
    // The record editor shows set 1; Read still finds set 2's record.
    m.display(1);

    struct Case {
        double set, event;
        bool found;
        RecordFields shown;
    };
    // 101 is an 800 m (type 2, timed), 102 a long jump (type 7, measured).
    const Case cases[] = {{2, 101, true, {"Ann", "Lee", "Pretoria", "2019", "2:0"}},
                          {1, 103, false, {}},
                          {1, 102, true, {"Mia", "Smit", "Durban", "1998", "6.505"}},
                          {3, 101, false, {}}};
    for (const Case& c : cases) {
        CurrentEventRecord read = readCurrentEventRecord(m.store->atld60(), c.set, c.event, 2);
        EXPECT_EQ(read.found, c.found) << c.set << "/" << c.event;
        EXPECT_EQ(read.fields, c.shown) << c.set << "/" << c.event;
    }
}

// Only set 2's record changes; team and date stay. The box reads as the record texts read.
TEST(CurrentEventRecordTest, SaveStoresTheBoxesIntoTheRecordReadFound)
{
    test::RecordsMeeting m;
    m.display(1);
    auto expected = m.records();
    expected.at(2) = "2|101|62.5|Botha|Johan|Oaks|Bloemfontein|2019-04-05|2002";
    CurrentEventRecord read = readCurrentEventRecord(m.store->atld60(), 2, 101, 2);
    ASSERT_TRUE(read.found);
    RecordFields typed{"Johan", "Botha", "Bloemfontein", "2002", "1:02,5"};
    ASSERT_TRUE(saveCurrentEventRecord(m.store->atld60(), read, typed, Language::English).ok);
    EXPECT_EQ(m.records(), expected);
}

TEST(CurrentEventRecordTest, SaveIsRefusedWithoutAFoundRecordOrAReadableRecordText)
{
    test::RecordsMeeting m;
    RecordFields typed{"Johan", "Botha", "", "", "1:05"};

    CurrentEventRecord none = readCurrentEventRecord(m.store->atld60(), 1, 103, 1);
    RecordsResult result = saveCurrentEventRecord(m.store->atld60(), none, typed, Language::English);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Read a record first: only a record that was found can be saved.");

    CurrentEventRecord read = readCurrentEventRecord(m.store->atld60(), 1, 101, 2);
    typed.record = "fast";
    result = saveCurrentEventRecord(m.store->atld60(), read, typed, Language::Afrikaans);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "Die rekord \"fast\" is nie 'n getal bo 0 of 'n tyd soos 1:05.3 nie. Niks is gestoor nie.");
    typed.record = "2:0";
    typed.jaar = "99999";
    EXPECT_FALSE(saveCurrentEventRecord(m.store->atld60(), read, typed, Language::English).ok);
    typed.jaar = "";
    EXPECT_EQ(m.suite.rows("SELECT Naam, Rek FROM Atld60 WHERE Verw = 1 AND Tnom IN (101, 102) ORDER BY Tnom"),
              (std::vector<std::string>{"Ann|125.3", "Mia|6.505"}));

    m.suite.meetingDb().exec("DELETE FROM Atld60 WHERE Verw = 1");
    typed.record = "2:5.3";
    result = saveCurrentEventRecord(m.store->atld60(), read, typed, Language::English);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "The record is no longer in the table. Read it again.");
    EXPECT_EQ(m.suite.rows("SELECT COUNT(*) FROM Atld60"), std::vector<std::string>{"1"});
}

} // namespace
