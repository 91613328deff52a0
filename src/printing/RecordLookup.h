// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/PairHash.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace dravik {
class RecordSet;
}

namespace dravik::printing {

// One record of Atld60 as the printouts show it.
struct RecordEntry {
    double value = 0; // Rek
    std::string naam, van, span, plek;
    std::string datum; // as stored
    std::string jaar;  // as stored
};

// The record of a set for an event, and how many rows of that set and event
// with a blank Rek came before it (all of them when there is no record).
struct RecordMatch {
    const RecordEntry* record = nullptr;
    int blankRows = 0;
};

// Every (set, event) pair's record, read once from the records table in its
// order: the first row with a non-blank Rek is the record.
class RecordLookup {
public:
    RecordLookup() = default;
    explicit RecordLookup(RecordSet& atld60);

    RecordMatch find(double setReference, double definitionNumber) const;

private:
    struct Slot {
        int record = -1;
        int blankRows = 0;
    };
    std::vector<RecordEntry> records_;
    std::unordered_map<std::pair<double, double>, Slot, PairHash> slots_;
};

// A record's date as "dd/MM/yyyy"; text that is no date prints trimmed as it is.
std::string recordDateText(const std::string& stored);

} // namespace dravik::printing
