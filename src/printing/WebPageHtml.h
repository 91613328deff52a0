// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "printing/WebFrame.h"
#include "printing/WebPage.h"

#include <string>
#include <vector>

namespace dravik::printing {

// The printed pages' logo as the web site shows it; empty bytes: no logo.
struct WebLogo {
    std::string type = "image/png";
    std::string bytes;
};

// A day's events under `heading` (an <h1> on a page of its own, else an <h2>):
// every event a <details> whose summary is the programme row and whose body is
// its start list, open when the event is the address's target or the page is printed.
void writeEventList(HtmlWriter& w, const WebProgramme& page, const WebDay& day, const std::string& heading,
                    bool pageHeading);

// index.html of a meeting of more than one day: the days (each a link with its
// date, events and times) and the site's lists (athletes, teams, records, calendar).
std::string startPageHtml(const WebProgramme& page, const WebFrame& frame, const std::vector<WebLink>& days,
                          const std::vector<WebLink>& lists);

// A day's page `file` under its heading; index.html (a meeting of one day) also
// lists the site's lists.
std::string dayPageHtml(const WebProgramme& page, const WebDay& day, const WebFrame& frame, const std::string& file,
                        const std::string& heading, const std::vector<WebLink>& lists);

// records.html: the records report (its paragraphs and its table), a table on a
// wide screen and one card per record on a phone.
std::string recordsPageHtml(const WebProgramme& page, const Document& report, const WebFrame& frame);

} // namespace dravik::printing
