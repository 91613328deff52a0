// SPDX-License-Identifier: GPL-3.0-or-later
// Renumber and the four display orders on a 5,000-row programme grid, against
// std::stable_sort of a vector of the same keys as tuples, measured in the same
// run. Prints the ratios.
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/Ordering.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace dravik;

namespace {

using Clock = std::chrono::steady_clock;

double timed(const std::function<void()>& body)
{
    auto t0 = Clock::now();
    body();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// One case: the key-tuple sort and the grid operation, each after an untimed
// preparation, run by turns; the best time of each is kept, so that load from
// other processes touches both alike.
struct Pair {
    std::function<void()> prepareBaseline, baseline, prepareSubject, subject;
};

std::pair<double, double> bestOfPairs(int runs, const Pair& p)
{
    double b = 1e30, s = 1e30;
    for (int i = 0; i < runs; ++i) {
        p.prepareBaseline();
        b = std::min(b, timed(p.baseline));
        p.prepareSubject();
        s = std::min(s, timed(p.subject));
    }
    return {b, s};
}

// A meeting's programme in no particular order: numbers with sub letters now and
// then, both genders, ages 6 to 19, twelve events (a quarter with a note), three days.
GridModel programme(int rows)
{
    static const char* events[] = {"100 m",     "200 m", "400 m",  "800 m",   "1500 m", "Long Jump",
                                   "High Jump", "Shot",  "Discus", "Javelin", "Relay",  "Hurdles"};
    std::mt19937 rng(20260314);
    GridModel grid;
    setupProgrammeGrid(grid, Language::English);
    int number = 0;
    for (int r = 0; r < rows; ++r) {
        bool shared = r > 0 && rng() % 6 == 0;
        if (!shared)
            ++number;
        std::vector<std::string> cells(pcol::Count);
        cells[pcol::Number] = std::to_string(number);
        cells[pcol::Sub] = shared ? "b" : (rng() % 6 == 0 ? "a" : "");
        char time[6];
        std::snprintf(time, sizeof time, "%02d:%02d", 8 + (r / 60) % 12, r % 60);
        cells[pcol::Time] = time;
        cells[pcol::Gender] = rng() % 2 ? "Male" : "Female";
        cells[pcol::Age] = std::to_string(6 + rng() % 14);
        std::string event = events[rng() % 12];
        if (rng() % 4 == 0)
            event += " - Open";
        cells[pcol::Event] = event;
        cells[pcol::Level] = levelTexts(Language::English)[rng() % 11];
        cells[pcol::Point] = rng() % 3 == 0 ? "A" : "";
        cells[pcol::Position] = std::to_string(r);
        cells[pcol::Definition] = std::to_string(1000 + rng() % 600);
        cells[pcol::Entry] = " ";
        cells[pcol::HE] = "E";
        cells[pcol::Event2] = event;
        cells[pcol::Wind] = "0";
        cells[pcol::English] = event;
        cells[pcol::Day] = std::to_string(1 + rng() % 3);
        grid.addRow(std::move(cells));
    }
    // Shuffle the rows, as a moved and sorted programme would be.
    std::vector<int> order(rows);
    for (int i = 0; i < rows; ++i)
        order[i] = i + 1;
    std::shuffle(order.begin(), order.end(), rng);
    GridModel shuffled;
    setupProgrammeGrid(shuffled, Language::English);
    for (int r : order)
        shuffled.addRow(grid.rowCells(r));
    return shuffled;
}

// The keys of one order for every programme row, as tuples, with the row number last.
template <typename Tuple, typename Make>
std::vector<Tuple> keysOf(const GridModel& grid, Make make)
{
    std::vector<Tuple> keys;
    keys.reserve(grid.rows() - 1);
    for (int r = 1; r < grid.rows(); ++r)
        keys.push_back(make(grid.rowCells(r), r));
    return keys;
}

// The grid operation against a stable sort of the rows' key tuples.
template <typename Tuple, typename Make>
std::pair<double, double> againstKeys(int runs, const GridModel& original, Make make,
                                      const std::function<void(GridModel&)>& operation)
{
    const std::vector<Tuple> source = keysOf<Tuple>(original, make);
    std::vector<Tuple> keys;
    GridModel grid;
    return bestOfPairs(runs, {[&] { keys = source; }, [&] { std::stable_sort(keys.begin(), keys.end()); },
                              [&] { grid = original; }, [&] { operation(grid); }});
}

double number(const std::string& text)
{
    return textToNumber(text);
}

} // namespace

int main()
{
    const int rows = 5000;
    const int runs = 41;
    const GridModel shuffled = programme(rows);
    // Renumbering follows the shown order, so it runs on the programme in number order.
    GridModel numbered = shuffled;
    sortProgramme(numbered, DisplayOrder::Number);

    using C = std::vector<std::string>;
    auto numberKeys = [](const C& c, int r) { return std::make_tuple(number(c[pcol::Number]), c[pcol::Sub], r); };
    auto dayKeys = [](const C& c, int r) {
        return std::make_tuple(number(c[pcol::Day]), number(c[pcol::Number]), c[pcol::Sub], r);
    };
    auto eventKeys = [](const C& c, int r) { return std::make_tuple(c[pcol::Event], r); };
    auto genderAgeKeys = [](const C& c, int r) { return std::make_tuple(c[pcol::Gender], number(c[pcol::Age]), r); };
    auto genderAgeEventKeys = [](const C& c, int r) {
        return std::make_tuple(c[pcol::Gender], number(c[pcol::Age]), c[pcol::Event], r);
    };
    auto renumber = [](RenumberRequest request) { return [request](GridModel& g) { renumberProgramme(g, request); }; };
    auto sortBy = [](DisplayOrder order) { return [order](GridModel& g) { sortProgramme(g, order); }; };

    RenumberRequest all, keep, range{false, 1000, 3000, 5000, true};
    keep.keepSubNumbers = true;
    using NumberKeys = std::tuple<double, std::string, int>;
    struct Result {
        const char* name;
        std::pair<double, double> times;
    };
    const Result results[] = {
        {"renumber all", againstKeys<NumberKeys>(runs, numbered, numberKeys, renumber(all))},
        {"renumber all, keep subs", againstKeys<NumberKeys>(runs, numbered, numberKeys, renumber(keep))},
        {"renumber range, keep subs", againstKeys<NumberKeys>(runs, numbered, numberKeys, renumber(range))},
        {"order Number", againstKeys<std::tuple<double, double, std::string, int>>(runs, shuffled, dayKeys,
                                                                                   sortBy(DisplayOrder::Number))},
        {"order Event",
         againstKeys<std::tuple<std::string, int>>(runs, shuffled, eventKeys, sortBy(DisplayOrder::Event))},
        {"order Gender/Age", againstKeys<std::tuple<std::string, double, int>>(runs, shuffled, genderAgeKeys,
                                                                               sortBy(DisplayOrder::GenderAge))},
        {"order Gen/Age/Event", againstKeys<std::tuple<std::string, double, std::string, int>>(
                                    runs, shuffled, genderAgeEventKeys, sortBy(DisplayOrder::GenderAgeEvent))},
    };

    std::printf("rows: %d, best of %d\n", rows, runs);
    for (const Result& r : results)
        std::printf("%-26s key tuples %.3f ms, grid %.3f ms, ratio %.2f (goal <= 3)\n", r.name, r.times.first,
                    r.times.second, r.times.second / r.times.first);
    return 0;
}
