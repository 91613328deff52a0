// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/HtmlWriter.h"
#include "printing/WebTexts.h"

#include <string>
#include <vector>

namespace dravik::printing {

struct WebLink {
    std::string href, label;
};

// What every page of the site shares: the meeting's heading, the day bar that
// leads to every day and list, and the foot with the time of publishing.
struct WebFrame {
    Language language = Language::English;
    std::string meeting, venue, dates;
    std::string logoFile;     // "logo.png" beside the pages; "" for none
    std::vector<WebLink> bar; // start page, each day, athletes, teams, records
    std::string published;    // "Published: ..."
};

// The page up to its <main>: head (with the site's style.css, see webPageStyle), meeting heading and the day bar with
// `current` (a file name) marked as the page shown.
void webPageStart(HtmlWriter& w, const WebFrame& frame, const std::string& title, const std::string& current,
                  const std::string& mainClass = {});
// Closes <main> and writes the foot.
void webPageEnd(HtmlWriter& w, const WebFrame& frame);

} // namespace dravik::printing
