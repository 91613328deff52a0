// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace dravik {
class RecordSet;
}

namespace dravik::printing {

// An active record set as the printouts show it: its symbol beside each record.
struct RecordSymbol {
    std::string symbol;   // Simb
    double reference = 0; // Verw
    std::string name;     // Naam
};

// The active sets (Aktief = 1) of Atld61 in the record set's order.
std::vector<RecordSymbol> LoadRecordSymbols(RecordSet& atld61);

} // namespace dravik::printing
