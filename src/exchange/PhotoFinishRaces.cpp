// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/PhotoFinishRaces.h"

#include "platform/TextNumber.h"
#include "programme/ProgrammeRowCheck.h"
#include "startlists/StartList.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace dravik {

namespace {

constexpr size_t kProblemsShown = 20;
constexpr int kSubStep = 100000;

bool isWholeIn(double v, double lowest, double highest)
{
    return v >= lowest && v <= highest && std::floor(v) == v;
}

// The programme's "hh:mm" as the camera's "hh:mm:ss"; empty when there is none.
std::string startTimeOf(const std::string& time)
{
    if (time.size() == 5 && time[2] == ':')
        return time + ":00";
    if (time.size() == 4 && time[1] == ':')
        return "0" + time + ":00";
    return {};
}

// The row's words as the camera shows them: "12a Boys - 10 100m Heat" (a final
// names no level).
std::string raceName(const StartListEvent& e)
{
    std::string name = e.programmeNumber() + " " + e.genderAge + " " + e.event;
    if (e.levelIndex != 0)
        name += " " + e.level;
    return name;
}

class RaceCollector {
public:
    RaceCollector(Language lang, const PhotoFinishChoice& choice) : lang_(lang), choice_(choice) {}

    void add(const StartListEvent& e)
    {
        const std::string number = e.programmeNumber();
        const std::string where = say("Event ", "Item ") + number + say(" (day ", " (dag ") + std::to_string(e.day) +
                                  ")";
        if (!e.definitionKnown) {
            problems_.push_back(where + say(": there is no event definition ", ": daar is geen itemdefinisie ") +
                                formatNumber(e.definition) + say(".", " nie."));
            return;
        }
        if (e.kind == EventKind::Field)
            return;
        const int event = photoFinishEventNumber(e.number, e.sub, e.day, choice_.dayOffset);
        if (event == 0)
            problems_.push_back(where +
                                say(": the number must be a whole number from 1 to 9999 and the sub one letter",
                                    ": die nommer moet 'n heelgetal van 1 tot 9999 wees en die sub een letter") +
                                (choice_.dayOffset > 0 ? say(", on day 1, 2 or 3.", ", op dag 1, 2 of 3.") : "."));
        if (e.levelIndex < 0)
            problems_.push_back(where + ": \"" + e.level +
                                say("\" is no level of the list.", "\" is geen vlak van die lys nie."));
        if (event == 0 || e.levelIndex < 0)
            return;
        checkUnique(event, e.day, where);

        const bool relay = e.kind == EventKind::Relay;
        const std::string name = raceName(e), start = startTimeOf(e.time);
        PhotoFinishRace race{event, number, 1, name, start, {}};
        bool first = true;
        for (const StartHeat& heat : e.heats) {
            if (!isWholeIn(heat.number, 1, 99)) {
                for (const StartCompetitor& c : heat.competitors)
                    entrant(c, relay, where);
                continue;
            }
            if (!first)
                races_.push_back(std::move(race));
            race = PhotoFinishRace{event, number, static_cast<int>(heat.number), name, start, {}};
            first = false;
            race.entrants.reserve(heat.competitors.size());
            for (const StartCompetitor& c : heat.competitors)
                if (const int who = entrant(c, relay, where); who >= 0)
                    race.entrants.push_back({who, static_cast<int>(c.lane)});
        }
        races_.push_back(std::move(race));
    }

    PhotoFinishRaces finish(bool anyRow)
    {
        if (!anyRow)
            problems_.push_back(
                choice_.day == 0 ? say("The programme has no events.", "Die program het geen items nie.")
                                 : say("Day ", "Dag ") + std::to_string(choice_.day) +
                                       say(" of the programme has no events.", " van die program het geen items nie."));
        else if (races_.empty() && problems_.empty())
            problems_.push_back(say("The programme has no races to write (field events are not written).",
                                    "Die program het geen lope om te skryf nie (veldnommers word nie geskryf nie)."));
        if (!problems_.empty()) {
            std::string message = say("The photo-finish files were not written:",
                                      "Die fotofinish-lêers is nie geskryf nie:");
            for (size_t i = 0; i < std::min(problems_.size(), kProblemsShown); ++i)
                message += "\n" + problems_[i];
            if (problems_.size() > kProblemsShown)
                message += say("\n... and ", "\n... en ") + std::to_string(problems_.size() - kProblemsShown) +
                           say(" more.", " meer.");
            throw PhotoFinishError(message);
        }
        PhotoFinishRaces out;
        out.dayOffset = choice_.dayOffset;
        // The people file runs by ID; the races point to their new places.
        std::vector<int> byId(persons_.size());
        for (size_t i = 0; i < byId.size(); ++i)
            byId[i] = static_cast<int>(i);
        std::sort(byId.begin(), byId.end(), [&](int a, int b) { return persons_[a].code < persons_[b].code; });
        std::vector<int> placeOf(persons_.size());
        out.people.reserve(byId.size());
        for (int i : byId) {
            placeOf[i] = static_cast<int>(out.people.size());
            out.people.push_back(std::move(persons_[i].competitor));
        }
        for (PhotoFinishRace& race : races_)
            for (PhotoFinishEntrant& e : race.entrants)
                e.person = placeOf[e.person];
        out.races = std::move(races_);
        return out;
    }

private:
    // A problem's words in the language of the window or of --lang.
    std::string say(const char* english, const char* afrikaans) const { return isEnglish(lang_) ? english : afrikaans; }

    void checkUnique(int event, int day, const std::string& where)
    {
        auto [it, added] = events_.try_emplace(event, EventOwner{day, where});
        if (added)
            return;
        // Numbers that start again each day are one problem, told once.
        if (it->second.day == day || choice_.dayOffset > 0)
            problems_.push_back(
                it->second.where + say(" and ", " en ") + where +
                say(" would both be photo-finish event ", " sou albei fotofinish-item ") + std::to_string(event) +
                (it->second.day == day ? say(": give them numbers of their own.", ": gee elkeen sy eie nommer.")
                                       : say(": choose a day offset above the day's highest event number.",
                                             ": kies 'n dagverskuiwing bo die dag se hoogste itemnommer.")));
        else if (!toldDaysRepeat_)
            problems_.push_back(
                say("The event numbers start again on another day (", "Die itemnommers begin weer op 'n ander dag (") +
                it->second.where + ", " + where +
                say("): write one day's races at a time, or number each day apart with a day offset.",
                    "): skryf een dag se lope op 'n slag, of nommer elke dag apart met 'n dagverskuiwing."));
        toldDaysRepeat_ = toldDaysRepeat_ || it->second.day != day;
    }

    // The place of an entry's competitor among the people when its heat and lane
    // are 0 to 99 and its athlete or team exists; made once per athlete or team.
    // -1 (and the problem noted) otherwise.
    int entrant(const StartCompetitor& e, bool relay, const std::string& where)
    {
        const bool drawOk = isWholeIn(e.heat, 0, 99) && isWholeIn(e.lane, 0, 99);
        if (auto it = people_.find(e.code); it != people_.end() && drawOk) {
            Person& known = persons_[it->second];
            if (known.relay != relay && !known.toldShared) {
                problems_.push_back(
                    say("Competitor ", "Deelnemer ") + known.competitor.id +
                    say(" is both a team and an athlete: a team number and an athlete code are the same.",
                        " is 'n span sowel as 'n atleet: 'n spannommer en 'n atleetkode is dieselfde."));
                known.toldShared = true;
            }
            return it->second;
        }
        if (drawOk && e.named) {
            const int place = static_cast<int>(persons_.size());
            people_.emplace(e.code, place);
            persons_.push_back(
                {{e.id, relay ? e.teamName() : e.lastName(), e.firstName(), e.teamShort()}, e.code, relay, false});
            return place;
        }
        const std::string entry = (relay ? say("Atld28 entry of team ", "Atld28-inskrywing van span ")
                                         : say("Atld37 entry of athlete ", "Atld37-inskrywing van atleet ")) +
                                  formatNumber(e.code) + say(" in ", " in ") + where;
        for (auto [word, value] : {std::pair{say("heat", "lopie"), e.heat}, std::pair{say("lane", "baan"), e.lane}})
            if (!isWholeIn(value, 0, 99))
                problems_.push_back(entry + ": " + word + " " + formatNumber(value) +
                                    say(" is no whole number from 0 to 99.", " is geen heelgetal van 0 tot 99 nie."));
        if (!e.named) {
            const double teamNumber = std::floor(e.code / 1000);
            problems_.push_back(
                entry + ": " +
                (relay
                     ? say("there is no team ", "daar is geen span ") + formatNumber(e.code) + say(".", " nie.")
                     : say("there is no athlete ", "daar is geen atleet ") + formatNumber(e.code - 1000 * teamNumber) +
                           say(" of team ", " van span ") + formatNumber(teamNumber) + say(".", " nie.")));
        }
        return -1;
    }

    struct Person {
        PhotoFinishCompetitor competitor;
        double code = 0;
        bool relay = false;
        bool toldShared = false;
    };
    struct EventOwner {
        int day;
        std::string where;
    };

    const Language lang_;
    const PhotoFinishChoice choice_;
    std::vector<std::string> problems_;
    std::map<int, EventOwner> events_; // event number -> the row that has it
    bool toldDaysRepeat_ = false;
    std::unordered_map<double, int> people_; // ID -> place in persons_
    std::vector<Person> persons_;
    std::vector<PhotoFinishRace> races_;
};

} // namespace

int PhotoFinishRaces::competitorLines() const
{
    int n = 0;
    for (const PhotoFinishRace& r : races)
        n += static_cast<int>(r.entrants.size());
    return n;
}

int photoFinishEventNumber(const std::string& number, const std::string& sub, int day, int dayOffset)
{
    const std::string text = trimmed(number);
    const double n = textToNumber(text);
    const int place = subLetterPlace(sub);
    if (!isNumericText(text) || !isWholeIn(n, 1, 9999) || place < 0 || dayOffset < 0 || dayOffset > kMaxDayOffset)
        return 0;
    if (dayOffset > 0 && (day < 1 || day > 3))
        return 0;
    const int base = (dayOffset > 0 ? (day - 1) * dayOffset : 0) + static_cast<int>(n);
    return place * kSubStep + base;
}

std::string photoFinishNumberRule(int dayOffset)
{
    std::string rule = "; Event numbers: the programme number (1 to 9999)";
    if (dayOffset > 0)
        rule += " plus (day - 1) x " + std::to_string(dayOffset);
    rule += ", plus 100000 x the sub letter's place in the alphabet (12 = " + std::to_string(12) +
            ", 12a = " + std::to_string(photoFinishEventNumber("12", "a")) +
            ", 12b = " + std::to_string(photoFinishEventNumber("12", "b"));
    if (dayOffset > 0)
        rule += ", day 2's 12 = " + std::to_string(photoFinishEventNumber("12", "", 2, dayOffset)) +
                ", day 2's 12a = " + std::to_string(photoFinishEventNumber("12", "a", 2, dayOffset));
    return rule + ").";
}

PhotoFinishRaces collectPhotoFinishRaces(const StartLists& lists, Language lang, const PhotoFinishChoice& choice)
{
    std::vector<const StartListEvent*> rows;
    for (const StartListEvent& e : lists.events)
        if (choice.day == 0 || e.day == choice.day)
            rows.push_back(&e);
    // Programme order: day, number, sub.
    std::stable_sort(rows.begin(), rows.end(), [](const StartListEvent* a, const StartListEvent* b) {
        if (a->day != b->day)
            return a->day < b->day;
        const double na = textToNumber(a->number), nb = textToNumber(b->number);
        if (na != nb)
            return na < nb;
        return a->sub < b->sub;
    });
    RaceCollector collector(lang, choice);
    for (const StartListEvent* e : rows)
        collector.add(*e);
    return collector.finish(!rows.empty());
}

PhotoFinishRaces collectPhotoFinishRaces(const GridModel& programme, const EventReference& reference, DataStore& store,
                                         Language lang, const PhotoFinishChoice& choice)
{
    return collectPhotoFinishRaces(buildStartLists(programme, reference, store, lang), lang, choice);
}

} // namespace dravik
