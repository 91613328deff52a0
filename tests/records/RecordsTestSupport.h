#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "records/RecordGrid.h"
#include "support/TestMeeting.h"

#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// The test meeting whose event definitions and catalogue are only those a test
// adds, with record sets, records and programme rows written straight into the
// meeting database.
class RecordsSuite : public TestMeeting {
public:
    RecordsSuite() { clearStandardEvents(); }

    void addSet(int verw, const std::string& naam, const std::string& simb = "R", bool active = true)
    {
        addRecordSet(verw, simb, naam, active);
    }
    struct Record {
        int verw, tnom;
        double rek;
        std::string van = "Lee", naam = "Ann", span = "Oaks", plek = "Pretoria", datum = "2019-04-05",
                    jaar = "2019";
    };
    void addRecord(const Record& r)
    {
        TestMeeting::addRecord({r.verw, r.tnom, formatNumber(r.rek), r.naam, r.van, r.span, r.plek, r.datum, r.jaar});
    }
};

// Six definitions, of which three lie in the age range 13 to 35 with a
// catalogue entry; set 1 has records of two of them, set 2 of one.
struct RecordsMeeting {
    RecordsMeeting()
    {
        suite.meeting.minAgeIndex = 13;
        suite.meeting.maxAgeIndex = 27; // 35
        suite.addEvent(101, 2, "S", 13, 1, "800 m");
        suite.addEvent(102, 7, "M", 13, 2, "Long Jump", "indoor");
        suite.addEvent(103, 1, "S", 12, 3, "100 m");
        suite.addEvent(104, 2, "S", 35, 1, "800 m");
        suite.addEvent(105, 2, "S", 40, 1, "800 m");
        suite.addEvent(106, 1, "S", 14, 99, ""); // not in the catalogue
        suite.addSet(1, "Meeting", "M");
        suite.addSet(2, "Province", "P");
        suite.addRecord({1, 101, 125.3});
        suite.addRecord({1, 102, 6.505, "Smit", "Mia", "Eagles", "Durban", "summer 1998", "1998"});
        suite.addRecord({2, 101, 120.0});
        suite.addStoredRow(101, 9);
        suite.addStoredRow(101, 5);
        store = suite.open();
    }
    RecordDisplay display(int set, Language lang = Language::English, const RecordProgress& progress = {})
    {
        return DisplayRecordSet(grid, *store, suite.meeting, {set, set == 1 ? "Meeting" : "Province", "M"}, lang,
                                progress);
    }
    std::vector<std::string> records()
    {
        return suite.rows("SELECT Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar FROM Atld60 ORDER BY rowid");
    }
    RecordsSuite suite;
    std::unique_ptr<DataStore> store;
    GridModel grid;
};

} // namespace dravik::test
