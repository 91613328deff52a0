#include "printing/WebSite.h"

#include "printing/RecordsReport.h"
#include "printing/WebPage.h"

namespace dravik::printing {

WebSite buildWebSite(const PrintSources& src, PrintOptions& options, const WebLogo& logo,
                     const WebRecordSet* recordSet)
{
    WebSite site;
    const WebProgramme page = buildWebProgramme(src, options);
    site.events = page.eventCount();
    site.records = options.records;

    Document report;
    bool withReport = false;
    if (recordSet && recordSet->flxRek) {
        RecordsReportOptions o;
        o.language = options.language;
        o.ticked.fill(true);
        o.setName = recordSet->name;
        o.setSymbol = recordSet->symbol;
        withReport = PrintRecordsReport(report, *recordSet->flxRek, o) && !report.tables().empty() &&
                     !report.tables().front()->rows.empty();
    }
    site.files.push_back({"index.html", programmePageHtml(page, logo, withReport)});
    if (withReport)
        site.files.push_back({"records.html", recordsPageHtml(page, report, logo)});
    return site;
}

} // namespace dravik::printing
