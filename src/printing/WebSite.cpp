// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebSite.h"

#include "data/DataStore.h"
#include "printing/RecordsReport.h"
#include "printing/WebAthletes.h"
#include "printing/WebCalendar.h"
#include "printing/WebDates.h"
#include "printing/WebPage.h"
#include "printing/WebStyle.h"

#include <map>

namespace dravik::printing {

namespace {

// The rows of a day that the programme interrupts by another day's rows join
// the day's first rows: a day is one page.
void joinDays(WebProgramme& page)
{
    std::vector<WebDay> joined;
    std::map<int, size_t> at;
    for (WebDay& day : page.days) {
        auto [it, added] = at.try_emplace(day.day, joined.size());
        if (added)
            joined.push_back(std::move(day));
        else
            for (WebEvent& e : day.events)
                joined[it->second].events.push_back(std::move(e));
    }
    page.days = std::move(joined);
}

std::string logoFileName(const WebLogo& logo)
{
    if (logo.bytes.empty())
        return {};
    if (logo.type == "image/jpeg")
        return "logo.jpg";
    if (logo.type == "image/png")
        return "logo.png";
    return "logo.img";
}

} // namespace

WebSite buildWebSite(const PrintSources& src, PrintOptions& options, const WebLogo& logo, const WebRecordSet* recordSet,
                     std::time_t published)
{
    WebSite site;
    WebProgramme page = buildWebProgramme(src, options);
    joinDays(page);
    site.events = page.eventCount();
    site.records = options.records;
    const WebTexts& t = webTexts(page.language);
    const MeetingDetails& meeting = src.meeting;

    Document report;
    if (recordSet && recordSet->flxRek) {
        RecordsReportOptions o;
        o.language = options.language;
        o.ticked.fill(true);
        o.setName = recordSet->name;
        o.setSymbol = recordSet->symbol;
        site.recordsPage = PrintRecordsReport(report, *recordSet->flxRek, o) && !report.tables().empty() &&
                           !report.tables().front()->rows.empty();
    }

    // Where each day is published and how it is named.
    const bool dayPages = page.days.size() > 1;
    std::vector<WebDayPlace> places;
    std::vector<std::string> headings;
    std::vector<WebLink> dayLinks;
    for (const WebDay& day : page.days) {
        const Clock::time_point date = meetingDayDate(meeting, day.day);
        const std::string dayWord = std::string(t.day) + " " + std::to_string(day.day);
        const bool numbered = meeting.days > 1;
        headings.push_back(numbered ? dayWord + ": " + longDate(t, date) : longDate(t, date));
        places.push_back({dayPages ? "day" + std::to_string(day.day) + ".html" : "index.html", shortDate(t, date)});
        dayLinks.push_back(
            {places.back().file, numbered ? dayWord + " \xC2\xB7 " + shortDate(t, date) : shortDate(t, date)});
    }

    WebFrame frame;
    frame.language = page.language;
    frame.meeting = page.meeting;
    frame.venue = page.venue;
    frame.dates = longDate(t, meeting.day1);
    if (meeting.days > 1)
        frame.dates += " - " + longDate(t, meetingDayDate(meeting, meeting.days == 2 ? 2 : 3));
    frame.logoFile = logoFileName(logo);
    frame.published = publishedLine(t, published);
    frame.bar.push_back({"index.html", dayPages ? t.start : t.programme});
    if (dayPages)
        frame.bar.insert(frame.bar.end(), dayLinks.begin(), dayLinks.end());
    frame.bar.push_back({"athletes.html", t.athletes});
    frame.bar.push_back({"teams.html", t.teams});
    if (site.recordsPage)
        frame.bar.push_back({"records.html", t.records});
    std::vector<WebLink> lists{{"athletes.html", t.athletes}, {"teams.html", t.teams}};
    if (site.recordsPage)
        lists.push_back({"records.html", t.records});
    lists.push_back({"programme.ics", t.calendar});

    if (dayPages) {
        site.files.push_back({"index.html", startPageHtml(page, frame, dayLinks, lists)});
        for (size_t d = 0; d < page.days.size(); ++d)
            site.files.push_back(
                {places[d].file, dayPageHtml(page, page.days[d], frame, places[d].file, headings[d], lists)});
    } else {
        const WebDay none;
        site.files.push_back(
            {"index.html", dayPageHtml(page, page.days.empty() ? none : page.days.front(), frame, "index.html",
                                       headings.empty() ? "" : headings.front(), lists)});
    }

    const WebAthleteIndex index(page, places, *page.names);
    for (WebFile& f : athletesAndTeamsPages(index, frame))
        site.files.push_back(std::move(f));
    site.files.push_back({"style.css", webPageStyle()});
    site.files.push_back({"programme.ics", programmeCalendar(page, meeting, places, published)});
    if (!frame.logoFile.empty())
        site.files.push_back({frame.logoFile, logo.bytes});
    if (site.recordsPage)
        site.files.push_back({"records.html", recordsPageHtml(page, report, frame)});
    return site;
}

} // namespace dravik::printing
