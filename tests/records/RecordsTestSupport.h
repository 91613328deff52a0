#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "support/TestSupport.h"

#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// A suite of its own in a temporary folder whose event definitions and
// catalogue are only those a test adds, with record sets, records and
// programme rows written straight into the meeting database.
class RecordsSuite {
public:
    RecordsSuite()
    {
        createSuiteFolder(dir_.path().string(), false);
        meeting_ = openDatabase(dir_.path() / suitefile::Meeting);
        standard_ = openDatabase(dir_.path() / suitefile::Standard);
        standard_->exec("DELETE FROM Atld10; DELETE FROM Atld11");
        using namespace std::chrono;
        meeting.minAgeIndex = 5;
        meeting.maxAgeIndex = 25;
        meeting.day1 = sys_days{year{2026} / 3 / 14};
    }

    std::string folder() const { return dir_.folder(); }
    SQLite::Database& meetingDb() { return *meeting_; }

    // A definition, and its catalogue entry unless the name is empty.
    void addEvent(int nommer, int tipe, const std::string& sm, int oud, int besk, const std::string& name,
                  const std::string& nota = "")
    {
        exec(*standard_, "INSERT INTO Atld10 (Nommer, Tipe, SM, Oud, besk, Nota, Amp) VALUES (?, ?, ?, ?, ?, ?, 'J')",
             {std::to_string(nommer), std::to_string(tipe), sm, std::to_string(oud), std::to_string(besk), nota});
        if (name.empty())
            return;
        exec(*standard_, "INSERT INTO Atld11 (Nom, Bske, Bska) SELECT ?, ?, ? WHERE NOT EXISTS "
                         "(SELECT 1 FROM Atld11 WHERE Nom = ?)",
             {std::to_string(besk), name, name, std::to_string(besk)});
    }
    void addSet(int verw, const std::string& naam, const std::string& simb = "R", bool active = true)
    {
        exec(*meeting_, "INSERT INTO Atld61 (Verw, Naam, Simb, Aktief) VALUES (?, ?, ?, ?)",
             {std::to_string(verw), naam, simb, active ? "1" : "0"});
    }
    struct Record {
        int verw, tnom;
        double rek;
        std::string van = "Lee", naam = "Ann", span = "Oaks", plek = "Pretoria", datum = "2019-04-05",
                    jaar = "2019";
    };
    void addRecord(const Record& r)
    {
        exec(*meeting_, "INSERT INTO Atld60 (Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
             {std::to_string(r.verw), std::to_string(r.tnom), formatNumber(r.rek), r.van, r.naam, r.span, r.plek,
              r.datum, r.jaar});
    }
    void addProgrammeRow(int tabverw, int nommer)
    {
        exec(*meeting_, "INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, HE, Draws) VALUES (?, 0, ?, '', "
                        "'08:00', 'E', 1)",
             {std::to_string(tabverw), std::to_string(nommer)});
    }

    // The rows a query gives, each as its columns' texts joined by "|".
    std::vector<std::string> rows(const std::string& sql)
    {
        return queryRows(*meeting_, sql);
    }

    std::unique_ptr<DataStore> open() { return DataStore::open(folder()); }

    MeetingDetails meeting;

private:
    static void exec(SQLite::Database& db, const std::string& sql, const std::vector<std::string>& values)
    {
        SQLite::Statement st(db, sql);
        for (size_t i = 0; i < values.size(); ++i)
            st.bind(static_cast<int>(i + 1), values[i]);
        st.exec();
    }

    TempFolder dir_;
    std::unique_ptr<SQLite::Database> meeting_, standard_;
};

inline std::vector<std::string> gridColumn(const GridModel& g, int col)
{
    std::vector<std::string> out;
    for (int r = 1; r < g.rows(); ++r)
        out.push_back(g.cell(r, col));
    return out;
}

} // namespace dravik::test
