// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "generator/Schedule.h"
#include "generator/WorkingList.h"
#include "programme/ProgrammeSave.h"

#include <string>

namespace dravik {

class GridModel;
class RecordSet;
struct EventReference;

// What "Skep Program" made of the working list.
struct ScheduleReport {
    int rows = 0;
    // The first row (1-based) whose start time runs past 23:59, 0 when none does.
    int firstRowPastMidnight = 0;
    std::string firstTimePastMidnight;
    // "The schedule runs past 23:59 ..." naming that row; empty when none does.
    std::string warning(Language lang = Language::English) const;
};

// One generator run over the working list flxNLys: the summary that "Lees Items"
// computed, and whether "Skep Program" has scheduled the list since the last
// "Lees Items" or "Skraap Item". The window and `dravik generate` both go this
// way, so they number and time the same list alike, and neither can store a
// list that was never scheduled.
class GeneratorRun {
public:
    explicit GeneratorRun(GridModel& flxNLys) : list_(flxNLys) {}

    // "Lees Items".
    WorkingListSummary readItems(RecordSet& atld37, const EventReference& ref, const GridModel& flxNBane);
    // "Skraap Item": the list must be scheduled again before it is stored.
    bool removeCurrentItem();
    // "Skep Program" with the summary of the last "Lees Items".
    ScheduleReport createProgramme(const std::string& start);
    // "Dra oor": replaces the stored programme with the scheduled list. Throws
    // GeneratorError, with nothing changed, when the list is empty, was not
    // scheduled or runs past 23:59, and ProgrammeError for a row the store refuses.
    int transfer(RecordSet& atld40, Language lang, const ProgrammeRules& rules);
    // Throws the GeneratorError that transfer() would, before anything is asked or changed.
    void checkReadyToTransfer() const;

    bool scheduled() const { return scheduled_; }
    const ScheduleSummary& summary() const { return summary_; }

private:
    GridModel& list_;
    ScheduleSummary summary_;
    ScheduleReport report_;
    bool read_ = false;
    bool scheduled_ = false;
};

} // namespace dravik
