// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/PairHash.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace dravik {
class RecordSet;
}

namespace dravik {

// One row of the individual (Atld37) or team (Atld28) entries.
struct EntryRow {
    double nommer = 0; // athlete code (team × 1000 + athlete) or team number
    double heat = 0;   // Been
    double lane = 0;   // Baan
};

// The entries of a table grouped once by event and level (Tnom, Uvlak), each
// group in the record set's order.
class EntryIndex {
public:
    EntryIndex() = default;
    explicit EntryIndex(RecordSet& entries);

    const std::vector<EntryRow>& of(double definitionNumber, double levelIndex) const;

private:
    std::unordered_map<std::pair<double, double>, std::vector<EntryRow>, PairHash> groups_;
};

} // namespace dravik
