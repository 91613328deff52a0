// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DemoMeeting.h"

#include "data/DemoEvents.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace dravik {

using namespace demo;

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
    const T& pick(const std::vector<T>& items)
    {
        return items[below(static_cast<int>(items.size()))];
    }

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
// Teams and athletes.

enum class School { Primary, High, Club };

struct TeamInfo {
    const char* name;
    const char* abbreviation;
    School school;
};

constexpr TeamInfo kTeams[] = {
    {"Dravik High School", "DHS", School::High},      {"Hoërskool Klipfontein", "HKF", School::High},
    {"Karoo Athletics Club", "KAC", School::Club},    {"Laerskool Bergsig", "LBS", School::Primary},
    {"Rietvallei College", "RVC", School::High},      {"Hoërskool Noordkaap", "HNK", School::High},
    {"Seaview Harriers", "SVH", School::Club},        {"Bosveld Academy", "BVA", School::High},
    {"Hoërskool Vaalrivier", "HVR", School::High},    {"Table Bay Athletics Club", "TBA", School::Club},
    {"Drakensberg High School", "DBH", School::High}, {"Laerskool Doringboom", "LDB", School::Primary},
};
constexpr int kTeamCount = static_cast<int>(std::size(kTeams));

const std::vector<std::string> kSurnames = {
    "Van der Merwe", "Botha",    "Nkosi",       "Dlamini", "Pretorius", "Naidoo",   "Mokoena",   "Du Plessis",
    "Khumalo",       "Smith",    "Venter",      "Ndlovu",  "Joubert",   "Steyn",    "Coetzee",   "Mthembu",
    "Fourie",        "Jacobs",   "Sithole",     "Le Roux", "Nel",       "Kruger",   "Williams",  "Zulu",
    "Visser",        "Mahlangu", "Van Wyk",     "Meyer",   "Petersen",  "Govender", "Baloyi",    "Swanepoel",
    "Ferreira",      "Moloi",    "Erasmus",     "Pillay",  "Cloete",    "Maree",    "Hendricks", "Mabaso",
    "Oosthuizen",    "Molefe",   "Engelbrecht", "Radebe",  "Du Toit",   "Makhanya", "Lombard",   "Adams",
};
const std::vector<std::string> kBoysNames = {
    "Johan",     "Pieter", "Thabo",  "Sipho",   "Jaco",    "Ruan",   "Kagiso", "Lwazi",  "Riaan",    "Tshepo",
    "Bongani",   "Wian",   "Dewald", "Mandla",  "Liam",    "Ethan",  "Kyle",   "Themba", "Hendrik",  "Francois",
    "Siyabonga", "Armand", "Neo",    "Lethabo", "Christo", "Jayden", "Kabelo", "Morné",  "Sibusiso", "Werner",
};
const std::vector<std::string> kGirlsNames = {
    "Anri",    "Lerato", "Nomsa",    "Zanele", "Marike",  "Elmarie",    "Thandi", "Chantelle", "Annika",     "Palesa",
    "Refilwe", "Carla",  "Mia",      "Naledi", "Lindiwe", "Karabo",     "Retha",  "Lize",      "Nandi",      "Bianca",
    "Jana",    "Zinhle", "Michelle", "Tumi",   "Ilse",    "Keitumetse", "Amber",  "Simone",    "Nthabiseng", "Liezl",
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
            // Built as a string first: GCC 12 warns falsely (-Wrestrict) on assigning the literal.
            a.sm = std::string(rnd.chance(50) ? "S" : "M");
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

constexpr int kLaneOrder[kLanes] = {4, 5, 3, 6, 2, 7, 1, 8};

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
        std::erase_if(options,
                      [&](const Definition* d) { return std::find(menu.begin(), menu.end(), d) != menu.end(); });
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
            byTeams.push_back(
                {-static_cast<int>(teamsOf(group).size() + teamsOf({"M", group.second}).size()), group.second});
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
    SQLite::Statement teamEntry(meeting, "INSERT INTO Atld28 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)");
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
