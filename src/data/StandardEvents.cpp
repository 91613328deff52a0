#include "data/StandardEvents.h"

namespace dravik {

void writeStandardEvents(SQLite::Database& standard)
{
    // Placeholder until the standard event list lands.
    standard.exec("INSERT INTO Atld11 (Nom, Bske, Bska) VALUES (1, '100m', '100m')");
    standard.exec("INSERT INTO Atld10 (Nommer, Tipe, SM, Oud, besk, Nota, Amp) VALUES (1, 1, 'S', 12, 1, '', 'J')");
}

} // namespace dravik
