// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "printing/WebAthletes.h"
#include "printing/WebPage.h"

#include <ctime>
#include <string>
#include <vector>

namespace dravik::printing {

// programme.ics: one VEVENT per event of the programme at its day's date and its
// time in the meeting's local time (floating, as the programme prints it), at the
// meeting's venue and the event's place; an event without a time is an all-day
// entry. `days` runs parallel to page.days and gives each event's link.
std::string programmeCalendar(const WebProgramme& page, const MeetingDetails& meeting,
                              const std::vector<WebDayPlace>& days, std::time_t published);

} // namespace dravik::printing
