// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/EventKind.h"
#include "programme/Language.h"
#include "startlists/EntrantNames.h"

#include <memory>
#include <string>
#include <vector>

namespace dravik {

class DataStore;
class GridModel;
struct EventReference;

// One entry of a race: an athlete (individual entries, Atld37) or a team (team
// entries, Atld28) with its names as the store holds them, trimmed. The names
// live in the start lists' name tables, read once.
struct StartCompetitor {
    double code = 0;                                // athlete code (team × 1000 + athlete) or team number
    std::string id;                                 // the code as text ("12034")
    double heat = 0, lane = 0;                      // Been and Baan as stored; 0 when none was drawn
    bool named = false;                             // the athlete (or for a team entry the team) exists
    int entryPosition = 0;                          // place among the event's entries in table order
    const EntrantNames::Athlete* athlete = nullptr; // null for a team entry or an unknown athlete
    const EntrantNames::Team* team = nullptr;       // the athlete's team or the entered team; null when unknown

    const std::string& firstName() const; // the athlete's; empty for a team
    const std::string& lastName() const;
    const std::string& teamName() const; // empty when the team is unknown
    const std::string& teamShort() const;
    bool teamKnown() const { return team != nullptr; }
};

// The competitors of one heat in draw order. A race without a draw is one heat.
struct StartHeat {
    double number = 1; // 1 when no heat was drawn
    std::vector<StartCompetitor> competitors;
};

// One programme row with its start list.
struct StartListEvent {
    int row = 0;                   // programme grid row (1 ..)
    int day = 1;                   // the row's day as a whole number (0 when it has none)
    std::string number, sub, time; // as the programme shows them, trimmed
    std::string gender, age;       // the gender word of the window's language and the age class
    std::string genderAge;         // "Boys - 10", "Women" (age class 25)
    std::string event, eventAlt;   // the event name, and in the other language
    std::string place, level;      // participation point and level text
    double definition = 0;         // Tabverw
    bool definitionKnown = false;  // the definition list has it
    int tipe = 0;                  // the definition's kind (0 when unknown)
    EventKind kind = EventKind::Track;
    double levelIndex = -1;       // place in the level list; -1 for a text that is none
    std::vector<StartHeat> heats; // draw order; empty without entries

    std::string programmeNumber() const { return number + sub; } // "12a"
    size_t competitorCount() const;
    // The competitors in the order they were entered (the entry tables' order).
    std::vector<const StartCompetitor*> entryOrder() const;
};

// The programme grid's rows in grid order, each with its start list.
struct StartLists {
    std::vector<StartListEvent> events;
    std::shared_ptr<const EntrantNames> names; // what the competitors' names point into
};

// The draw order, one rule for every start list: by heat, an entry without a
// heat (Been 0) counting as heat 1; within a heat by lane (or order in a
// field event), the entries without a lane (Baan 0) after those with one;
// entries that tie keep their entry order.
bool drawsBefore(const StartCompetitor& a, const StartCompetitor& b);

// The gender and age class as the start lists name them: "Boys - 10",
// "Men - 19", "Women" for the open class (25); with `alternative` in the gate
// booklet's other-language words ("Seuns - 10").
std::string genderAgeText(const std::string& gender, const std::string& age, Language lang, bool alternative = false);

// The level index of a programme grid's level text: its position in the level
// list; a level beyond the list is shown as its stored number, and anything
// else matches no entries (-1).
double levelIndexOf(const std::string& levelText, Language lang);

// The start lists of the programme grid (row 0 the header; cells as the window
// shows them in `lang`): the entries of each row's definition and level with
// the names of the athletes and teams; a relay (kind 3) takes the team entries.
// Without `withEntrants` the heats stay empty and the entries are not read.
StartLists buildStartLists(const GridModel& programme, const EventReference& reference, DataStore& store, Language lang,
                           bool withEntrants = true);

} // namespace dravik
