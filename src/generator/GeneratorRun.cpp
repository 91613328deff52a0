// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/GeneratorRun.h"

#include "generator/GeneratorError.h"
#include "generator/ProgrammeTransfer.h"
#include "platform/GridModel.h"

#include <cctype>

namespace dravik {

namespace {

// Hours of an "hh:mm" start time; -1 when the text is no such time.
int hoursOf(const std::string& time)
{
    auto colon = time.find(':');
    if (colon == std::string::npos || colon == 0)
        return -1;
    int hours = 0;
    for (size_t i = 0; i < colon; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(time[i])) || hours > 100000)
            return -1;
        hours = hours * 10 + (time[i] - '0');
    }
    return hours;
}

} // namespace

std::string ScheduleReport::warning(Language lang) const
{
    if (firstRowPastMidnight == 0)
        return {};
    if (!isEnglish(lang))
        return "Die skedule loop verby 23:59: ry " + std::to_string(firstRowPastMidnight) + " begin om " +
               firstTimePastMidnight +
               ". Begin die byeenkoms vroeer of versprei die items oor meer dae voordat hierdie program gestoor "
               "word.";
    return "The schedule runs past 23:59: row " + std::to_string(firstRowPastMidnight) + " starts at " +
           firstTimePastMidnight +
           ". Start the meeting earlier or spread the events over more days before storing this programme.";
}

WorkingListSummary GeneratorRun::readItems(RecordSet& atld37, const EventReference& ref, const GridModel& flxNBane)
{
    WorkingListSummary found = dravik::readItems(list_, atld37, ref, flxNBane);
    summary_ = ScheduleSummary{found.roundLength, static_cast<double>(found.rounds)};
    read_ = true;
    scheduled_ = false;
    return found;
}

bool GeneratorRun::removeCurrentItem()
{
    bool removed = dravik::removeCurrentItem(list_);
    if (removed)
        scheduled_ = false;
    return removed;
}

ScheduleReport GeneratorRun::createProgramme(const std::string& start)
{
    if (!read_)
        throw GeneratorError("The working list has not been read; press \"Lees Items\" first.",
                             GeneratorError::Kind::NotRead);
    ScheduleReport report;
    report.rows = dravik::createProgramme(list_, start, summary_);
    scheduled_ = true;
    report_ = {};
    for (int r = 1; r < list_.rows(); ++r) {
        const std::string& time = list_.cell(r, ncol::Time);
        if (hoursOf(time) >= 24) {
            report.firstRowPastMidnight = r;
            report.firstTimePastMidnight = time;
            break;
        }
    }
    report_ = report;
    return report;
}

int GeneratorRun::transfer(RecordSet& atld40, Language lang, const ProgrammeRules& rules)
{
    checkReadyToTransfer();
    return transferWorkingList(list_, lang, rules, atld40);
}

void GeneratorRun::checkReadyToTransfer() const
{
    if (!read_ || list_.rows() <= 1)
        throw GeneratorError("The working list is empty: press \"Lees Items\" to read the entries, then "
                             "\"Skep Program\". The stored programme was left as it is.",
                             GeneratorError::Kind::EmptyList);
    if (!scheduled_)
        throw GeneratorError("The working list has not been scheduled: press \"Skep Program\" first. "
                             "The stored programme was left as it is.",
                             GeneratorError::Kind::NotScheduled);
    if (report_.firstRowPastMidnight > 0)
        throw GeneratorError(report_.warning() + " The stored programme was left as it is.",
                             GeneratorError::Kind::PastMidnight,
                             {std::to_string(report_.firstRowPastMidnight), report_.firstTimePastMidnight});
}

} // namespace dravik
