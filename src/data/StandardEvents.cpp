// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/StandardEvents.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace dravik {

namespace {

// Kinds of event (Tipe) as the generator, records and printouts read them.
enum Kind : int {
    Sprint = 1,
    Distance = 2,
    Relay = 3,
    Hurdles = 5,
    SteepleOrWalk = 6,
    Jump = 7,
    Throw = 8,
};

struct CatalogueEvent {
    int code; // Nom, and besk of its definitions; related events share a hundred
    Kind kind;
    const char* english;
    const char* afrikaans;
};

// Race names start with their distance: the generator reads it from the name.
constexpr CatalogueEvent kCatalogue[] = {
    {100, Sprint, "60m", "60m"},
    {101, Sprint, "80m", "80m"},
    {102, Sprint, "100m", "100m"},
    {103, Sprint, "150m", "150m"},
    {104, Sprint, "200m", "200m"},
    {105, Sprint, "300m", "300m"},
    {106, Sprint, "400m", "400m"},
    {200, Hurdles, "80mH", "80mH"},
    {201, Hurdles, "100mH", "100mH"},
    {202, Hurdles, "110mH", "110mH"},
    {203, Hurdles, "300mH", "300mH"},
    {204, Hurdles, "400mH", "400mH"},
    {300, Distance, "800m", "800m"},
    {301, Distance, "1200m", "1200m"},
    {302, Distance, "1500m", "1500m"},
    {303, Distance, "3000m", "3000m"},
    {304, Distance, "5000m", "5000m"},
    {305, Distance, "10000m", "10000m"},
    {400, SteepleOrWalk, "1500m Steeple", "1500m Hindernis"},
    {401, SteepleOrWalk, "2000m Steeple", "2000m Hindernis"},
    {402, SteepleOrWalk, "3000m Steeple", "3000m Hindernis"},
    {410, SteepleOrWalk, "3000m Walk", "3000m Stap"},
    {411, SteepleOrWalk, "5000m Walk", "5000m Stap"},
    {500, Relay, "4x100m Relay", "4x100m Aflos"},
    {501, Relay, "4x400m Relay", "4x400m Aflos"},
    {600, Jump, "High Jump", "Hoogspring"},
    {601, Jump, "Long Jump", "Verspring"},
    {602, Jump, "Triple Jump", "Driesprong"},
    {603, Jump, "Pole Vault", "Paalspring"},
    {700, Throw, "Shot Put", "Gewigstoot"},
    {701, Throw, "Discus", "Diskus"},
    {702, Throw, "Javelin", "Spies"},
    {703, Throw, "Hammer", "Hammer"},
};

// Age classes in age-list order: plain ages, the open class 25, then veterans.
constexpr int kAgeClasses[] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 25, 30, 35, 40, 45, 50, 55, 60};

enum class Who { Both, Male, Female };
enum class Status { Official, Unofficial };

// One event for every age class from `from` to `to` (both age-class values, inclusive).
struct EventRange {
    int code;
    Who who;
    int from;
    int to;
    Status status;
    const char* note = "";
};

constexpr EventRange kRanges[] = {
    // Sprints: the youngest run the short ones only.
    {100, Who::Both, 6, 9, Status::Official},
    {101, Who::Both, 6, 11, Status::Official},
    {102, Who::Both, 9, 60, Status::Official},
    {103, Who::Both, 8, 11, Status::Official},
    {103, Who::Both, 12, 13, Status::Unofficial},
    {104, Who::Both, 10, 60, Status::Official},
    {105, Who::Both, 12, 13, Status::Unofficial},
    {106, Who::Both, 12, 60, Status::Official},
    // Hurdles, with the barrier height of the age and gender.
    {200, Who::Male, 12, 13, Status::Official, "76cm"},
    {200, Who::Female, 12, 15, Status::Official, "76cm"},
    {200, Who::Female, 40, 60, Status::Official, "76cm"},
    {201, Who::Male, 14, 15, Status::Official, "84cm"},
    {201, Who::Female, 16, 17, Status::Official, "76cm"},
    {201, Who::Female, 18, 25, Status::Official, "84cm"},
    {201, Who::Female, 30, 35, Status::Official, "76cm"},
    {201, Who::Male, 50, 55, Status::Official, "91cm"},
    {201, Who::Male, 60, 60, Status::Official, "84cm"},
    {202, Who::Male, 16, 17, Status::Official, "91cm"},
    {202, Who::Male, 18, 19, Status::Official, "99cm"},
    {202, Who::Male, 25, 25, Status::Official, "106cm"},
    {202, Who::Male, 30, 45, Status::Official, "99cm"},
    {203, Who::Male, 14, 17, Status::Official, "84cm"},
    {203, Who::Female, 14, 17, Status::Official, "76cm"},
    {203, Who::Male, 50, 60, Status::Official, "84cm"},
    {203, Who::Female, 50, 60, Status::Official, "76cm"},
    {204, Who::Male, 18, 45, Status::Official, "91cm"},
    {204, Who::Female, 18, 45, Status::Official, "76cm"},
    // Middle and long distances: no 5000m under 16, no 10000m under 18.
    {300, Who::Both, 10, 60, Status::Official},
    {301, Who::Both, 9, 13, Status::Official},
    {302, Who::Both, 10, 11, Status::Unofficial},
    {302, Who::Both, 12, 60, Status::Official},
    {303, Who::Both, 14, 60, Status::Official},
    {304, Who::Both, 16, 60, Status::Official},
    {305, Who::Both, 18, 60, Status::Official},
    // Steeplechase and walks.
    {400, Who::Both, 14, 15, Status::Official},
    {401, Who::Both, 16, 17, Status::Official},
    {401, Who::Both, 60, 60, Status::Official},
    {402, Who::Both, 18, 55, Status::Official},
    {410, Who::Both, 10, 11, Status::Unofficial},
    {410, Who::Both, 12, 17, Status::Official},
    {411, Who::Both, 18, 60, Status::Official},
    // Relays (team events).
    {500, Who::Both, 8, 60, Status::Official},
    {501, Who::Both, 12, 13, Status::Unofficial},
    {501, Who::Both, 14, 60, Status::Official},
    // Jumps.
    {600, Who::Both, 8, 60, Status::Official},
    {601, Who::Both, 6, 60, Status::Official},
    {602, Who::Both, 12, 13, Status::Unofficial},
    {602, Who::Both, 14, 60, Status::Official},
    {603, Who::Both, 14, 60, Status::Official},
    // Throws: none for the youngest.
    {700, Who::Both, 10, 60, Status::Official},
    {701, Who::Both, 10, 60, Status::Official},
    {702, Who::Both, 10, 11, Status::Unofficial},
    {702, Who::Both, 12, 60, Status::Official},
    {703, Who::Both, 14, 60, Status::Official},
};

struct Definition {
    int age;
    std::string sm;
    int code;
    Kind kind;
    std::string note;
    bool official;
};

const CatalogueEvent& catalogueEvent(int code)
{
    auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                           [code](const CatalogueEvent& e) { return e.code == code; });
    return *it; // every range names a listed code
}

std::vector<Definition> expandRanges()
{
    std::vector<Definition> defs;
    for (const EventRange& range : kRanges) {
        Kind kind = catalogueEvent(range.code).kind;
        for (int age : kAgeClasses) {
            if (age < range.from || age > range.to)
                continue;
            bool official = range.status == Status::Official;
            if (range.who != Who::Female)
                defs.push_back({age, "S", range.code, kind, range.note, official});
            if (range.who != Who::Male)
                defs.push_back({age, "M", range.code, kind, range.note, official});
        }
    }
    // Numbered in the order the definitions are read (age, gender, event key).
    std::sort(defs.begin(), defs.end(), [](const Definition& a, const Definition& b) {
        return std::tie(a.age, a.sm, a.code) < std::tie(b.age, b.sm, b.code);
    });
    return defs;
}

} // namespace

void writeStandardEvents(SQLite::Database& standard)
{
    SQLite::Statement catalogue(standard, "INSERT INTO Atld11 (Nom, Bske, Bska) VALUES (?, ?, ?)");
    for (const CatalogueEvent& e : kCatalogue) {
        catalogue.reset();
        catalogue.bind(1, e.code);
        catalogue.bind(2, e.english);
        catalogue.bind(3, e.afrikaans);
        catalogue.exec();
    }

    SQLite::Statement definition(standard, "INSERT INTO Atld10 (Nommer, Tipe, SM, Oud, besk, Nota, Amp) "
                                           "VALUES (?, ?, ?, ?, ?, ?, ?)");
    int nommer = 0;
    for (const Definition& d : expandRanges()) {
        definition.reset();
        definition.bind(1, ++nommer);
        definition.bind(2, static_cast<int>(d.kind));
        definition.bind(3, d.sm);
        definition.bind(4, d.age);
        definition.bind(5, d.code);
        definition.bind(6, d.note);
        definition.bind(7, d.official ? "J" : "");
        definition.exec();
    }
}

} // namespace dravik
