#pragma once
#include "printing/Printouts.h"
#include "printing/WebFolder.h"
#include "printing/WebPageHtml.h"

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
    std::vector<WebFile> files; // index.html, and records.html when a set with records was given
    size_t events = 0;
    RecordsIncluded records = RecordsIncluded::None; // what the programme shows
};

// The pages of the web page folder: the programme with its start lists (see
// buildWebProgramme) and, for a record set, its records report with every column.
WebSite buildWebSite(const PrintSources& src, PrintOptions& options, const WebLogo& logo,
                     const WebRecordSet* recordSet = nullptr);

} // namespace dravik::printing
