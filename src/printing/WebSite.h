// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Printouts.h"
#include "printing/WebFolder.h"
#include "printing/WebPageHtml.h"

#include <ctime>
#include <string>
#include <vector>

namespace dravik {
class GridModel;
}

namespace dravik::printing {

// The record set whose records report becomes records.html: its records as the
// record grid flxRek shows them after Display.
struct WebRecordSet {
    const GridModel* flxRek = nullptr;
    std::string name, symbol;
};

struct WebSite {
    // index.html (the start page; the programme itself for a meeting of one day),
    // day1.html ... for a meeting of more days, athletes.html (and athletes-2.html
    // ... for a long list), teams.html and team-N.html, programme.ics, the logo,
    // and records.html when a set with records was given.
    std::vector<WebFile> files;
    size_t events = 0;
    RecordsIncluded records = RecordsIncluded::None; // what the programme shows
    bool recordsPage = false;
};

// The web site of the programme with its start lists (see buildWebProgramme):
// a page per day, the athletes and teams turned round from the start lists, the
// calendar and, for a record set, its records report with every column. Every
// page says when it was `published`.
WebSite buildWebSite(const PrintSources& src, PrintOptions& options, const WebLogo& logo,
                     const WebRecordSet* recordSet = nullptr, std::time_t published = std::time(nullptr));

} // namespace dravik::printing
