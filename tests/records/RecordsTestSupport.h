#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
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

} // namespace dravik::test
