#pragma once
#include "printing/Document.h"
#include "printing/WebPage.h"

#include <string>

namespace dravik::printing {

// The printed pages' logo as the web page embeds it; empty bytes: no logo.
struct WebLogo {
    std::string type = "image/png";
    std::string bytes;
};

// index.html: the meeting, then each day's events, every event a <details> whose
// summary is the programme row and whose body is its start list. With
// `recordsPage` the page links to records.html.
std::string programmePageHtml(const WebProgramme& page, const WebLogo& logo, bool recordsPage);

// records.html: the records report (its paragraphs and its table) under the same
// meeting heading, linking back to the programme.
std::string recordsPageHtml(const WebProgramme& page, const Document& report, const WebLogo& logo);

} // namespace dravik::printing
