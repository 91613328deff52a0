// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/PrintOptions.h"
#include "printing/Printouts.h"
#include "startlists/EntrantNames.h"

#include <memory>
#include <string>
#include <vector>

namespace dravik::printing {

// The programme as the web page shows it, built from the programme grid with the
// texts and lookups of the printouts: the standard programme's row texts and
// records, the gate programme's entrants in draw order.

// One line of a start list: the lane ("" when none is drawn), the athlete code
// (or team number) that officials match to the bib, the athlete's (or team's)
// name and the team's abbreviation.
struct WebEntrant {
    std::string lane, name, team;
    std::string id;
    double number = 0; // the athlete code (team x 1000 + athlete), or the team's number in a team event
};

// A heat of an event; an event that runs as one group has one untitled heat.
struct WebHeat {
    std::string title; // "Heat 2"
    std::vector<WebEntrant> entrants;
};

struct WebEvent {
    std::string anchor;             // "d2-26a": day and number with sub letter, unique in the site
    std::vector<std::string> cells; // It No, Time, Gender, Event, Place, Level as the standard programme prints them
    // One line per active set that holds a record for the event; each line has the
    // record columns of the header (Record, or Record, Athlete, Team, Track and Date).
    std::vector<std::vector<std::string>> records;
    std::vector<WebHeat> heats; // empty: no entrants
    bool lanes = false;         // some entrant has a lane
    bool field = false;         // a field event: its start list is the order of competing
    bool teamEvent = false;     // the entrants are teams
    size_t entrantCount() const;
};

// The events of one day in programme order (a meeting of one day has one).
struct WebDay {
    int day = 1;       // the meeting's day number
    std::string title; // "Day: 2 - 15/03/2026" or "Date: 14/03/2026", as the page heading prints it
    std::vector<WebEvent> events;
};

struct WebProgramme {
    Language language = Language::English;
    std::string meeting, venue;
    std::vector<std::string> header;  // the standard programme's column titles
    std::string symbolsTitle;         // "Record symbols in use:" when records are shown
    std::vector<std::string> symbols; // "S - School records"
    std::vector<WebDay> days;
    // The athletes and teams the start lists were read with, for the athletes pages.
    std::shared_ptr<const EntrantNames> names;
    size_t eventCount() const;
};

// The programme grid's rows as the standard programme would print them with these
// options (the day filter, the records of the active sets), each with its start
// list: heats with lanes in draw order, else the entrants in entry order. With no
// active record set the records option becomes None, in `options` too.
WebProgramme buildWebProgramme(const PrintSources& src, PrintOptions& options);

} // namespace dravik::printing
