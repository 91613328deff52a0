// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/EventEstimate.h"

#include "data/EventKind.h"
#include "generator/HeatSizeTable.h"
#include "platform/TextNumber.h"

#include <cctype>
#include <cmath>

namespace dravik {

namespace {

struct RaceClass {
    HeatClass heatClass;
    double minutesPerHeat;
};

bool raceClass(int kind, double d, RaceClass& out)
{
    switch (kind) {
    case 1:
        out = {d <= 100 ? HeatClass::UpTo100 : d <= 200 ? HeatClass::UpTo200 : HeatClass::UpTo400, 2};
        return true;
    case 0:
    case 2:
        out = {HeatClass::Middle, d <= 800 ? 4.0 : d <= 2000 ? 6.0 : d <= 5000 ? 9.0 : 16.0};
        return true;
    case 5:
        out = {d <= 110   ? HeatClass::HurdlesUpTo110
               : d <= 200 ? HeatClass::HurdlesUpTo200
                          : HeatClass::HurdlesUpTo400,
               2.5};
        return true;
    case 6:
        out = {HeatClass::Middle, d <= 2000 ? 6.0 : 10.0};
        return true;
    default:
        return false;
    }
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

} // namespace

EventEstimate estimateEvent(int kind, double distance, double entries, bool poleVault, const GridModel& flxNBane)
{
    EventEstimate e;
    if (isFieldKind(kind)) {
        e.form = EventEstimate::Form::Field;
        e.heats = 1;
        e.roundMinutes = 3 * entries + 12;
        e.minutes = poleVault ? 2 * e.roundMinutes : e.roundMinutes;
        return e;
    }
    RaceClass rc{};
    if (!raceClass(kind, distance, rc))
        return e;
    e.form = EventEstimate::Form::Race;
    // An exact multiple gives one heat more than the quotient, as the meeting has always planned it.
    e.heats = static_cast<int>(std::floor(entries / heatSize(flxNBane, rc.heatClass))) + 1;
    e.minutes = e.heats * rc.minutesPerHeat;
    return e;
}

double fieldRoundLength(double longestField)
{
    return longestField > 0 ? std::floor(longestField / 15) * 15 : 0;
}

int fieldRoundCount(double trackMinutes, double roundLength)
{
    // Without a field event there is no round to fit the track into.
    if (!(roundLength > 0) || !(trackMinutes > 0))
        return 0;
    return static_cast<int>(std::floor(trackMinutes / roundLength));
}

bool isPoleVault(std::string_view englishName, std::string_view afrikaansName)
{
    std::string english = trimmed(englishName);
    std::string afrikaans = trimmed(afrikaansName);
    return englishName.substr(0, 2) == "PS" || startsWithNoCase(english, "pole vault") ||
           startsWithNoCase(afrikaans, "paalspring");
}

} // namespace dravik
