// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/Schedule.h"

#include "data/EventKind.h"
#include "generator/GeneratorError.h"
#include "generator/WorkingList.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

#include <cmath>

namespace dravik {

namespace {

double numberAt(const GridModel& g, int row, int col)
{
    return textToNumber(g.cell(row, col));
}

bool isFieldRow(const GridModel& g, int row)
{
    double kind = numberAt(g, row, ncol::Kind);
    return kind == std::floor(kind) && std::abs(kind) < 1000 && isFieldKind(static_cast<int>(kind));
}

bool hasNumber(const GridModel& g, int row)
{
    return numberAt(g, row, ncol::Number) > 0;
}

} // namespace

ScheduleSummary readScheduleSummary(const GridModel& flxNLys)
{
    ScheduleSummary s;
    if (flxNLys.cols() <= ncol::Time)
        return s;
    if (nsummary::RoundLength < flxNLys.rows())
        s.roundLength = numberAt(flxNLys, nsummary::RoundLength, ncol::Time);
    if (nsummary::RoundCount < flxNLys.rows())
        s.rounds = numberAt(flxNLys, nsummary::RoundCount, ncol::Time);
    return s;
}

void numberWorkingList(GridModel& g, double roundLength, double rounds)
{
    const int last = g.rows() - 1;
    int firstField = 0;
    for (int r = 1; r <= last && firstField == 0; ++r)
        if (isFieldRow(g, r))
            firstField = r;
    if (!(roundLength > 0))
        rounds = 0;
    // The track stream is the races before the first field row, so that a short
    // field event is never placed a second time in a track slot.
    const int lastTrack = firstField > 0 ? firstField - 1 : last;

    g.beginUpdate();
    int p = 1;
    auto give = [&](int row) { g.setCell(row, ncol::Number, std::to_string(p++)); };
    int t = 1;
    for (int round = 0; round < rounds; ++round) {
        const int before = p;
        double lastKey = 0;
        for (int k = firstField; firstField > 0 && k <= last; ++k) {
            if (hasNumber(g, k))
                continue;
            give(k);
            double key = numberAt(g, k, ncol::NameKey);
            if (key != lastKey) {
                lastKey = key;
                continue;
            }
            // A second row of the same event: the next other event joins this round
            // at once, the rest of the run waits for a later round.
            int m = k + 1;
            while (m <= last && numberAt(g, m, ncol::NameKey) == lastKey)
                ++m;
            if (m <= last) {
                give(m);
                k = m;
            }
        }
        double minutes = 0;
        while (t <= lastTrack) {
            double d = numberAt(g, t, ncol::Minutes);
            if (minutes + d >= roundLength)
                break;
            give(t);
            minutes += d;
            ++t;
        }
        // A round that placed nothing leaves every later round the same.
        if (p == before)
            break;
    }
    for (int r = 1; r <= last; ++r)
        if (!hasNumber(g, r))
            give(r);

    g.sortRows(1, last, [](const std::vector<std::string>& a, const std::vector<std::string>& b) {
        return textToNumber(a[ncol::Number]) < textToNumber(b[ncol::Number]);
    });
    for (int r = 1; r <= last; ++r)
        g.setCell(r, ncol::Number, std::to_string(r));
    if (last >= 1)
        g.setCurrent(1, g.col());
    g.endUpdate();
}

void timeWorkingList(GridModel& g, double roundLength, MeetingClock start)
{
    MeetingClock track = start, field = start;
    bool afterField = false;
    g.beginUpdate();
    for (int r = 1; r < g.rows(); ++r) {
        if (isFieldRow(g, r)) {
            g.setCell(r, ncol::Time, field.text());
            afterField = true;
            continue;
        }
        if (afterField) {
            field.advance(roundLength > 0 ? roundLength : 0);
            afterField = false;
        }
        g.setCell(r, ncol::Time, track.text());
        track.advance(numberAt(g, r, ncol::Minutes));
    }
    g.endUpdate();
}

int createProgramme(GridModel& flxNLys, const std::string& start)
{
    MeetingClock::parse(start); // refuse a bad start time before the list is read
    if (flxNLys.cols() < ncol::Count)
        throw GeneratorError("The working list has not been read; press \"Lees Items\" first.",
                             GeneratorError::Kind::NotRead);
    return createProgramme(flxNLys, start, readScheduleSummary(flxNLys));
}

int createProgramme(GridModel& flxNLys, const std::string& start, const ScheduleSummary& summary)
{
    MeetingClock clock = MeetingClock::parse(start);
    if (flxNLys.cols() < ncol::Count)
        throw GeneratorError("The working list has not been read; press \"Lees Items\" first.",
                             GeneratorError::Kind::NotRead);
    numberWorkingList(flxNLys, summary.roundLength, summary.rounds);
    timeWorkingList(flxNLys, summary.roundLength, clock);
    return flxNLys.rows() - 1;
}

} // namespace dravik
