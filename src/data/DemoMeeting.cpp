#include "data/DemoMeeting.h"

#include "platform/TextNumber.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace dravik {

namespace {

// ---------------------------------------------------------------------------
// Deterministic choices. The engine's output is fixed by the C++ standard; the
// mapping onto ranges is our own, because the library's distributions may give
// other numbers on another standard library, and the demo must not change.

class DemoRandom {
public:
    explicit DemoRandom(std::uint32_t seed) : engine_(seed) {}

    // 0 to n - 1.
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[below(static_cast<int>(items.size()))]; }

    template <typename T>
    void shuffle(std::vector<T>& items)
    {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[below(i + 1)]);
    }

private:
    std::mt19937 engine_;
};

constexpr std::uint32_t kSeed = 20270311;

// ---------------------------------------------------------------------------
// The standard definitions, as the meeting chooses its events from them.

enum Kind : int { Sprint = 1, Distance = 2, Relay = 3, Hurdles = 5, SteepleOrWalk = 6, Jump = 7, Throw = 8 };

struct Definition {
    int nommer = 0;
    int kind = 0;
    std::string sm;
    int age = 0;
    bool official = false;
    std::string name; // English catalogue name

    bool isMale() const { return sm == "S"; }
    bool isRace() const { return kind == Sprint || kind == Distance || kind == Hurdles || kind == SteepleOrWalk; }
    bool isField() const { return kind == Jump || kind == Throw; }
    bool isTimed() const { return !isField(); }
    double distance() const { return textToNumber(name); }
};

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

using Group = std::pair<std::string, int>; // gender code and age

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

// ---------------------------------------------------------------------------
// Teams and athletes.

enum class School { Primary, High, Club };

struct TeamInfo {
    const char* name;
    const char* abbreviation;
    School school;
};

constexpr TeamInfo kTeams[] = {
    {"Dravik High School", "DHS", School::High},
    {"Hoërskool Klipfontein", "HKF", School::High},
    {"Karoo Athletics Club", "KAC", School::Club},
    {"Laerskool Bergsig", "LBS", School::Primary},
    {"Rietvallei College", "RVC", School::High},
    {"Hoërskool Noordkaap", "HNK", School::High},
    {"Seaview Harriers", "SVH", School::Club},
    {"Bosveld Academy", "BVA", School::High},
    {"Hoërskool Vaalrivier", "HVR", School::High},
    {"Table Bay Athletics Club", "TBA", School::Club},
    {"Drakensberg High School", "DBH", School::High},
    {"Laerskool Doringboom", "LDB", School::Primary},
};
constexpr int kTeamCount = static_cast<int>(std::size(kTeams));

const std::vector<std::string> kSurnames = {
    "Van der Merwe", "Botha",    "Nkosi",     "Dlamini",  "Pretorius", "Naidoo",   "Mokoena",  "Du Plessis",
    "Khumalo",       "Smith",    "Venter",    "Ndlovu",   "Joubert",   "Steyn",    "Coetzee",  "Mthembu",
    "Fourie",        "Jacobs",   "Sithole",   "Le Roux",  "Nel",       "Kruger",   "Williams", "Zulu",
    "Visser",        "Mahlangu", "Van Wyk",   "Meyer",    "Petersen",  "Govender", "Baloyi",   "Swanepoel",
    "Ferreira",      "Moloi",    "Erasmus",   "Pillay",   "Cloete",    "Maree",    "Hendricks", "Mabaso",
    "Oosthuizen",    "Molefe",   "Engelbrecht", "Radebe", "Du Toit",   "Makhanya", "Lombard",  "Adams",
};
const std::vector<std::string> kBoysNames = {
    "Johan",  "Pieter", "Thabo",   "Sipho",   "Jaco",     "Ruan",   "Kagiso",  "Lwazi",   "Riaan",  "Tshepo",
    "Bongani", "Wian",  "Dewald",  "Mandla",  "Liam",     "Ethan",  "Kyle",    "Themba",  "Hendrik", "Francois",
    "Siyabonga", "Armand", "Neo",  "Lethabo", "Christo",  "Jayden", "Kabelo",  "Morné",   "Sibusiso", "Werner",
};
const std::vector<std::string> kGirlsNames = {
    "Anri",   "Lerato",  "Nomsa",   "Zanele",  "Marike",  "Elmarie", "Thandi",  "Chantelle", "Annika", "Palesa",
    "Refilwe", "Carla",  "Mia",     "Naledi",  "Lindiwe", "Karabo",  "Retha",   "Lize",      "Nandi",  "Bianca",
    "Jana",   "Zinhle",  "Michelle", "Tumi",   "Ilse",    "Keitumetse", "Amber", "Simone",   "Nthabiseng", "Liezl",
};

struct Athlete {
    int team = 0; // 1-based team number
    int number = 0;
    std::string sm;
    std::string surname;
    std::string firstName;
    int age = 0;

    int code() const { return team * 1000 + number; }
    Group group() const { return {sm, age}; }
};

bool takesAge(School school, int age)
{
    switch (school) {
    case School::Primary:
        return age <= 13;
    case School::High:
        return age >= 13 && age <= 19;
    case School::Club:
        break;
    }
    return true;
}

int athleteAge(School school, DemoRandom& rnd)
{
    switch (school) {
    case School::Primary:
        return rnd.between(8, 13);
    case School::High:
        return rnd.between(13, 19);
    case School::Club:
        break;
    }
    return rnd.chance(25) ? 25 : rnd.between(8, 19);
}

std::vector<Athlete> makeAthletes(DemoRandom& rnd)
{
    std::vector<Athlete> athletes;
    for (int t = 0; t < kTeamCount; ++t) {
        int count = rnd.between(29, 37);
        for (int n = 1; n <= count; ++n) {
            Athlete a;
            a.team = t + 1;
            a.number = n;
            a.sm = rnd.chance(50) ? "S" : "M";
            a.age = athleteAge(kTeams[t].school, rnd);
            // No two athletes of a team share a full name.
            do {
                a.surname = rnd.pick(kSurnames);
                a.firstName = rnd.pick(a.sm == "S" ? kBoysNames : kGirlsNames);
            } while (std::any_of(athletes.begin(), athletes.end(), [&](const Athlete& o) {
                return o.team == a.team && o.surname == a.surname && o.firstName == a.firstName;
            }));
            athletes.push_back(a);
        }
    }
    return athletes;
}

// ---------------------------------------------------------------------------
// Entries, heats and lanes.

struct Placement {
    int level = 0; // 0 final, 4 heat
    int heat = 1;
    int lane = 1;
};

constexpr int kLanes = 8;
constexpr int kLaneOrder[kLanes] = {4, 5, 3, 6, 2, 7, 1, 8};

int heatsFor(int entrants) { return (entrants + kLanes - 1) / kLanes; }

// Heats of at most eight, filled back and forth so that they stay even; the
// first placed in a heat gets the middle lanes.
std::vector<Placement> placeRace(int entrants)
{
    int heats = heatsFor(entrants);
    std::vector<int> filled(heats, 0);
    std::vector<Placement> out;
    for (int i = 0; i < entrants; ++i) {
        int round = i / heats, pos = i % heats;
        int heat = round % 2 == 0 ? pos : heats - 1 - pos;
        out.push_back({heats > 1 ? 4 : 0, heat + 1, kLaneOrder[filled[heat]++]});
    }
    return out;
}

// Field events: one group, the lane field holds the order of competing.
std::vector<Placement> placeField(int entrants)
{
    std::vector<Placement> out;
    for (int i = 0; i < entrants; ++i)
        out.push_back({0, 1, i + 1});
    return out;
}

struct Entry {
    int nommer; // athlete code or team number
    int tnom;
    Placement place;
};

// Entrants per definition number, placed in a drawn order.
std::vector<Entry> placeEntries(const std::map<int, std::vector<int>>& entrants,
                                const std::map<int, const Definition*>& byNommer, DemoRandom& rnd)
{
    std::vector<Entry> out;
    for (const auto& [tnom, list] : entrants) {
        std::vector<int> order = list;
        rnd.shuffle(order);
        const Definition& def = *byNommer.at(tnom);
        int n = static_cast<int>(order.size());
        auto places = def.isField() ? placeField(n) : placeRace(n);
        for (int i = 0; i < n; ++i)
            out.push_back({order[i], tnom, places[i]});
    }
    return out;
}

// The events each age group of the meeting offers: a sprint and a field event,
// sometimes a second track or field event.
std::vector<const Definition*> groupMenu(const std::vector<Definition>& defs, const Group& group, DemoRandom& rnd)
{
    std::vector<const Definition*> menu;
    auto add = [&](std::initializer_list<int> kinds) {
        auto options = officialEvents(defs, group, kinds);
        std::erase_if(options, [&](const Definition* d) {
            return std::find(menu.begin(), menu.end(), d) != menu.end();
        });
        if (!options.empty())
            menu.push_back(rnd.pick(options));
    };
    // Most groups run the 100m; the youngest have no 100m and run a shorter sprint.
    auto sprints = officialEvents(defs, group, {Sprint});
    auto hundred = std::find_if(sprints.begin(), sprints.end(), [](const Definition* d) { return d->name == "100m"; });
    if (hundred != sprints.end() && rnd.chance(60))
        menu.push_back(*hundred);
    else
        add({Sprint});
    if (rnd.chance(30)) {
        if (rnd.chance(50))
            add({Hurdles});
        else
            add({Distance, SteepleOrWalk});
    }
    add({Jump, Throw});
    if (rnd.chance(15))
        add({Jump, Throw});
    return menu;
}

// Relays for the three ages in which most teams can field a team of their own
// (three athletes of the age and gender; a younger one runs up): girls and boys,
// the 4x400m for the oldest of the three.
std::map<int, std::vector<int>> chooseRelays(const std::vector<Definition>& defs,
                                             const std::map<Group, std::map<int, int>>& teamSizes)
{
    auto teamsOf = [&](const Group& group) {
        std::vector<int> teams;
        if (auto it = teamSizes.find(group); it != teamSizes.end())
            for (const auto& [t, size] : it->second)
                if (size >= 3)
                    teams.push_back(t);
        return teams;
    };
    std::vector<std::pair<int, int>> byTeams; // (minus the number of teams, age)
    for (const auto& [group, perTeam] : teamSizes)
        if (group.first == "S")
            byTeams.push_back({-static_cast<int>(teamsOf(group).size() + teamsOf({"M", group.second}).size()),
                               group.second});
    std::sort(byTeams.begin(), byTeams.end());
    byTeams.resize(std::min<size_t>(byTeams.size(), 3));
    int oldest = 0;
    for (const auto& [minusTeams, age] : byTeams)
        oldest = std::max(oldest, age);

    std::map<int, std::vector<int>> relays;
    for (const auto& [minusTeams, age] : byTeams)
        for (const char* sm : {"M", "S"}) {
            std::vector<int> teams = teamsOf({sm, age});
            auto options = officialEvents(defs, {sm, age}, {Relay});
            if (teams.size() < 2 || options.empty())
                continue;
            const Definition* relay = options.front();
            for (const Definition* d : options)
                if (age == oldest && d->name == "4x400m Relay")
                    relay = d;
            relays[relay->nommer] = teams;
        }
    return relays;
}

int eventsPerAthlete(DemoRandom& rnd)
{
    int r = rnd.below(10);
    return r < 4 ? 1 : r < 8 ? 2 : r < 9 ? 3 : 4;
}

// ---------------------------------------------------------------------------
// The stored programme.

struct ProgrammeItem {
    const Definition* def = nullptr;
    int level = 0;
    int day = 1;
    int start = 0; // minutes after midnight
    std::string sub = " ";
    std::string point = "   ";
    bool sharesNumber = false; // the "b" of a pair that shares its number
};

int dayOf(int age) { return age <= 12 ? 1 : age <= 16 ? 2 : 3; }

int roundUp(int minutes, int step) { return (minutes + step - 1) / step * step; }

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

std::string clockText(int minutes)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return buf;
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
        all.insert(all.end(), dayItems.begin(), dayItems.end());
    }
    return all;
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
    {"60m", 6.75, 7.45},           {"80m", 8.70, 9.60},           {"100m", 10.30, 11.45},
    {"150m", 15.30, 17.00},        {"200m", 20.75, 23.30},        {"300m", 33.00, 37.50},
    {"400m", 46.40, 52.80},        {"80mH", 10.60, 11.40},        {"100mH", 12.90, 13.45},
    {"110mH", 13.85, 15.50},       {"300mH", 37.00, 41.50},       {"400mH", 50.50, 57.50},
    {"800m", 107.5, 124.0},        {"1200m", 175.0, 200.0},       {"1500m", 222.0, 255.0},
    {"3000m", 480.0, 550.0},       {"5000m", 830.0, 950.0},       {"10000m", 1740.0, 1990.0},
    {"1500m Steeple", 255.0, 300.0}, {"2000m Steeple", 345.0, 405.0}, {"3000m Steeple", 520.0, 600.0},
    {"3000m Walk", 720.0, 780.0},  {"5000m Walk", 1230.0, 1340.0}, {"4x100m Relay", 40.20, 45.30},
    {"4x400m Relay", 188.0, 215.0}, {"High Jump", 2.17, 1.84},     {"Long Jump", 7.70, 6.35},
    {"Triple Jump", 16.00, 13.30}, {"Pole Vault", 5.20, 4.05},     {"Shot Put", 17.80, 15.20},
    {"Discus", 56.0, 51.0},        {"Javelin", 72.0, 54.0},        {"Hammer", 66.0, 58.0},
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

// A record mark of the definition's class; quality 1 is provincial level, lower is weaker.
// Seconds for timed events, metres for field events; 0 when the event has no known mark.
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
    "Coetzenburg, Stellenbosch", "Pilditch Stadium, Pretoria", "Green Point Stadium, Cape Town",
    "Mangaung Stadium, Bloemfontein", "Germiston Stadium", "Dravik Park Stadium",
};

std::string isoDate(int year, int month, int day)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

} // namespace

void writeDemoMeeting(SQLite::Database& meeting, SQLite::Database& standard)
{
    DemoRandom rnd(kSeed);
    const std::vector<Definition> defs = readDefinitions(standard);
    std::map<int, const Definition*> byNommer;
    for (const auto& d : defs)
        byNommer.emplace(d.nommer, &d);

    // Meeting details: ages 8 to 25 (age-list indexes), three days.
    meeting.exec("INSERT INTO Atld00 (Plek, Opm, MinGrens, MaxGrens, Datum, Datum2, Datum3, Dae) VALUES "
                 "('Dravik Park Stadium', 'Inter-Schools Championships', 8, 25, "
                 "'2027-03-11', '2027-03-12', '2027-03-13', 3)");

    SQLite::Statement team(meeting, "INSERT INTO Atld20 (Nommer, Naam, Afkort) VALUES (?, ?, ?)");
    for (int t = 0; t < kTeamCount; ++t) {
        team.reset();
        team.bind(1, t + 1);
        team.bind(2, kTeams[t].name);
        team.bind(3, kTeams[t].abbreviation);
        team.exec();
    }

    const std::vector<Athlete> athletes = makeAthletes(rnd);
    SQLite::Statement athlete(meeting, "INSERT INTO Atld30 (Span, SpanNo, Nommer, SM, Van, Naam, Oud) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const auto& a : athletes) {
        athlete.reset();
        athlete.bind(1, kTeams[a.team - 1].name);
        athlete.bind(2, a.team);
        athlete.bind(3, a.number);
        athlete.bind(4, a.sm);
        athlete.bind(5, a.surname);
        athlete.bind(6, a.firstName);
        athlete.bind(7, a.age);
        athlete.exec();
    }

    // Individual entries from the events each age group offers.
    std::map<Group, std::vector<const Definition*>> menus;
    std::map<Group, std::map<int, int>> teamSizes; // athletes per team in each group
    for (const auto& a : athletes) {
        if (!menus.contains(a.group()))
            menus[a.group()] = groupMenu(defs, a.group(), rnd);
        ++teamSizes[a.group()][a.team];
    }
    std::map<int, std::vector<int>> individual;
    for (const auto& a : athletes) {
        std::vector<const Definition*> choice = menus[a.group()];
        rnd.shuffle(choice);
        choice.resize(std::min<size_t>(choice.size(), eventsPerAthlete(rnd)));
        for (const Definition* d : choice)
            individual[d->nommer].push_back(a.code());
    }

    std::map<int, std::vector<int>> relays = chooseRelays(defs, teamSizes);

    SQLite::Statement entry(meeting, "INSERT INTO Atld37 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)");
    SQLite::Statement teamEntry(meeting,
                                "INSERT INTO Atld28 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)");
    auto write = [](SQLite::Statement& st, const std::vector<Entry>& entries) {
        for (const auto& e : entries) {
            st.reset();
            st.bind(1, e.nommer);
            st.bind(2, e.tnom);
            st.bind(3, e.place.level);
            st.bind(4, e.place.heat);
            st.bind(5, e.place.lane);
            st.exec();
        }
    };
    write(entry, placeEntries(individual, byNommer, rnd));
    write(teamEntry, placeEntries(relays, byNommer, rnd));

    // The stored programme: every event that has entries.
    std::map<int, int> entryCounts;
    for (const auto* list : {&individual, &relays})
        for (const auto& [tnom, entrants] : *list)
            entryCounts[tnom] = static_cast<int>(entrants.size());
    SQLite::Statement row(meeting, "INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, Punt, Invoer, HE, Wind, "
                                   "Draws) VALUES (?, ?, ?, ?, ?, ?, '', 'E', 0, ?)");
    int number = 0, day = 0;
    for (const auto& item : buildProgramme(entryCounts, byNommer)) {
        if (item.day != day) {
            day = item.day;
            number = 0;
        }
        if (!item.sharesNumber)
            ++number;
        row.reset();
        row.bind(1, static_cast<double>(item.def->nommer));
        row.bind(2, static_cast<double>(item.level));
        row.bind(3, static_cast<double>(number));
        row.bind(4, item.sub);
        row.bind(5, clockText(item.start));
        row.bind(6, item.point);
        row.bind(7, static_cast<double>(item.day));
        row.exec();
    }

    meeting.exec("INSERT INTO Atld61 (Verw, Naam, Simb, Aktief) VALUES "
                 "(1, 'Meeting Records', 'M', 1), (2, 'Provincial Records', 'P', 1), "
                 "(3, 'National Schools Records', 'N', 0)");

    // Records of most events of the meeting; the provincial ones are the better marks.
    SQLite::Statement record(meeting, "INSERT INTO Atld60 (Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    constexpr int kSeasonMonths[] = {2, 3, 4, 10, 11};
    for (const auto& [tnom, count] : entryCounts) {
        const Definition& d = *byNommer.at(tnom);
        for (int set = 1; set <= 2; ++set) {
            if (!rnd.chance(88))
                continue;
            bool provincial = set == 2;
            double quality = provincial ? rnd.between(970, 1000) / 1000.0 : rnd.between(920, 960) / 1000.0;
            double mark = recordMark(d, quality);
            if (mark <= 0)
                continue;
            int year = provincial ? rnd.between(1994, 2026) : rnd.between(2005, 2026);
            record.reset();
            record.bind(1, set);
            record.bind(2, tnom);
            record.bind(3, mark);
            // A relay record is held by a team: its name stands in the surname field.
            std::vector<std::string> teams;
            for (const auto& t : kTeams)
                if (takesAge(t.school, d.age))
                    teams.push_back(t.name);
            std::string team = rnd.pick(teams);
            record.bind(4, d.kind == Relay ? team : rnd.pick(kSurnames));
            record.bind(5, d.kind == Relay ? std::string() : rnd.pick(d.isMale() ? kBoysNames : kGirlsNames));
            record.bind(6, team);
            record.bind(7, provincial ? rnd.pick(kRecordVenues) : std::string("Dravik Park Stadium"));
            record.bind(8, isoDate(year, kSeasonMonths[rnd.below(5)], rnd.between(1, 28)));
            record.bind(9, year);
            record.exec();
        }
    }
}

} // namespace dravik
