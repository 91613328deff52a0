// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/WebFolder.h"
#include "printing/WebFrame.h"
#include "printing/WebPage.h"
#include "startlists/EntrantNames.h"

#include <string>
#include <vector>

namespace dravik::printing {

// Where a day of the programme is published: its page and its short date.
struct WebDayPlace {
    std::string file;  // "day2.html"
    std::string label; // "Sun 15 Mar"
};

// One race of a competitor: the event's day, time and row, the heat and the lane
// or place in the order, and the link that opens the event's start list.
struct WebRace {
    const WebEvent* event = nullptr;
    const WebDayPlace* place = nullptr;
    std::string heat, position; // "Heat 2" ("" for one group), "Lane 4" or "Order 3"
};

// An athlete (or a relay team) with every race of the programme.
struct WebCompetitor {
    double number = 0;
    const WebEntrant* entrant = nullptr;            // as the first start list shows it
    const EntrantNames::Athlete* athlete = nullptr; // null for a team or an unknown athlete
    const EntrantNames::Team* team = nullptr;       // the team, when known
    std::vector<WebRace> races;

    std::string name() const;           // "Van, Naam"; the start list's name without a surname
    std::string teamText() const;       // "Pretoria Boys (PBH)"
    const std::string& surname() const; // what the list is sorted by first
};

struct WebTeamEntry {
    double number = 0;
    std::string name, abbreviation, file; // file: "team-12.html"
    std::vector<const WebCompetitor*> athletes;
    std::vector<WebRace> relays;
};

// The programme's start lists turned round: every athlete A to Z and every team
// with its athletes and relays. It points into `page`, which outlives it.
class WebAthleteIndex {
public:
    // `days` runs parallel to page.days; both outlive the index.
    WebAthleteIndex(const WebProgramme& page, const std::vector<WebDayPlace>& days, const EntrantNames& names);
    // The teams point into the athletes: the index is not copied.
    WebAthleteIndex(const WebAthleteIndex&) = delete;
    WebAthleteIndex& operator=(const WebAthleteIndex&) = delete;

    const std::vector<WebCompetitor>& athletes() const { return athletes_; }
    const std::vector<WebTeamEntry>& teams() const { return teams_; }

private:
    std::vector<WebCompetitor> athletes_, relayTeams_;
    std::vector<WebTeamEntry> teams_;
};

// "Pretoria Boys (PBH)"; either part alone when the other is empty or the same.
std::string teamText(const std::string& name, const std::string& abbreviation);

// The athletes' pages: athletes.html, then athletes-2.html and on when the list is
// long, each with the A to Z bar and the pages' bar; then teams.html and
// team-N.html for every team with a race: its relays and its athletes.
std::vector<WebFile> athletesAndTeamsPages(const WebAthleteIndex& index, const WebFrame& frame);

} // namespace dravik::printing
