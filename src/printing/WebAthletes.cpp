#include "printing/WebAthletes.h"

#include "platform/TextNumber.h"
#include "printing/HtmlWriter.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace dravik::printing {

namespace {

// An athletes page holds about this many races, so that no page of a large
// meeting grows past a few hundred kB.
constexpr size_t kRacesPerPage = 2500;

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The index letter of a sort key: its first letter, A to Z, or "#".
std::string letterOf(const std::string& key)
{
    const char c = key.empty() ? '#' : key.front();
    return c >= 'a' && c <= 'z' ? std::string(1, static_cast<char>(c - 'a' + 'A')) : std::string("#");
}

std::string eventText(const WebEvent& e)
{
    std::string text;
    for (size_t i : {size_t(0), size_t(3), size_t(2), size_t(5)})
        if (i < e.cells.size() && !e.cells[i].empty())
            text += (text.empty() ? "" : i == 3 ? " " : ", ") + e.cells[i];
    return text;
}

std::string numberText(double number)
{
    return formatNumber(number);
}

// A table of races; the athletes' pages and the team pages give each athlete a
// group of rows headed by the athlete's name, team and ID.
void racesHead(HtmlWriter& w, const WebTexts& t)
{
    w.open("table", " class=\"races\"").open("thead").open("tr");
    w.element("th", t.day, " class=\"rday\"").element("th", t.time, " class=\"rtime\"");
    w.element("th", t.event, " class=\"rev\"").element("th", t.heat, " class=\"rheat\"");
    w.element("th", t.laneOrOrder, " class=\"rpos\"").close("tr").close("thead").raw("\n");
}

void raceRows(HtmlWriter& w, const std::vector<WebRace>& races)
{
    for (const WebRace& race : races) {
        const std::string time = race.event->cells.size() > 1 ? race.event->cells[1] : std::string();
        w.open("tr").element("td", race.day, " class=\"rday\"").element("td", time, " class=\"rtime\"");
        w.open("td", " class=\"rev\"").element("a", eventText(*race.event), attribute("href", race.href)).close("td");
        w.element("td", race.heat, " class=\"rheat\"").element("td", race.position, " class=\"rpos\"").close("tr");
    }
}

std::string athleteId(const WebCompetitor& who)
{
    return "a" + numberText(who.number);
}

// The athlete's rows: a heading row with name, team (linked to its page when
// `teamHref` is given, left out when `withTeam` is false) and ID, then the races.
void competitor(HtmlWriter& w, const WebCompetitor& who, const WebTexts& t, const std::string& teamHref,
                bool withTeam)
{
    w.open("tbody", " class=\"who\"" + attribute("id", athleteId(who)));
    w.open("tr").open("th", " colspan=\"5\" scope=\"rowgroup\"").element("span", who.name, " class=\"name\"");
    if (withTeam) {
        const std::string team = who.teamName.empty() ? who.team
                                 : who.team.empty()   ? who.teamName
                                                      : who.teamName + " (" + who.team + ")";
        w.raw("<span class=\"sep\">, </span>").open("span", " class=\"info\"").text(std::string(t.team) + ": ");
        if (!teamHref.empty())
            w.element("a", team, attribute("href", teamHref));
        else
            w.text(team);
        w.close("span");
    }
    w.raw("<span class=\"sep\">, </span>").element("span", std::string(t.id) + ": " + who.id, " class=\"info\"");
    w.close("th").close("tr").raw("\n");
    raceRows(w, who.races);
    w.close("tbody").raw("\n");
}

} // namespace

WebAthleteIndex::WebAthleteIndex(const WebProgramme& page, const std::vector<WebDayPlace>& days,
                                 const EntrantNames& names)
{
    const WebTexts& t = webTexts(page.language);
    std::unordered_map<double, size_t> athleteAt, relayAt;
    for (size_t d = 0; d < page.days.size() && d < days.size(); ++d)
        for (const WebEvent& e : page.days[d].events)
            for (const WebHeat& heat : e.heats) {
                int position = 0;
                for (const WebEntrant& entrant : heat.entrants) {
                    ++position;
                    auto& list = e.teamEvent ? relayTeams_ : athletes_;
                    auto& at = e.teamEvent ? relayAt : athleteAt;
                    auto [it, added] = at.try_emplace(entrant.number, list.size());
                    if (added) {
                        WebCompetitor who;
                        who.number = entrant.number;
                        who.id = numberText(entrant.number);
                        who.name = entrant.name;
                        who.team = entrant.team;
                        const double teamNumber = e.teamEvent ? entrant.number : std::floor(entrant.number / 1000);
                        if (const EntrantNames::Team* team = names.findTeam(teamNumber))
                            who.teamName = team->naam;
                        const EntrantNames::Athlete* a = e.teamEvent ? nullptr : names.findAthlete(entrant.number);
                        if (a && !a->van.empty()) {
                            who.name = a->naam.empty() ? a->van : a->van + ", " + a->naam;
                            who.sortKey = lowered(a->van + "\x01" + a->naam);
                        } else {
                            who.sortKey = lowered(entrant.name);
                        }
                        list.push_back(std::move(who));
                    }
                    WebRace race;
                    race.event = &e;
                    race.day = days[d].label;
                    race.href = days[d].file + "#" + e.anchor;
                    race.heat = heat.title;
                    const char* word = e.field ? t.order : e.lanes ? t.lane : t.number;
                    race.position = std::string(word) + " " + (e.lanes ? entrant.lane : std::to_string(position));
                    if (e.lanes && entrant.lane.empty())
                        race.position.clear();
                    list[it->second].races.push_back(std::move(race));
                }
            }
    std::stable_sort(athletes_.begin(), athletes_.end(), [](const WebCompetitor& a, const WebCompetitor& b) {
        return a.sortKey != b.sortKey ? a.sortKey < b.sortKey : a.number < b.number;
    });

    // Every team with an athlete or a relay, A to Z by name.
    std::unordered_map<double, size_t> teamAt;
    // A team's page is named by its number, so a link to it keeps working when teams are added.
    auto hasPage = [](double number) { return number >= 1 && number < 1e9 && number == std::floor(number); };
    auto teamOf = [&](double number, const WebCompetitor& who) -> WebTeamEntry& {
        auto [it, added] = teamAt.try_emplace(number, teams_.size());
        if (added) {
            WebTeamEntry team;
            team.number = number;
            team.abbreviation = who.team;
            team.name = who.teamName.empty() ? who.team : who.teamName;
            team.file = "team-" + numberText(number) + ".html";
            teams_.push_back(std::move(team));
        }
        return teams_[it->second];
    };
    for (const WebCompetitor& who : athletes_)
        if (hasPage(std::floor(who.number / 1000)))
            teamOf(std::floor(who.number / 1000), who).athletes.push_back(&who);
    for (const WebCompetitor& relay : relayTeams_) {
        if (!hasPage(relay.number))
            continue;
        WebTeamEntry& team = teamOf(relay.number, relay);
        team.relays.insert(team.relays.end(), relay.races.begin(), relay.races.end());
    }
    std::stable_sort(teams_.begin(), teams_.end(), [](const WebTeamEntry& a, const WebTeamEntry& b) {
        const std::string ka = lowered(a.name), kb = lowered(b.name);
        return ka != kb ? ka < kb : a.number < b.number;
    });
}

std::vector<WebFile> athletesPages(const WebAthleteIndex& index, const WebFrame& frame)
{
    const WebTexts& t = webTexts(frame.language);
    const std::vector<WebCompetitor>& all = index.athletes();
    std::unordered_map<double, std::string> teamFile;
    for (const WebTeamEntry& team : index.teams())
        teamFile[team.number] = team.file;

    // Athletes are cut into pages at whole athletes.
    std::vector<size_t> firstOf{0};
    size_t races = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (races >= kRacesPerPage && i > firstOf.back()) {
            firstOf.push_back(i);
            races = 0;
        }
        races += all[i].races.size();
    }
    auto fileOf = [](size_t page) {
        return page == 0 ? std::string("athletes.html") : "athletes-" + std::to_string(page + 1) + ".html";
    };
    const size_t pages = firstOf.size();
    auto pageOf = [&](size_t athlete) {
        return static_cast<size_t>(std::upper_bound(firstOf.begin(), firstOf.end(), athlete) - firstOf.begin()) - 1;
    };

    // The A to Z bar: each letter leads to the first athlete under it.
    std::vector<WebLink> letters;
    std::vector<std::string> letterAt(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string letter = letterOf(all[i].sortKey);
        if (letters.empty() || letters.back().label != letter) {
            letters.push_back({fileOf(pageOf(i)) + "#l-" + std::to_string(letters.size() + 1), letter});
            letterAt[i] = "l-" + std::to_string(letters.size());
        }
    }

    std::vector<WebFile> files;
    for (size_t p = 0; p < pages; ++p) {
        const size_t from = firstOf[p], to = p + 1 < pages ? firstOf[p + 1] : all.size();
        HtmlWriter w;
        std::string heading = t.athletes;
        if (pages > 1)
            heading += " " + std::to_string(p + 1) + "/" + std::to_string(pages);
        webPageStart(w, frame, frame.meeting.empty() ? heading : frame.meeting + " - " + heading, "athletes.html");
        w.element("h1", heading);
        if (!letters.empty()) {
            w.open("nav", " class=\"az\"" + attribute("aria-label", "A-Z")).open("ul");
            for (const WebLink& l : letters)
                w.open("li").element("a", l.label, attribute("href", l.href)).close("li");
            w.close("ul").close("nav").raw("\n");
        }
        if (pages > 1) {
            w.open("nav", " class=\"pages\"" + attribute("aria-label", t.pages)).open("ul");
            for (size_t q = 0; q < pages; ++q) {
                const size_t last = q + 1 < pages ? firstOf[q + 1] - 1 : all.size() - 1;
                const std::string label = all[firstOf[q]].name + " - " + all[last].name;
                w.open("li").element("a", label,
                                     attribute("href", fileOf(q)) + (q == p ? " class=\"on\"" : ""));
                w.close("li");
            }
            w.close("ul").close("nav").raw("\n");
        }
        if (all.empty())
            w.element("p", t.noAthletes, " class=\"none\"");
        // One table per letter.
        for (size_t i = from; i < to; ++i) {
            if (!letterAt[i].empty() || i == from) {
                if (i > from)
                    w.close("table").raw("\n");
                w.element("h2", letterOf(all[i].sortKey),
                          (letterAt[i].empty() ? std::string() : attribute("id", letterAt[i])) + " class=\"letter\"");
                racesHead(w, t);
            }
            const auto team = teamFile.find(std::floor(all[i].number / 1000));
            competitor(w, all[i], t, team == teamFile.end() ? std::string() : team->second, true);
        }
        if (to > from)
            w.close("table").raw("\n");
        webPageEnd(w, frame);
        files.push_back({fileOf(p), w.html()});
    }
    return files;
}

std::vector<WebFile> teamPages(const WebAthleteIndex& index, const WebFrame& frame)
{
    const WebTexts& t = webTexts(frame.language);
    std::vector<WebFile> files;
    auto title = [&](const std::string& what) { return frame.meeting.empty() ? what : frame.meeting + " - " + what; };

    HtmlWriter list;
    webPageStart(list, frame, title(t.teams), "teams.html");
    list.element("h1", t.teams).open("ul", " class=\"teams\"");
    for (const WebTeamEntry& team : index.teams()) {
        std::string label = team.name;
        if (!team.abbreviation.empty() && team.abbreviation != team.name)
            label += " (" + team.abbreviation + ")";
        list.open("li").element("a", label, attribute("href", team.file));
        std::string about = std::to_string(team.athletes.size()) + " " + t.athletes;
        if (!team.relays.empty())
            about += ", " + std::to_string(team.relays.size()) + " " + t.relays;
        list.raw("<span class=\"sep\">, </span>").element("span", about, " class=\"about\"").close("li");
    }
    list.close("ul");
    webPageEnd(list, frame);
    files.push_back({"teams.html", list.html()});

    for (const WebTeamEntry& team : index.teams()) {
        HtmlWriter w;
        std::string heading = team.name;
        if (!team.abbreviation.empty() && team.abbreviation != team.name)
            heading += " (" + team.abbreviation + ")";
        webPageStart(w, frame, title(heading), "teams.html");
        w.element("h1", heading);
        if (!team.relays.empty()) {
            w.element("h2", t.relays);
            racesHead(w, t);
            w.open("tbody");
            raceRows(w, team.relays);
            w.close("tbody").close("table").raw("\n");
        }
        w.element("h2", t.athletes);
        if (team.athletes.empty())
            w.element("p", t.noAthletes, " class=\"none\"");
        else {
            racesHead(w, t);
            for (const WebCompetitor* who : team.athletes)
                competitor(w, *who, t, std::string(), false);
            w.close("table").raw("\n");
        }
        webPageEnd(w, frame);
        files.push_back({team.file, w.html()});
    }
    return files;
}

} // namespace dravik::printing
