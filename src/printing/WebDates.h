// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "printing/WebTexts.h"

#include <ctime>
#include <string>

namespace dravik::printing {

// The date of a day of the meeting (1 to 3; any other day is day 1's date).
Clock::time_point meetingDayDate(const MeetingDetails& meeting, int day);

// "Saturday 14 March 2026" and "Sat 14 Mar" in the page's language.
std::string longDate(const WebTexts& t, Clock::time_point date);
std::string shortDate(const WebTexts& t, Clock::time_point date);

// "Published: Monday 7 December 2026, 18:05" in the local time of this computer.
std::string publishedLine(const WebTexts& t, std::time_t published);

} // namespace dravik::printing
