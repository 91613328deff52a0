// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/PairHash.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace dravik {
class RecordSet;
}

namespace dravik {

// The athletes (Atld30, by team number and athlete number) and teams (Atld20,
// by number) that the start lists name, read once; the first row of a key in
// the record set's order wins.
class EntrantNames {
public:
    EntrantNames() = default;
    EntrantNames(RecordSet& atld30, RecordSet& atld20);

    struct Athlete {
        std::string naam, van; // trimmed
    };
    struct Team {
        std::string naam, afkort; // trimmed
    };
    // The athlete of an athlete code (12034 is athlete 34 of team 12), the team
    // of a team number; null when there is none.
    const Athlete* findAthlete(double code) const;
    const Team* findTeam(double teamNumber) const;

private:
    std::unordered_map<std::pair<double, double>, Athlete, PairHash> athletes_;
    std::unordered_map<double, Team> teams_;
};

} // namespace dravik
