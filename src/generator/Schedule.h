// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "generator/MeetingClock.h"

#include <string>

namespace dravik {

class GridModel;

// The summary of the estimate as "Skep Program" reads it from the Time column
// of the working list: round length in row 2, round count in row 3 (0 for a
// row the list does not have).
struct ScheduleSummary {
    double roundLength = 0;
    double rounds = 0;
};
ScheduleSummary readScheduleSummary(const GridModel& flxNLys);

// Numbers the working list: each field round numbers the field rows not yet
// placed (a third row of one event name waits for the next round), then takes
// from the track stream as many races as fit strictly within one round length.
// Rows left over are numbered in list order; the rows are then sorted by
// number and renumbered 1, 2, 3, ... Row 1 becomes current.
// The track stream is the races before the first field row: it stops there,
// so a field row is never placed in a track slot. Without a round length (no
// field event) there are no rounds and the rows keep their order.
void numberWorkingList(GridModel& flxNLys, double roundLength, double rounds);

// Writes every row's start time into the Time column: field events get the
// field clock, races the track clock, which then moves on by the race's
// minutes; the field clock moves on by one round length when a race follows
// field events.
void timeWorkingList(GridModel& flxNLys, double roundLength, MeetingClock start);

// "Skep Program": checks the start time first (GeneratorError, nothing
// changed, when it is no "hh:mm"), then numbers and times the working list.
// Returns the number of data rows.
int createProgramme(GridModel& flxNLys, const std::string& start);
// The same with the summary that "Lees Items" gave. The Time column holds start
// times after a first run, and "Skraap Item" on rows 1 to 3 moves the summary up,
// so a window that kept the summary passes it here to run again safely.
int createProgramme(GridModel& flxNLys, const std::string& start, const ScheduleSummary& summary);

} // namespace dravik
