// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebAthletes.h"

#include "platform/TextNumber.h"
#include "printing/HtmlWriter.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace dravik::printing {

namespace {

// An athletes page holds athletes up to about this size, so that a phone loads
// any page of a large meeting quickly.
constexpr size_t kPageBytes = 512 * 1024;

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// -1, 0 or 1 as a comes before, with or after b, ignoring the case of A to Z.
int compareFolded(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(folded(a[i])), y = static_cast<unsigned char>(folded(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// The index letter of a name: its first letter, A to Z, or "#".
std::string letterOf(const std::string& name)
{
    const char c = name.empty() ? '#' : folded(name.front());
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

// A whole number as digits without formatting it as a fraction (many thousands of IDs).
std::string numberText(double number)
{
    if (number == std::floor(number) && std::fabs(number) < 1e15)
        return std::to_string(static_cast<long long>(number));
    return formatNumber(number);
}

// A table of races; the athletes' pages and the team pages give each athlete a
// group of rows headed by the athlete's name, team and ID. Only the head row
// carries the columns' classes, so that the many rows stay small.
void racesHead(HtmlWriter& w, const WebTexts& t)
{
    w.open("table", " class=\"races\"").open("thead").open("tr");
    w.element("th", t.day, " class=\"rday\"").element("th", t.time, " class=\"rtime\"");
    w.element("th", t.event, " class=\"rev\"").element("th", t.heat, " class=\"rheat\"");
    w.element("th", t.laneOrOrder, " class=\"rpos\"").close("tr").close("thead").raw("\n");
}

// The rows of races, each event's cells written once however many races it holds.
class RaceRows {
public:
    void write(HtmlWriter& w, const std::vector<WebRace>& races)
    {
        for (const WebRace& race : races) {
            w.raw("<tr><td>").text(race.place->label).raw("</td>").raw(eventCells(race));
            w.raw("<td>").text(race.heat).raw("</td><td>").text(race.position).raw("</td></tr>");
        }
    }

private:
    const std::string& eventCells(const WebRace& race)
    {
        auto [it, added] = cells_.try_emplace(race.event);
        if (added) {
            HtmlWriter w;
            const WebEvent& e = *race.event;
            w.element("td", e.cells.size() > 1 ? e.cells[1] : std::string());
            w.open("td").element("a", eventText(e), attribute("href", race.place->file + "#" + e.anchor)).close("td");
            it->second = w.take();
        }
        return it->second;
    }

    std::unordered_map<const WebEvent*, std::string> cells_;
};

std::string athleteId(const WebCompetitor& who)
{
    return "a" + numberText(who.number);
}

} // namespace

std::string teamText(const std::string& name, const std::string& abbreviation)
{
    if (abbreviation.empty() || abbreviation == name)
        return name;
    return name.empty() ? abbreviation : name + " (" + abbreviation + ")";
}

namespace {

// The athlete's rows: a heading row with name, team (linked to its page when
// `teamHref` is given, left out when `withTeam` is false) and ID, then the races.
void competitor(HtmlWriter& w, const WebCompetitor& who, const WebTexts& t, const std::string& teamHref, bool withTeam,
                const std::string& races)
{
    w.open("tbody", " class=\"who\"" + attribute("id", athleteId(who)));
    w.raw("<tr><th colspan=\"5\"><b>").text(who.name()).raw("</b>");
    if (withTeam) {
        w.raw(" \xC2\xB7 ").text(t.team).raw(": ");
        if (!teamHref.empty())
            w.element("a", who.teamText(), attribute("href", teamHref));
        else
            w.text(who.teamText());
    }
    w.raw(" \xC2\xB7 ").text(t.id).raw(": ").text(numberText(who.number)).raw("</th></tr>\n").raw(races);
    w.close("tbody").raw("\n");
}

// Each athlete's race rows (in the order of index.athletes()), written once for
// the athletes' pages and the team pages.
std::vector<std::string> raceRowsOf(const WebAthleteIndex& index)
{
    RaceRows rows;
    std::vector<std::string> out;
    out.reserve(index.athletes().size());
    for (const WebCompetitor& who : index.athletes()) {
        HtmlWriter w;
        rows.write(w, who.races);
        out.push_back(w.take());
    }
    return out;
}

// Room for an athlete's heading row beside the rows of races.
constexpr size_t kHeadingBytes = 200;

} // namespace

std::string WebCompetitor::name() const
{
    if (!athlete)
        return entrant ? entrant->name : std::string();
    return athlete->naam.empty() ? athlete->van : athlete->van + ", " + athlete->naam;
}

std::string WebCompetitor::teamText() const
{
    return printing::teamText(team ? team->naam : std::string(), entrant ? entrant->team : std::string());
}

const std::string& WebCompetitor::surname() const
{
    static const std::string none;
    return athlete ? athlete->van : entrant ? entrant->name : none;
}

WebAthleteIndex::WebAthleteIndex(const WebProgramme& page, const std::vector<WebDayPlace>& days,
                                 const EntrantNames& names)
{
    const WebTexts& t = webTexts(page.language);
    std::unordered_map<double, size_t> athleteAt, relayAt;
    std::unordered_map<double, const EntrantNames::Team*> teamNames;
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
                        who.entrant = &entrant;
                        const double teamNumber = e.teamEvent ? entrant.number : std::floor(entrant.number / 1000);
                        auto [team, seen] = teamNames.try_emplace(teamNumber, nullptr);
                        if (seen)
                            team->second = names.findTeam(teamNumber);
                        who.team = team->second;
                        const EntrantNames::Athlete* a = e.teamEvent ? nullptr : names.findAthlete(entrant.number);
                        if (a && !a->van.empty())
                            who.athlete = a;
                        list.push_back(std::move(who));
                    }
                    WebRace race;
                    race.event = &e;
                    race.place = &days[d];
                    race.heat = heat.title;
                    const char* word = e.field ? t.order : e.lanes ? t.lane : t.number;
                    race.position = std::string(word) + " " + (e.lanes ? entrant.lane : std::to_string(position));
                    if (e.lanes && entrant.lane.empty())
                        race.position.clear();
                    list[it->second].races.push_back(std::move(race));
                }
            }
    // Sorted by place, then moved once.
    std::vector<size_t> order(athletes_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const WebCompetitor &x = athletes_[a], &y = athletes_[b];
        int by = compareFolded(x.surname(), y.surname());
        if (by == 0 && x.athlete && y.athlete)
            by = compareFolded(x.athlete->naam, y.athlete->naam);
        return by != 0 ? by < 0 : x.number != y.number ? x.number < y.number : a < b;
    });
    std::vector<WebCompetitor> sorted;
    sorted.reserve(order.size());
    for (size_t i : order)
        sorted.push_back(std::move(athletes_[i]));
    athletes_ = std::move(sorted);

    // Every team with an athlete or a relay, A to Z by name.
    std::unordered_map<double, size_t> teamAt;
    // A team's page is named by its number, so a link to it keeps working when teams are added.
    auto hasPage = [](double number) { return number >= 1 && number < 1e9 && number == std::floor(number); };
    auto teamOf = [&](double number, const WebCompetitor& who) -> WebTeamEntry& {
        auto [it, added] = teamAt.try_emplace(number, teams_.size());
        if (added) {
            WebTeamEntry team;
            team.number = number;
            team.abbreviation = who.entrant->team;
            team.name = who.team && !who.team->naam.empty() ? who.team->naam : who.entrant->team;
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
        const int by = compareFolded(a.name, b.name);
        return by != 0 ? by < 0 : a.number < b.number;
    });
}

namespace {

// The athletes' pages: athletes.html, then athletes-2.html and on when the list is
// long, each with the A to Z bar and the pages' bar; an athlete is never split.
void athletesPages(const WebAthleteIndex& index, const WebFrame& frame, const std::vector<std::string>& rows,
                   std::vector<WebFile>& files)
{
    const WebTexts& t = webTexts(frame.language);
    const std::vector<WebCompetitor>& all = index.athletes();
    std::unordered_map<double, std::string> teamFile;
    for (const WebTeamEntry& team : index.teams())
        teamFile[team.number] = team.file;

    // The pages are cut at whole athletes by their size.
    std::vector<size_t> firstOf{0};
    size_t bytes = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const size_t size = rows[i].size() + kHeadingBytes;
        if (bytes + size > kPageBytes && i > firstOf.back()) {
            firstOf.push_back(i);
            bytes = 0;
        }
        bytes += size;
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
        const std::string letter = letterOf(all[i].surname());
        if (letters.empty() || letters.back().label != letter) {
            letters.push_back({fileOf(pageOf(i)) + "#l-" + std::to_string(letters.size() + 1), letter});
            letterAt[i] = "l-" + std::to_string(letters.size());
        }
    }

    for (size_t p = 0; p < pages; ++p) {
        const size_t from = firstOf[p], to = p + 1 < pages ? firstOf[p + 1] : all.size();
        HtmlWriter w;
        w.reserve(kPageBytes + 64 * 1024);
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
                const std::string label = all[firstOf[q]].name() + " - " + all[last].name();
                w.open("li").element("a", label, attribute("href", fileOf(q)) + (q == p ? " class=\"on\"" : ""));
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
                w.element("h2", letterOf(all[i].surname()),
                          (letterAt[i].empty() ? std::string() : attribute("id", letterAt[i])) + " class=\"letter\"");
                racesHead(w, t);
            }
            const auto team = teamFile.find(std::floor(all[i].number / 1000));
            competitor(w, all[i], t, team == teamFile.end() ? std::string() : team->second, true, rows[i]);
        }
        if (to > from)
            w.close("table").raw("\n");
        webPageEnd(w, frame);
        files.push_back({fileOf(p), w.take()});
    }
}

// teams.html and team-N.html.
void teamPages(const WebAthleteIndex& index, const WebFrame& frame, const std::vector<std::string>& rows,
               std::vector<WebFile>& files)
{
    const WebTexts& t = webTexts(frame.language);
    auto title = [&](const std::string& what) { return frame.meeting.empty() ? what : frame.meeting + " - " + what; };

    HtmlWriter list;
    webPageStart(list, frame, title(t.teams), "teams.html");
    list.element("h1", t.teams).open("ul", " class=\"teams\"");
    for (const WebTeamEntry& team : index.teams()) {
        list.open("li").element("a", teamText(team.name, team.abbreviation), attribute("href", team.file));
        std::string about = std::to_string(team.athletes.size()) + " " + t.athletes;
        if (!team.relays.empty())
            about += ", " + std::to_string(team.relays.size()) + " " + t.relays;
        list.raw("<span class=\"sep\">, </span>").element("span", about, " class=\"about\"").close("li");
    }
    list.close("ul");
    webPageEnd(list, frame);
    files.push_back({"teams.html", list.take()});

    RaceRows relayRows;
    for (const WebTeamEntry& team : index.teams()) {
        HtmlWriter w;
        const std::string heading = teamText(team.name, team.abbreviation);
        webPageStart(w, frame, title(heading), "teams.html");
        w.element("h1", heading);
        if (!team.relays.empty()) {
            w.element("h2", t.relays);
            racesHead(w, t);
            w.open("tbody");
            relayRows.write(w, team.relays);
            w.close("tbody").close("table").raw("\n");
        }
        w.element("h2", t.athletes);
        if (team.athletes.empty())
            w.element("p", t.noAthletes, " class=\"none\"");
        else {
            racesHead(w, t);
            for (const WebCompetitor* who : team.athletes)
                competitor(w, *who, t, std::string(), false, rows[static_cast<size_t>(who - index.athletes().data())]);
            w.close("table").raw("\n");
        }
        webPageEnd(w, frame);
        files.push_back({team.file, w.take()});
    }
}

} // namespace

std::vector<WebFile> athletesAndTeamsPages(const WebAthleteIndex& index, const WebFrame& frame)
{
    const auto rows = raceRowsOf(index);
    std::vector<WebFile> files;
    athletesPages(index, frame, rows, files);
    teamPages(index, frame, rows, files);
    return files;
}

} // namespace dravik::printing
