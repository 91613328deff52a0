// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/MeetingClock.h"

#include "generator/GeneratorError.h"
#include "platform/TextNumber.h"

#include <cmath>
#include <cstdio>

namespace dravik {

MeetingClock MeetingClock::parse(std::string_view text)
{
    std::string t = trimmed(text);
    if (t.size() == 4 && t[1] == ':')
        t = '0' + t;
    if (!isValidClockTime(t))
        throw GeneratorError("The start time \"" + std::string(text) +
                                 "\" is not a time of day; type it as hh:mm, for example 08:00.",
                             GeneratorError::Kind::BadStartTime, {std::string(text)});
    int hours = (t[0] - '0') * 10 + (t[1] - '0');
    int minutes = (t[3] - '0') * 10 + (t[4] - '0');
    return MeetingClock(hours * 60 + minutes);
}

std::string MeetingClock::text() const
{
    // The small allowance keeps a sum of typed durations such as 0.1 + 0.2 on its minute.
    long long whole = static_cast<long long>(std::ceil(minutes_ - 1e-9));
    if (whole < 0)
        whole = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld", whole / 60, whole % 60);
    return buf;
}

} // namespace dravik
