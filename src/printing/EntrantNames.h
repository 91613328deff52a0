#pragma once
#include "printing/PairHash.h"
#include "printing/PrintOptions.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace dravik {
class RecordSet;
}

namespace dravik::printing {

// The names the gate programme prints for its entrants, from the athletes
// (Atld30, by team number and athlete number) and teams (Atld20, by number),
// read once; the first row of a key in the record set's order wins.
class EntrantNames {
public:
    EntrantNames() = default;
    EntrantNames(RecordSet& atld30, RecordSet& atld20);

    // "Naam (Afkort)   " of a team entry; "" for an unknown team.
    std::string team(double teamNumber) const;
    // The athlete's name in the chosen style, then " (Afkort)   " of the team:
    // athlete code 12034 is athlete 34 of team 12. An unknown athlete prints
    // only the team part, an unknown team no team part.
    std::string athlete(double code, NameStyle style) const;

    // The parts on their own, for a start list with a column per part: the
    // athlete's name in the chosen style and a team's name and abbreviation,
    // each "" when unknown.
    std::string athleteName(double code, NameStyle style) const;
    std::string teamName(double teamNumber) const;
    std::string teamAbbreviation(double teamNumber) const;

    struct Athlete {
        std::string naam, van; // trimmed
    };
    struct Team {
        std::string naam, afkort; // trimmed
    };
    // The athlete of an athlete code, the team of a team number; null when there is none.
    const Athlete* findAthlete(double code) const;
    const Team* findTeam(double teamNumber) const;

private:
    std::string teamSuffix(double teamNumber) const;

    std::unordered_map<std::pair<double, double>, Athlete, PairHash> athletes_;
    std::unordered_map<double, Team> teams_;
};

} // namespace dravik::printing
