// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/FormatRecordValue.h"

#include "platform/TextNumber.h"

#include <cmath>
#include <cstdio>

namespace dravik::printing {

namespace {

std::string printf2(const char* format, auto... values)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, values...);
    return buf;
}

} // namespace

std::string FormatRecordValue(double value, int type)
{
    switch (type) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
        return printf2("%.2f", value);
    default:
        break;
    }
    if (type <= 0)
        return formatNumber(value);
    // Whole hundredths first, so that 119.999 shows as 2:00.00 and never as 1:60.00.
    long long hundredths = std::llround(value * 100);
    bool negative = hundredths < 0;
    if (negative)
        hundredths = -hundredths;
    const char* sign = negative ? "-" : "";
    long long seconds = hundredths / 100, fraction = hundredths % 100;
    if (type == 2 || type == 4 || type == 6)
        return printf2("%s%lld:%02lld.%02lld", sign, seconds / 60, seconds % 60, fraction);
    long long hours = seconds / 3600, minutes = seconds % 3600 / 60;
    if (hours > 0)
        return printf2("%s%lld:%02lld:%02lld.%02lld", sign, hours, minutes, seconds % 60, fraction);
    return printf2("%s%lld:%02lld.%02lld", sign, minutes, seconds % 60, fraction);
}

} // namespace dravik::printing
