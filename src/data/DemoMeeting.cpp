#include "data/DemoMeeting.h"

namespace dravik {

void writeDemoMeeting(SQLite::Database& meeting, SQLite::Database&)
{
    meeting.exec("INSERT INTO Atld00 (Plek, Opm, MinGrens, MaxGrens, Datum, Datum2, Datum3, Dae) "
                 "VALUES ('Demo Park', 'Demo meeting', 5, 25, '2027-03-12', '2027-03-13', '2027-03-14', 3)");
}

} // namespace dravik
