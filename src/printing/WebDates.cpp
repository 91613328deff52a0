// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebDates.h"

#include <chrono>
#include <cstdio>

namespace dravik::printing {

namespace {

struct DateParts {
    int weekday, day, month, year; // weekday 0 is Sunday, month 0 is January
};

DateParts partsOf(Clock::time_point date)
{
    using namespace std::chrono;
    const sys_days d = floor<days>(date);
    const year_month_day ymd{d};
    return {static_cast<int>(weekday{d}.c_encoding()), static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(static_cast<unsigned>(ymd.month())) - 1, static_cast<int>(ymd.year())};
}

} // namespace

Clock::time_point meetingDayDate(const MeetingDetails& meeting, int day)
{
    return day == 2 ? meeting.day2 : day == 3 ? meeting.day3 : meeting.day1;
}

std::string longDate(const WebTexts& t, Clock::time_point date)
{
    const DateParts p = partsOf(date);
    return std::string(t.weekdays[p.weekday]) + " " + std::to_string(p.day) + " " + t.months[p.month] + " " +
           std::to_string(p.year);
}

std::string shortDate(const WebTexts& t, Clock::time_point date)
{
    const DateParts p = partsOf(date);
    return std::string(t.shortDays[p.weekday]) + " " + std::to_string(p.day) + " " + t.shortMonths[p.month];
}

std::string publishedLine(const WebTexts& t, std::time_t published)
{
    std::tm local{};
    localtime_r(&published, &local);
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour, local.tm_min);
    return std::string(t.published) + ": " + t.weekdays[local.tm_wday] + " " + std::to_string(local.tm_mday) + " " +
           t.months[local.tm_mon] + " " + std::to_string(local.tm_year + 1900) + ", " + clock;
}

} // namespace dravik::printing
