#include "exchange/PhotoFinishRaces.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/EntrantNames.h"
#include "printing/EntryIndex.h"
#include "printing/GateEntries.h"
#include "printing/GateEventText.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <unordered_map>

namespace dravik {

namespace {

constexpr int kTeamEvent = 3;
constexpr size_t kProblemsShown = 20;

bool isFieldEvent(int kind)
{
    return kind == 7 || kind == 8;
}

// The files have no quoting: a comma, tab or line break in a name would split its record.
std::string fieldText(std::string text)
{
    for (char& c : text)
        if (c == ',' || static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return trimmed(text);
}

bool isWholeIn(double v, double lowest, double highest)
{
    return v >= lowest && v <= highest && std::floor(v) == v;
}

// An athlete code or team number as the programme shows numbers.
std::string idText(double id)
{
    return std::floor(id) == id && std::abs(id) < 1e15 ? std::to_string(static_cast<long long>(id))
                                                      : formatNumber(id);
}

// The gate programme's wording of the event: gender and age, event, and the
// level unless it is a final ("Boys - 10 100m Heat").
std::string raceName(const std::vector<std::string>& row, Language lang, double level)
{
    printing::PrintOptions options;
    options.language = lang;
    printing::PrintState state;
    const std::string heading = printing::BuildEventHeading(row, options, state);
    std::vector<std::string> columns; // number, time, gender and age, event, place, level
    size_t start = 0;
    for (size_t tab; (tab = heading.find('\t', start)) != std::string::npos; start = tab + 1)
        columns.push_back(trimmed(heading.substr(start, tab - start)));
    columns.push_back(trimmed(heading.substr(start)));
    std::string name = columns.at(2) + " " + columns.at(3);
    if (level != 0)
        name += " " + columns.at(5);
    return fieldText(name);
}

struct ProgrammeLine {
    const std::vector<std::string>* cells;
    double day, number;
    std::string sub;
};

// The rows of the chosen day in programme order: day, number, sub.
std::vector<ProgrammeLine> programmeLines(const GridModel& programme, int day)
{
    std::vector<ProgrammeLine> lines;
    for (int r = 1; r < programme.rows(); ++r) {
        const auto& cells = programme.rowCells(r);
        ProgrammeLine line{&cells, textToNumber(cells[pcol::Day]), textToNumber(cells[pcol::Number]),
                           trimmed(cells[pcol::Sub])};
        if (day == 0 || line.day == day)
            lines.push_back(std::move(line));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const ProgrammeLine& a, const ProgrammeLine& b) {
        if (a.day != b.day)
            return a.day < b.day;
        if (a.number != b.number)
            return a.number < b.number;
        return a.sub < b.sub;
    });
    return lines;
}

class RaceCollector {
public:
    RaceCollector(const EventReference& reference, DataStore& store, Language lang)
        : reference_(reference), lang_(lang), individual_(store.atld37()), teams_(store.atld28()),
          names_(store.atld30(), store.atld20())
    {
    }

    void add(const ProgrammeLine& line)
    {
        const auto& cells = *line.cells;
        const std::string number = trimmed(cells[pcol::Number]) + line.sub;
        const std::string where = say("Event ", "Item ") + number + say(" (day ", " (dag ") + formatNumber(line.day) + ")";
        const double definition = textToNumber(cells[pcol::Definition]);
        const int index = reference_.definitions.find(definition);
        if (index == reference_.definitions.count()) {
            problems_.push_back(where + say(": there is no event definition ", ": daar is geen itemdefinisie ") +
                                formatNumber(definition) + say(".", " nie."));
            return;
        }
        const int kind = reference_.definitions.at(index).tipe;
        if (isFieldEvent(kind))
            return;
        const int event = photoFinishEventNumber(cells[pcol::Number], line.sub);
        const double level = printing::levelIndexOf(cells[pcol::Level], lang_);
        if (event == 0)
            problems_.push_back(where + say(": the number must be a whole number from 1 to 999999 and the sub a letter.",
                                            ": die nommer moet 'n heelgetal van 1 tot 999999 wees en die sub 'n letter."));
        if (level < 0)
            problems_.push_back(where + ": \"" + trimmed(cells[pcol::Level]) +
                                say("\" is no level of the list.", "\" is geen vlak van die lys nie."));
        if (event == 0 || level < 0)
            return;
        if (auto [it, added] = events_.try_emplace(event, EventOwner{line.day, where}); !added) {
            // Numbers that start again each day are one problem, told once.
            if (it->second.day == line.day)
                problems_.push_back(it->second.where + say(" and ", " en ") + where +
                                    say(" would both be photo-finish event ", " sou albei fotofinish-item ") +
                                    std::to_string(event) +
                                    say(": give them numbers of their own.", " wees: gee elkeen sy eie nommer."));
            else if (!toldDaysRepeat_)
                problems_.push_back(say("The event numbers start again on another day (",
                                        "Die itemnommers begin weer op 'n ander dag (") +
                                    it->second.where + ", " + where +
                                    say("): write one day's races at a time.", "): skryf een dag se lope op 'n slag."));
            toldDaysRepeat_ = toldDaysRepeat_ || it->second.day != line.day;
        }

        const bool relay = kind == kTeamEvent;
        struct Drawn {
            double heat, lane;
            const PhotoFinishCompetitor* who;
        };
        std::vector<Drawn> drawn;
        for (const printing::EntryRow& e : (relay ? teams_ : individual_).of(definition, level))
            if (const PhotoFinishCompetitor* who = entrant(e, relay, where))
                drawn.push_back({std::max(e.heat, 1.0), e.lane, who}); // no draw: everyone in heat 1
        std::stable_sort(drawn.begin(), drawn.end(), [](const Drawn& a, const Drawn& b) {
            return printing::drawOrderKey(a.heat, a.lane) < printing::drawOrderKey(b.heat, b.lane);
        });

        PhotoFinishRace race{event, number, 1, raceName(cells, lang_, level), {}};
        if (!drawn.empty())
            race.heat = static_cast<int>(drawn.front().heat);
        race.competitors.reserve(drawn.size());
        for (const Drawn& d : drawn) {
            if (d.heat != race.heat) {
                races_.push_back(std::move(race));
                race = PhotoFinishRace{event, number, static_cast<int>(d.heat), races_.back().name, {}};
            }
            race.competitors.push_back(*d.who);
            race.competitors.back().lane = static_cast<int>(d.lane);
        }
        races_.push_back(std::move(race));
    }

    PhotoFinishRaces finish(bool anyRow, int day)
    {
        if (!anyRow)
            problems_.push_back(day == 0 ? say("The programme has no events.", "Die program het geen items nie.")
                                         : say("Day ", "Dag ") + std::to_string(day) +
                                               say(" of the programme has no events.", " van die program het geen items nie."));
        else if (races_.empty() && problems_.empty())
            problems_.push_back(say("The programme has no races to write (field events are not written).",
                                    "Die program het geen lope om te skryf nie (veldnommers word nie geskryf nie)."));
        if (!problems_.empty()) {
            std::string message = say("The photo-finish files were not written:", "Die fotofinish-lêers is nie geskryf nie:");
            for (size_t i = 0; i < std::min(problems_.size(), kProblemsShown); ++i)
                message += "\n" + problems_[i];
            if (problems_.size() > kProblemsShown)
                message += say("\n... and ", "\n... en ") + std::to_string(problems_.size() - kProblemsShown) +
                           say(" more.", " meer.");
            throw PhotoFinishError(message);
        }
        PhotoFinishRaces out;
        out.races = std::move(races_);
        std::vector<std::pair<double, PhotoFinishCompetitor*>> byId;
        byId.reserve(people_.size());
        for (auto& [id, person] : people_)
            byId.emplace_back(id, &person.competitor);
        std::sort(byId.begin(), byId.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        out.people.reserve(byId.size());
        for (auto& [id, competitor] : byId)
            out.people.push_back(std::move(*competitor));
        return out;
    }

private:
    // A problem's words in the language of the window or of --lang.
    std::string say(const char* english, const char* afrikaans) const
    {
        return isEnglish(lang_) ? english : afrikaans;
    }

    // The competitor of an entry whose heat and lane are 0 to 99 and whose athlete
    // or team exists; made once per athlete or team and kept for the people file.
    // Null (and the problem noted) otherwise.
    const PhotoFinishCompetitor* entrant(const printing::EntryRow& e, bool relay, const std::string& where)
    {
        const bool drawOk = isWholeIn(e.heat, 0, 99) && isWholeIn(e.lane, 0, 99);
        if (auto it = people_.find(e.nommer); it != people_.end() && drawOk) {
            Person& known = it->second;
            if (known.relay != relay && !known.toldShared) {
                problems_.push_back(say("Competitor ", "Deelnemer ") + known.competitor.id +
                                    say(" is both a team and an athlete: a team number and an athlete code are the same.",
                                        " is 'n span sowel as 'n atleet: 'n spannommer en 'n atleetkode is dieselfde."));
                known.toldShared = true;
            }
            return &known.competitor;
        }
        const printing::EntrantNames::Team* team = names_.findTeam(relay ? e.nommer : std::floor(e.nommer / 1000));
        const printing::EntrantNames::Athlete* athlete = relay ? nullptr : names_.findAthlete(e.nommer);
        const bool known = relay ? team != nullptr : athlete != nullptr;
        if (drawOk && known) {
            Person& person = people_[e.nommer];
            person.relay = relay;
            PhotoFinishCompetitor& c = person.competitor;
            c.id = idText(e.nommer);
            c.lastName = fieldText(relay ? team->naam : athlete->van);
            c.firstName = relay ? std::string() : fieldText(athlete->naam);
            c.affiliation = team ? fieldText(team->afkort) : std::string();
            return &c;
        }
        const std::string entry =
            (relay ? say("Atld28 entry of team ", "Atld28-inskrywing van span ")
                   : say("Atld37 entry of athlete ", "Atld37-inskrywing van atleet ")) +
            formatNumber(e.nommer) + say(" in ", " in ") + where;
        for (auto [word, value] : {std::pair{say("heat", "lopie"), e.heat}, std::pair{say("lane", "baan"), e.lane}})
            if (!isWholeIn(value, 0, 99))
                problems_.push_back(entry + ": " + word + " " + formatNumber(value) +
                                    say(" is no whole number from 0 to 99.", " is geen heelgetal van 0 tot 99 nie."));
        if (!known) {
            const double teamNumber = std::floor(e.nommer / 1000);
            problems_.push_back(entry + ": " +
                                (relay ? say("there is no team ", "daar is geen span ") + formatNumber(e.nommer) +
                                             say(".", " nie.")
                                       : say("there is no athlete ", "daar is geen atleet ") +
                                             formatNumber(e.nommer - 1000 * teamNumber) + say(" of team ", " van span ") +
                                             formatNumber(teamNumber) + say(".", " nie.")));
        }
        return nullptr;
    }

    struct Person {
        PhotoFinishCompetitor competitor; // lane 0
        bool relay = false;
        bool toldShared = false;
    };

    const EventReference& reference_;
    const Language lang_;
    printing::EntryIndex individual_, teams_;
    printing::EntrantNames names_;
    std::vector<std::string> problems_;
    struct EventOwner {
        double day;
        std::string where;
    };
    std::map<int, EventOwner> events_;           // event number -> the row that has it
    bool toldDaysRepeat_ = false;
    std::unordered_map<double, Person> people_; // by ID
    std::vector<PhotoFinishRace> races_;
};

} // namespace

int PhotoFinishRaces::competitorLines() const
{
    int n = 0;
    for (const PhotoFinishRace& r : races)
        n += static_cast<int>(r.competitors.size());
    return n;
}

int photoFinishEventNumber(const std::string& number, const std::string& sub)
{
    const std::string text = trimmed(number), letter = trimmed(sub);
    const double n = textToNumber(text);
    if (!isNumericText(text) || !isWholeIn(n, 1, 999999))
        return 0;
    if (letter.empty())
        return static_cast<int>(n);
    if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0])))
        return 0;
    return static_cast<int>(n) * 100 + (std::tolower(static_cast<unsigned char>(letter[0])) - 'a' + 1);
}

PhotoFinishRaces collectPhotoFinishRaces(const GridModel& programme, const EventReference& reference,
                                         DataStore& store, Language lang, int day)
{
    const std::vector<ProgrammeLine> lines = programmeLines(programme, day);
    RaceCollector collector(reference, store, lang);
    for (const ProgrammeLine& line : lines)
        collector.add(line);
    return collector.finish(!lines.empty(), day);
}

} // namespace dravik
