// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebCalendar.h"

#include "printing/HtmlWriter.h"
#include "printing/WebDates.h"

#include <chrono>
#include <cstdio>

namespace dravik::printing {

namespace {

// A TEXT value: backslash, semicolon, comma and line breaks escaped.
std::string icsText(const std::string& raw)
{
    std::string out;
    for (char c : cleanText(raw)) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out;
}

// A content line folded at 75 octets, never inside a UTF-8 sequence.
void line(std::string& ics, const std::string& text)
{
    size_t width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t n = 1;
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        if (width + n > 75) {
            ics += "\r\n ";
            width = 1;
        }
        ics.append(text, i, n);
        width += n;
        i += n - 1;
    }
    ics += "\r\n";
}

std::string dateDigits(Clock::time_point date)
{
    using namespace std::chrono;
    const year_month_day ymd{floor<days>(date)};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02u%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return buf;
}

// "08:15" as "081500"; "" when the text is no time of day.
std::string timeDigits(const std::string& time)
{
    const size_t colon = time.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || time.size() - colon - 1 < 2)
        return {};
    int hour = 0, minute = 0;
    for (size_t i = 0; i < colon; ++i) {
        if (time[i] < '0' || time[i] > '9')
            return {};
        hour = hour * 10 + (time[i] - '0');
    }
    for (size_t i = colon + 1; i < colon + 3; ++i) {
        if (time[i] < '0' || time[i] > '9')
            return {};
        minute = minute * 10 + (time[i] - '0');
    }
    if (hour > 23 || minute > 59)
        return {};
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d%02d00", hour, minute);
    return buf;
}

std::string cell(const WebEvent& e, size_t i)
{
    return i < e.cells.size() ? e.cells[i] : std::string();
}

} // namespace

std::string programmeCalendar(const WebProgramme& page, const MeetingDetails& meeting,
                              const std::vector<WebDayPlace>& days, std::time_t published)
{
    const WebTexts& t = webTexts(page.language);
    std::tm utc{};
    gmtime_r(&published, &utc);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    // The first day's date keeps one meeting's entries apart from another's.
    const std::string meetingKey = dateDigits(meeting.day1);

    std::string ics;
    line(ics, "BEGIN:VCALENDAR");
    line(ics, "VERSION:2.0");
    line(ics, "PRODID:-//Dravik Sport//Program//EN");
    line(ics, "CALSCALE:GREGORIAN");
    line(ics, "METHOD:PUBLISH");
    if (!page.meeting.empty())
        line(ics, "X-WR-CALNAME:" + icsText(page.meeting));
    for (size_t d = 0; d < page.days.size(); ++d) {
        const WebDay& day = page.days[d];
        const std::string date = dateDigits(meetingDayDate(meeting, day.day));
        for (const WebEvent& e : day.events) {
            line(ics, "BEGIN:VEVENT");
            line(ics, "UID:" + meetingKey + "-" + e.anchor + "@dravik-sport-program");
            line(ics, "DTSTAMP:" + std::string(stamp));
            const std::string time = timeDigits(cell(e, 1));
            if (time.empty())
                line(ics, "DTSTART;VALUE=DATE:" + date);
            else
                line(ics, "DTSTART:" + date + "T" + time);
            std::string summary;
            for (size_t i : {size_t(0), size_t(3), size_t(2), size_t(5)})
                if (!cell(e, i).empty())
                    summary += (summary.empty() ? "" : i == 3 ? " " : ", ") + cell(e, i);
            line(ics, "SUMMARY:" + icsText(summary));
            std::string place = page.venue;
            if (!cell(e, 4).empty())
                place += (place.empty() ? "" : ", ") + cell(e, 4);
            if (!place.empty())
                line(ics, "LOCATION:" + icsText(place));
            line(ics, "DESCRIPTION:" + icsText(entrantCount(t, e.entrantCount()) +
                                               (d < days.size() ? "\n" + days[d].file + "#" + e.anchor : "")));
            line(ics, "END:VEVENT");
        }
    }
    line(ics, "END:VCALENDAR");
    return ics;
}

} // namespace dravik::printing
