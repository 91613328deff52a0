// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebAthletes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dravik;
using namespace dravik::printing;

// A meeting too large for one athletes page is split at whole athletes, and every
// page leads to every other: a parent on page 1 can reach the athlete on page 2.
TEST(WebAthletes, LongListsAreSplitIntoPagesThatLeadToEachOther)
{
    WebProgramme page;
    page.days.push_back({1, "Day: 1", {}});
    WebEvent event;
    event.anchor = "d1-1";
    event.cells = {"1", "08:00", "Boys - 12", "100 m", "", "Finaal"};
    event.heats.push_back({"", {}});
    // Some 2,500 athletes: more than one page holds, less than two.
    for (int i = 1; i <= 2500; ++i) {
        const std::string name = "Surname" + std::to_string(10000 + i) + ", Name";
        event.heats[0].entrants.push_back({std::to_string(i), name, "", "", 1000.0 + i});
    }
    page.days[0].events.push_back(event);
    const std::vector<WebDayPlace> places{{"index.html", "Sat 14 Mar"}};
    EntrantNames names;
    WebAthleteIndex index(page, places, names);
    const std::vector<WebFile> files = athletesAndTeamsPages(index, WebFrame{});

    std::vector<std::string> athletePages;
    for (const WebFile& f : files)
        if (f.name.rfind("athletes", 0) == 0)
            athletePages.push_back(f.name);
    ASSERT_EQ(athletePages, (std::vector<std::string>{"athletes.html", "athletes-2.html"}));
    for (const WebFile& f : files) {
        if (f.name.rfind("athletes", 0) != 0)
            continue;
        SCOPED_TRACE(f.name);
        EXPECT_NE(f.content.find("<nav class=\"pages\""), std::string::npos);
        EXPECT_NE(f.content.find("href=\"athletes.html\""), std::string::npos);
        EXPECT_NE(f.content.find("href=\"athletes-2.html\""), std::string::npos);
        EXPECT_LT(f.content.size(), 600u * 1024);
    }
    // Each athlete on exactly one page.
    const std::string last = "Surname12500";
    EXPECT_EQ(std::count_if(files.begin(), files.end(),
                            [&](const WebFile& f) {
                                return f.name.rfind("athletes", 0) == 0 &&
                                       f.content.find("<b>" + last) != std::string::npos;
                            }),
              1);
}
