// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace dravik {

class DataStore;
class GridModel;
struct EventReference;
struct StartLists;

// A programme that cannot be written for the photo-finish camera, or files that
// cannot be written; the message names every row (or the file) that is wrong.
class PhotoFinishError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PhotoFinishCompetitor {
    std::string id; // athlete code (team × 1000 + athlete), or a relay team's team number
    std::string lastName, firstName, affiliation; // as stored (trimmed); a team's name is its last name
};

// A competitor in a race: who (a place in PhotoFinishRaces::people) and the lane.
struct PhotoFinishEntrant {
    int person = 0;
    int lane = 0; // Baan; 0 when none was drawn
};

// One heat of one programme row, as the camera runs it.
struct PhotoFinishRace {
    int event = 0;                            // see photoFinishEventNumber
    std::string programmeNumber;              // "12a", as the programme shows it
    int heat = 1;                             // Been; 1 when no draw was made
    std::string name;                         // "12a Boys - 10 100m Heat"
    std::string startTime;                    // "08:30:00"; empty when the row has no time
    std::vector<PhotoFinishEntrant> entrants; // in draw order
};

// Which races are written and how they are numbered.
struct PhotoFinishChoice {
    int day = 0;       // 0: every day, else only this day's rows
    int dayOffset = 0; // K: day d's events are numbered (d - 1) × K + number; 0 for none
};

inline constexpr int kMaxDayOffset = 45000;

struct PhotoFinishRaces {
    std::vector<PhotoFinishRace> races;        // programme order (day, number, sub), then heats
    std::vector<PhotoFinishCompetitor> people; // every competitor once, by ID
    int dayOffset = 0;                         // the offset the event numbers were made with

    int competitorLines() const;
};

// The camera's event number of a programme row (number 1 to 9999, sub one
// letter or blank, day 1 to 3): (day - 1) × dayOffset + number, plus 100000 ×
// the sub letter's place in the alphabet (a or A = 1 ... z or Z = 26), so
// 12 = 12, 12a = 100012, 12b = 200012, and with a day offset of 1000 day 2's
// 12a = 101012. A row without a sub never reaches 100000 and a sub's number
// keeps its letter's place, so no two different rows of a meeting of up to
// 9,999 events a day and three days share a number when the offset is at
// least the day's highest number. 0 when the number, sub, day or offset
// (0 to 45000) is none of these.
int photoFinishEventNumber(const std::string& number, const std::string& sub, int day = 1, int dayOffset = 0);

// The rule above in words, for the comment line of lynx.evt.
std::string photoFinishNumberRule(int dayOffset);

// The races of the start lists (every day or one, see PhotoFinishChoice).
// Field events are left out; relays run with their team entries; one race per
// heat in draw order. Throws PhotoFinishError naming every row that cannot be
// written: an unknown definition or level, a number or sub outside the rule,
// an entry without its athlete or team, a heat or lane outside 0 to 99, two
// rows with one event number, or no race at all.
PhotoFinishRaces collectPhotoFinishRaces(const StartLists& lists, Language lang, const PhotoFinishChoice& choice);

// The same, with the start lists of the programme grid (row 0 the header; the
// cells as the window shows them in `lang`) and the store's entries.
PhotoFinishRaces collectPhotoFinishRaces(const GridModel& programme, const EventReference& reference, DataStore& store,
                                         Language lang, const PhotoFinishChoice& choice);

} // namespace dravik
