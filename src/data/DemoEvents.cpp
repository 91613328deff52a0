// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DemoEvents.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <tuple>

namespace dravik::demo {

std::vector<Definition> readDefinitions(SQLite::Database& standard)
{
    SQLite::Statement st(standard, "SELECT d.Nommer, d.Tipe, d.SM, d.Oud, d.Amp, c.Bske FROM Atld10 d "
                                   "LEFT JOIN Atld11 c ON c.Nom = d.besk ORDER BY d.Nommer");
    std::vector<Definition> defs;
    while (st.executeStep()) {
        Definition d;
        d.nommer = st.getColumn(0).getInt();
        d.kind = st.getColumn(1).getInt();
        d.sm = st.getColumn(2).getText();
        d.age = st.getColumn(3).getInt();
        d.official = std::string(st.getColumn(4).getText()) == "J";
        d.name = st.getColumn(5).getText();
        defs.push_back(std::move(d));
    }
    return defs;
}

std::vector<const Definition*> officialEvents(const std::vector<Definition>& defs, const Group& group,
                                              std::initializer_list<int> kinds)
{
    std::vector<const Definition*> out;
    for (const auto& d : defs)
        if (d.official && d.sm == group.first && d.age == group.second &&
            std::find(kinds.begin(), kinds.end(), d.kind) != kinds.end())
            out.push_back(&d);
    return out;
}

int heatsFor(int entrants)
{
    return (entrants + kLanes - 1) / kLanes;
}

namespace {

// ---------------------------------------------------------------------------
// The stored programme.

int dayOf(int age)
{
    return age <= 12 ? 1 : age <= 16 ? 2 : 3;
}

int roundUp(int minutes, int step)
{
    return (minutes + step - 1) / step * step;
}

int minutesPerRace(const Definition& d)
{
    double dist = d.distance();
    switch (d.kind) {
    case Sprint:
        return dist <= 100 ? 2 : 3;
    case Hurdles:
    case Relay:
        return 3;
    case Distance:
        return dist <= 800 ? 4 : dist <= 1500 ? 6 : dist <= 3000 ? 11 : dist <= 5000 ? 18 : 35;
    case SteepleOrWalk:
        return dist <= 2000 ? 8 : dist <= 3000 ? 14 : 28;
    default:
        return 5;
    }
}

// Track order of a day: walks and steeplechase, hurdles, sprints and distance
// races in the morning; after a break the finals of races that had heats, then relays.
int trackSession(const Definition& d, int level, bool hadHeats)
{
    if (hadHeats && level == 0)
        return d.kind == Relay ? 7 : d.kind == Hurdles ? 5 : 6;
    switch (d.kind) {
    case SteepleOrWalk:
        return 0;
    case Hurdles:
        return 1;
    case Sprint:
        return 2;
    case Distance:
        return 3;
    default:
        return hadHeats ? 4 : 7;
    }
}

// ---------------------------------------------------------------------------
// Records.

struct OpenMark {
    const char* name;
    double men;
    double women;
};

// Provincial record level of the open class; younger and older classes scale from it.
constexpr OpenMark kOpenMarks[] = {
    {"60m", 6.75, 7.45},
    {"80m", 8.70, 9.60},
    {"100m", 10.30, 11.45},
    {"150m", 15.30, 17.00},
    {"200m", 20.75, 23.30},
    {"300m", 33.00, 37.50},
    {"400m", 46.40, 52.80},
    {"80mH", 10.60, 11.40},
    {"100mH", 12.90, 13.45},
    {"110mH", 13.85, 15.50},
    {"300mH", 37.00, 41.50},
    {"400mH", 50.50, 57.50},
    {"800m", 107.5, 124.0},
    {"1200m", 175.0, 200.0},
    {"1500m", 222.0, 255.0},
    {"3000m", 480.0, 550.0},
    {"5000m", 830.0, 950.0},
    {"10000m", 1740.0, 1990.0},
    {"1500m Steeple", 255.0, 300.0},
    {"2000m Steeple", 345.0, 405.0},
    {"3000m Steeple", 520.0, 600.0},
    {"3000m Walk", 720.0, 780.0},
    {"5000m Walk", 1230.0, 1340.0},
    {"4x100m Relay", 40.20, 45.30},
    {"4x400m Relay", 188.0, 215.0},
    {"High Jump", 2.17, 1.84},
    {"Long Jump", 7.70, 6.35},
    {"Triple Jump", 16.00, 13.30},
    {"Pole Vault", 5.20, 4.05},
    {"Shot Put", 17.80, 15.20},
    {"Discus", 56.0, 51.0},
    {"Javelin", 72.0, 54.0},
    {"Hammer", 66.0, 58.0},
};

// Share of the open-class performance reached at an age.
double ageShare(int age)
{
    static const std::map<int, double> share = {
        {8, 0.60},  {9, 0.64},  {10, 0.68}, {11, 0.72}, {12, 0.76}, {13, 0.80}, {14, 0.84},
        {15, 0.88}, {16, 0.91}, {17, 0.94}, {18, 0.96}, {19, 0.98}, {25, 1.00}, {30, 0.98},
        {35, 0.95}, {40, 0.92}, {45, 0.89}, {50, 0.85}, {55, 0.81}, {60, 0.77},
    };
    auto it = share.lower_bound(age);
    return it == share.end() ? 0.77 : it->second;
}

// How strongly age tells on the mark: little in sprints, much in throws (lighter
// implements make up only part of it).
double ageExponent(const Definition& d)
{
    switch (d.kind) {
    case Distance:
        return 0.6;
    case SteepleOrWalk:
        return 0.65;
    case Jump:
        return d.name == "Pole Vault" ? 1.7 : 1.1;
    case Throw:
        return 1.9;
    default:
        return 0.55;
    }
}

} // namespace

std::string clockText(int minutes)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return buf;
}

std::vector<ProgrammeItem> buildProgramme(const std::map<int, int>& entryCounts,
                                          const std::map<int, const Definition*>& byNommer)
{
    constexpr int kDayStart = 8 * 60, kFieldStart = 8 * 60 + 30, kFinalsStart = 11 * 60, kFinalsBreak = 60;
    std::vector<ProgrammeItem> all;
    for (int day = 1; day <= 3; ++day) {
        struct Track {
            ProgrammeItem item;
            int session;
            int races;
        };
        std::vector<Track> track;
        std::vector<ProgrammeItem> field;
        for (const auto& [tnom, count] : entryCounts) {
            const Definition& d = *byNommer.at(tnom);
            if (dayOf(d.age) != day)
                continue;
            if (d.isField()) {
                field.push_back({&d, 0, day});
                continue;
            }
            int heats = heatsFor(count);
            if (heats > 1)
                track.push_back({{&d, 4, day}, trackSession(d, 4, true), heats});
            track.push_back({{&d, 0, day}, trackSession(d, 0, heats > 1), 1});
        }
        // Within a session: shorter races first, then the younger, girls before boys.
        std::stable_sort(track.begin(), track.end(), [](const Track& a, const Track& b) {
            const Definition &x = *a.item.def, &y = *b.item.def;
            return std::make_tuple(a.session, x.distance(), x.name, x.age, x.sm) <
                   std::make_tuple(b.session, y.distance(), y.name, y.age, y.sm);
        });
        int clock = kDayStart;
        bool finals = false;
        for (size_t i = 0; i < track.size(); ++i) {
            Track& t = track[i];
            if (t.session >= 5 && !finals) {
                finals = true;
                clock = std::max(clock + kFinalsBreak, kFinalsStart);
            }
            const Definition& d = *t.item.def;
            // Girls and boys of the same age and event share a number, "a" and "b".
            // The long races they run together, with one start.
            const Track* prev = i > 0 ? &track[i - 1] : nullptr;
            bool pair = prev && prev->races == 1 && t.races == 1 && prev->item.sub == " " &&
                        prev->item.def->name == d.name && prev->item.def->age == d.age && prev->item.def->sm != d.sm;
            bool together = d.kind == SteepleOrWalk || (d.kind == Distance && d.distance() >= 3000);
            if (pair && (together || d.kind == Relay)) {
                track[i - 1].item.sub = "a";
                t.item.sub = "b";
                t.item.sharesNumber = true;
                if (together) {
                    t.item.start = prev->item.start;
                    continue;
                }
            }
            t.item.start = clock;
            clock += roundUp(t.races * minutesPerRace(d), 5);
        }

        // Field events at two points, each taking the next event when it is free.
        std::stable_sort(field.begin(), field.end(), [](const ProgrammeItem& a, const ProgrammeItem& b) {
            return std::make_tuple(a.def->kind, a.def->name, a.def->age, a.def->sm) <
                   std::make_tuple(b.def->kind, b.def->name, b.def->age, b.def->sm);
        });
        int pointFree[2] = {kFieldStart, kFieldStart};
        for (auto& f : field) {
            int p = pointFree[1] < pointFree[0] ? 1 : 0;
            int minutes = 3 * entryCounts.at(f.def->nommer) + 12;
            if (f.def->name == "Pole Vault")
                minutes *= 2;
            f.start = pointFree[p];
            f.point = p == 0 ? "A  " : "B  ";
            pointFree[p] += roundUp(minutes, 15);
        }

        std::vector<ProgrammeItem> dayItems;
        for (auto& t : track)
            dayItems.push_back(t.item);
        dayItems.insert(dayItems.end(), field.begin(), field.end());
        std::stable_sort(dayItems.begin(), dayItems.end(),
                         [](const ProgrammeItem& a, const ProgrammeItem& b) { return a.start < b.start; });
        // A pair's "a" and "b" stand together under one number: a field event that
        // starts with the "a" goes before it, one that starts later goes after the "b".
        for (size_t b = 0; b < dayItems.size(); ++b) {
            if (!dayItems[b].sharesNumber)
                continue;
            size_t a = b - 1;
            while (dayItems[a].sub != "a")
                --a;
            const int pairStart = dayItems[a].start;
            auto rank = [&](const ProgrammeItem& item) {
                return item.sub == "a" ? 1 : item.sharesNumber ? 2 : item.start <= pairStart ? 0 : 3;
            };
            std::stable_sort(dayItems.begin() + static_cast<std::ptrdiff_t>(a),
                             dayItems.begin() + static_cast<std::ptrdiff_t>(b) + 1,
                             [&](const ProgrammeItem& x, const ProgrammeItem& y) { return rank(x) < rank(y); });
        }
        all.insert(all.end(), dayItems.begin(), dayItems.end());
    }
    return all;
}

double recordMark(const Definition& d, double quality)
{
    auto it = std::find_if(std::begin(kOpenMarks), std::end(kOpenMarks),
                           [&](const OpenMark& m) { return d.name == m.name; });
    if (it == std::end(kOpenMarks))
        return 0;
    double open = d.isMale() ? it->men : it->women;
    double share = std::pow(ageShare(d.age), ageExponent(d)) * quality;
    double mark = d.isTimed() ? open / share : open * share;
    double scale = d.isTimed() && mark >= 60 ? 10 : 100;
    return std::round(mark * scale) / scale;
}

const std::vector<std::string> kRecordVenues = {
    "Coetzenburg, Stellenbosch",      "Pilditch Stadium, Pretoria", "Green Point Stadium, Cape Town",
    "Mangaung Stadium, Bloemfontein", "Germiston Stadium",          "Dravik Park Stadium",
};

} // namespace dravik::demo
