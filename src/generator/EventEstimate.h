// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace dravik {

class GridModel;

// How one event of the working list is timed by the estimate.
struct EventEstimate {
    enum class Form { None, Race, Field };
    Form form = Form::None;  // None: a kind without an estimate (its duration counts as 0)
    int heats = 0;           // races: heats; field events: 1
    double minutes = 0;      // the duration shown: heats times minutes per heat, or 3n+12 (doubled for pole vault)
    double roundMinutes = 0; // field events: 3n+12 before the pole-vault doubling
};

// The estimate for an event of the given kind (Tipe, with 9 already read as 0),
// distance (the leading number of its name) and number of entries. Races take
// their heat size from flxNBane (GeneratorError when that row holds no size).
EventEstimate estimateEvent(int kind, double distance, double entries, bool poleVault, const GridModel& flxNBane);

// The longest field duration rounded down to a multiple of 15 minutes.
double fieldRoundLength(double longestField);

// Whole field rounds in the track minutes; 0 without a round length (no field event).
int fieldRoundCount(double trackMinutes, double roundLength);

// Pole vault takes twice as long. Stored catalogues mark it by "PS" at the start
// of the English name; the catalogue names it "Pole Vault" (Bske) or "Paalspring"
// (Bska), compared at the start of the name without regard to case, so that a
// note after the name does not hide it.
bool isPoleVault(std::string_view englishName, std::string_view afrikaansName);

} // namespace dravik
