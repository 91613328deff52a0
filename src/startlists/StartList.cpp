// SPDX-License-Identifier: GPL-3.0-or-later
#include "startlists/StartList.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "startlists/EntrantNames.h"
#include "startlists/EntryIndex.h"

#include <algorithm>
#include <cmath>

namespace dravik {

namespace {

struct GenderWords {
    const char* men;    // age 25
    const char* menAge; // 19 and over, before the age
    const char* menAfterAge;
    const char* boys;
    const char* boysAfterAge;
    const char* women; // age 25
    const char* womenAge;
    const char* girls;
    const char* girlsAfterAge;
};

const GenderWords& genderWords(Language lang, bool alternative)
{
    static const GenderWords english{"Men        ", "Men - ",   "    ",     "Boys - ", "    ",
                                     "Women     ",  "Women - ", "Girls - ", ""};
    static const GenderWords afrikaans{"Mans        ", "Mans - ",  "    ",       "Seuns - ", "    ",
                                       "Vroulik     ", "Vroue - ", "Dogters - ", ""};
    static const GenderWords other{"Mans       ", "Mans - ",  "     ",      "Seuns - ", "     ",
                                   "Vroue     ",  "Vroue - ", "Dogters - ", "  "};
    if (alternative)
        return other;
    return isEnglish(lang) ? english : afrikaans;
}

std::string genderLabel(const std::string& gender, const std::string& ageText, Language lang, bool alternative)
{
    const GenderWords& w = genderWords(lang, alternative);
    bool male = gender == maleWord(lang);
    double age = textToNumber(ageText);
    if (age == 25)
        return male ? w.men : w.women;
    if (male)
        return age >= 19 ? w.menAge + ageText + w.menAfterAge : w.boys + ageText + w.boysAfterAge;
    return age >= 19 ? w.womenAge + ageText : w.girls + ageText + w.girlsAfterAge;
}

double heatOf(const StartCompetitor& c)
{
    return c.heat == 0 ? 1 : c.heat;
}

// Whole numbers print as such ("12034"), anything else as the programme shows numbers.
std::string idText(double code)
{
    return std::floor(code) == code && std::abs(code) < 1e15 ? std::to_string(static_cast<long long>(code))
                                                             : formatNumber(code);
}

class StartListBuilder {
public:
    StartListBuilder(const EventReference& reference, DataStore& store, Language lang, bool withEntrants)
        : reference_(reference), lang_(lang), withEntrants_(withEntrants)
    {
        if (withEntrants) {
            individual_ = EntryIndex(store.atld37());
            teams_ = EntryIndex(store.atld28());
            names_ = std::make_shared<EntrantNames>(store.atld30(), store.atld20());
        }
    }

    std::shared_ptr<const EntrantNames> names() const { return names_; }

    StartListEvent event(const std::vector<std::string>& cells, int row) const
    {
        StartListEvent e;
        e.row = row;
        const double day = textToNumber(cells[pcol::Day]);
        e.day = day >= 1 && day <= 3 && std::floor(day) == day ? static_cast<int>(day) : 0;
        e.number = trimmed(cells[pcol::Number]);
        e.sub = trimmed(cells[pcol::Sub]);
        e.time = trimmed(cells[pcol::Time]);
        e.gender = trimmed(cells[pcol::Gender]);
        e.age = trimmed(cells[pcol::Age]);
        e.genderAge = genderAgeText(e.gender, e.age, lang_);
        e.event = trimmed(cells[pcol::Event]);
        e.eventAlt = trimmed(cells[pcol::Event2]);
        e.place = trimmed(cells[pcol::Point]);
        e.level = trimmed(cells[pcol::Level]);
        e.definition = textToNumber(cells[pcol::Definition]);
        const int index = reference_.definitions.find(e.definition);
        e.definitionKnown = index < reference_.definitions.count();
        e.tipe = reference_.definitions.at(index).tipe; // the spare entry: 0
        e.kind = eventKindOf(e.tipe);
        e.levelIndex = levelIndexOf(e.level, lang_);
        if (withEntrants_)
            addHeats(e);
        return e;
    }

private:
    void addHeats(StartListEvent& e) const
    {
        const bool relay = e.kind == EventKind::Relay;
        const std::vector<EntryRow>& entries = (relay ? teams_ : individual_).of(e.definition, e.levelIndex);
        if (entries.empty())
            return;
        std::vector<StartCompetitor> drawn;
        drawn.reserve(entries.size());
        for (const EntryRow& entry : entries) {
            StartCompetitor c;
            c.code = entry.nommer;
            c.id = idText(entry.nommer);
            c.heat = entry.heat;
            c.lane = entry.lane;
            c.entryPosition = static_cast<int>(drawn.size());
            c.team = names_->findTeam(relay ? entry.nommer : std::floor(entry.nommer / 1000));
            c.athlete = relay ? nullptr : names_->findAthlete(entry.nommer);
            c.named = relay ? c.team != nullptr : c.athlete != nullptr;
            drawn.push_back(std::move(c));
        }
        std::stable_sort(drawn.begin(), drawn.end(), drawsBefore);
        for (StartCompetitor& c : drawn) {
            if (e.heats.empty() || e.heats.back().number != heatOf(c))
                e.heats.push_back({heatOf(c), {}});
            e.heats.back().competitors.push_back(std::move(c));
        }
    }

    const EventReference& reference_;
    const Language lang_;
    const bool withEntrants_;
    EntryIndex individual_, teams_;
    std::shared_ptr<EntrantNames> names_;
};

const std::string kNone;

} // namespace

const std::string& StartCompetitor::firstName() const
{
    return athlete ? athlete->naam : kNone;
}

const std::string& StartCompetitor::lastName() const
{
    return athlete ? athlete->van : kNone;
}

const std::string& StartCompetitor::teamName() const
{
    return team ? team->naam : kNone;
}

const std::string& StartCompetitor::teamShort() const
{
    return team ? team->afkort : kNone;
}

size_t StartListEvent::competitorCount() const
{
    size_t n = 0;
    for (const StartHeat& h : heats)
        n += h.competitors.size();
    return n;
}

std::vector<const StartCompetitor*> StartListEvent::entryOrder() const
{
    std::vector<const StartCompetitor*> out;
    out.reserve(competitorCount());
    for (const StartHeat& h : heats)
        for (const StartCompetitor& c : h.competitors)
            out.push_back(&c);
    std::sort(out.begin(), out.end(),
              [](const StartCompetitor* a, const StartCompetitor* b) { return a->entryPosition < b->entryPosition; });
    return out;
}

bool drawsBefore(const StartCompetitor& a, const StartCompetitor& b)
{
    if (heatOf(a) != heatOf(b))
        return heatOf(a) < heatOf(b);
    const bool aLane = a.lane != 0, bLane = b.lane != 0;
    if (aLane != bLane)
        return aLane;
    return a.lane < b.lane;
}

std::string genderAgeText(const std::string& gender, const std::string& age, Language lang, bool alternative)
{
    return trimmed(genderLabel(gender, age, lang, alternative));
}

double levelIndexOf(const std::string& levelText, Language lang)
{
    const auto& levels = levelTexts(lang);
    const std::string level = trimmed(levelText);
    auto it = std::find(levels.begin(), levels.end(), level);
    if (it != levels.end())
        return static_cast<double>(it - levels.begin());
    return isNumericText(level) ? textToNumber(level) : -1;
}

StartLists buildStartLists(const GridModel& programme, const EventReference& reference, DataStore& store, Language lang,
                           bool withEntrants)
{
    const StartListBuilder builder(reference, store, lang, withEntrants);
    StartLists lists;
    lists.events.reserve(programme.rows() > 0 ? programme.rows() - 1 : 0);
    for (int r = 1; r < programme.rows(); ++r)
        lists.events.push_back(builder.event(programme.rowCells(r), r));
    lists.names = builder.names();
    return lists;
}

} // namespace dravik
