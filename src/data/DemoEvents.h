// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The demo meeting's events: the standard definitions as the demo reads them,
// the stored programme it builds from the entries, and the record marks.

#include "platform/TextNumber.h"

#include <SQLiteCpp/Database.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace dravik::demo {

// ---------------------------------------------------------------------------
// The standard definitions, as the meeting chooses its events from them.

enum Kind : int { Sprint = 1, Distance = 2, Relay = 3, Hurdles = 5, SteepleOrWalk = 6, Jump = 7, Throw = 8 };

struct Definition {
    int nommer = 0;
    int kind = 0;
    std::string sm;
    int age = 0;
    bool official = false;
    std::string name; // English catalogue name

    bool isMale() const { return sm == "S"; }
    bool isRace() const { return kind == Sprint || kind == Distance || kind == Hurdles || kind == SteepleOrWalk; }
    bool isField() const { return kind == Jump || kind == Throw; }
    bool isTimed() const { return !isField(); }
    double distance() const { return textToNumber(name); }
};

std::vector<Definition> readDefinitions(SQLite::Database& standard);

using Group = std::pair<std::string, int>; // gender code and age

// The official definitions of a group with one of the kinds, in definition order.
std::vector<const Definition*> officialEvents(const std::vector<Definition>& defs, const Group& group,
                                              std::initializer_list<int> kinds);

constexpr int kLanes = 8;

// Heats of at most eight for a race's entrants.
int heatsFor(int entrants);

// ---------------------------------------------------------------------------
// The stored programme.

struct ProgrammeItem {
    const Definition* def = nullptr;
    int level = 0;
    int day = 1;
    int start = 0; // minutes after midnight
    std::string sub = " ";
    std::string point = "   ";
    bool sharesNumber = false; // the "b" of a pair that shares its number
};

// "hh:mm" of minutes after midnight.
std::string clockText(int minutes);

// The programme of three days for the events with entries (definition number to
// number of entrants): heats and finals of the races, field events at two points.
std::vector<ProgrammeItem> buildProgramme(const std::map<int, int>& entryCounts,
                                          const std::map<int, const Definition*>& byNommer);

// ---------------------------------------------------------------------------
// Records.

// A record mark of the definition's class; quality 1 is provincial level, lower is weaker.
// Seconds for timed events, metres for field events; 0 when the event has no known mark.
double recordMark(const Definition& d, double quality);

// Where provincial records were set.
extern const std::vector<std::string> kRecordVenues;

} // namespace dravik::demo
