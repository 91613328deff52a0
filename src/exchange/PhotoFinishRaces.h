#pragma once
#include "programme/Language.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace dravik {

class DataStore;
class GridModel;
struct EventReference;

// A programme that cannot be written for the photo-finish camera, or files that
// cannot be written; the message names every row (or the file) that is wrong.
class PhotoFinishError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PhotoFinishCompetitor {
    std::string id; // athlete code (team × 1000 + athlete), or a relay team's team number
    std::string lastName, firstName, affiliation; // commas and control characters made blanks
    int lane = 0;   // Baan; 0 when none was drawn
};

// One heat of one programme row, as the camera runs it.
struct PhotoFinishRace {
    int event = 0;               // see photoFinishEventNumber
    std::string programmeNumber; // "12a", as the programme shows it
    int heat = 1;                // Been; 1 when no draw was made
    std::string name;            // "Boys - 10 100m Heat"
    std::vector<PhotoFinishCompetitor> competitors; // by lane, as drawn
};

struct PhotoFinishRaces {
    std::vector<PhotoFinishRace> races;        // programme order (day, number, sub), then heats
    std::vector<PhotoFinishCompetitor> people; // every competitor once, by ID

    int competitorLines() const;
};

// The camera's event number of a programme row: its number; a row with a sub
// letter gets its number × 100 + the letter's place in the alphabet (12a =
// 1201, 12B = 1202), so that rows sharing a number stay apart and keep the
// same number from one export to the next. 0 when the number is no whole
// number from 1 to 999999 or the sub is no letter.
int photoFinishEventNumber(const std::string& number, const std::string& sub);

// The races of the programme grid (row 0 the header; the cells as the window
// shows them in `lang`) with their entrants from the store's entries, athletes
// and teams; day 0 takes every day, otherwise that day's rows only. Field
// events (kinds 7 and 8) are left out; relays (kind 3) run with their team
// entries. Entrants follow the draw: one race per heat, by lane.
// Throws PhotoFinishError naming every row that cannot be written: an unknown
// definition, level or sub, an entry without its athlete or team, a heat or
// lane outside 0 to 99, two rows with one event number, or no race at all.
PhotoFinishRaces collectPhotoFinishRaces(const GridModel& programme, const EventReference& reference,
                                         DataStore& store, Language lang, int day = 0);

} // namespace dravik
