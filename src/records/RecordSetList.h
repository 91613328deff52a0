// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace dravik {

class RecordSet;

// One record set of Atld61 as the window's lists show it.
struct RecordSetEntry {
    std::string naam;
    std::string simb;
    std::string verw;
    bool active = false; // Aktief is 1
    int position = 0;    // 0-based position in the record set's query order

    // The text of the record-set lists: Naam + " - (" + Simb + ")".
    std::string listText() const { return naam + " - (" + simb + ")"; }
};

// Every record set in the table's query order, and the active ones among them.
struct RecordSetList {
    std::vector<RecordSetEntry> all;
    std::vector<RecordSetEntry> active;

    int activeCount() const { return static_cast<int>(active.size()); }
};

// Walks Atld61 from its first row to its end.
RecordSetList readRecordSetList(RecordSet& atld61);

} // namespace dravik
