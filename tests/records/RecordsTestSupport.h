// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "records/RecordGrid.h"
#include "support/TestMeeting.h"

#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// Six definitions, of which three lie in the age range 13 to 35 with a
// catalogue entry; set 1 has records of two of them, set 2 of one.
struct RecordsMeeting {
    RecordsMeeting()
    {
        suite.clearStandardEvents();
        suite.meeting.minAgeIndex = 13;
        suite.meeting.maxAgeIndex = 27; // 35
        suite.addEvent(101, 2, "S", 13, 1, "800 m");
        suite.addEvent(102, 7, "M", 13, 2, "Long Jump", "indoor");
        suite.addEvent(103, 1, "S", 12, 3, "100 m");
        suite.addEvent(104, 2, "S", 35, 1, "800 m");
        suite.addEvent(105, 2, "S", 40, 1, "800 m");
        suite.addEvent(106, 1, "S", 14, 99, ""); // not in the catalogue
        suite.addRecordSet(1, "M", "Meeting");
        suite.addRecordSet(2, "P", "Province");
        suite.addRecord({1, 101, "125.3", "Ann", "Lee", "Oaks", "Pretoria", "2019-04-05", "2019"});
        suite.addRecord({1, 102, "6.505", "Mia", "Smit", "Eagles", "Durban", "summer 1998", "1998"});
        suite.addRecord({2, 101, "120.0", "Ann", "Lee", "Oaks", "Pretoria", "2019-04-05", "2019"});
        suite.addStoredRow(101, 9);
        suite.addStoredRow(101, 5);
        store = suite.open();
    }
    RecordDisplay display(int set, Language lang = Language::English)
    {
        return DisplayRecordSet(grid, *store, suite.meeting, {set, set == 1 ? "Meeting" : "Province", "M"}, lang);
    }
    std::vector<std::string> records()
    {
        return suite.rows("SELECT Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar FROM Atld60 ORDER BY rowid");
    }
    TestMeeting suite;
    std::unique_ptr<DataStore> store;
    GridModel grid;
};

} // namespace dravik::test
