// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <cstddef>
#include <string>

namespace dravik::printing {

// The web site's own words in the page's language.
struct WebTexts {
    const char* lang;      // the html lang attribute
    const char* start;     // the start page in the day bar
    const char* programme; // the programme of a one-day meeting
    const char* records;
    const char* athletes;
    const char* teams;
    const char* calendar; // the link to programme.ics
    const char* days;     // the start page's list of days
    const char* day;      // "Day" before a day's number
    const char* entrant;  // after a count of one: "1 entrant"
    const char* entrants; // after any other count: "6 entrants"
    const char* events;   // after a count of events
    const char* noEntrants;
    const char* lane;
    const char* order;  // first column of a field event, or where no lanes are drawn
    const char* number; // first column when no lanes are drawn in a race
    const char* name;
    const char* team;
    const char* id;
    const char* time;
    const char* event;
    const char* heat;
    const char* laneOrOrder;
    const char* relays;
    const char* published;
    const char* pages;   // the athletes pages' own bar
    const char* siteNav; // the day bar's accessible name
    const char* noAthletes;
    const char* weekdays[7]; // Sunday first
    const char* shortDays[7];
    const char* months[12];
    const char* shortMonths[12];
};

const WebTexts& webTexts(Language lang);

// "1 entrant", "6 entrants".
std::string entrantCount(const WebTexts& t, size_t n);

} // namespace dravik::printing
