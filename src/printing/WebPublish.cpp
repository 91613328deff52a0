// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebPublish.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"
#include "records/RecordSetList.h"

#include <stdexcept>

namespace dravik::printing {

WebPublished publishStoredSite(DataStore& store, const std::string& folder, const WebPublishRequest& request,
                               const WebLogo& logo)
{
    PrintOptions options;
    options.language = request.language;
    options.records = request.records;
    options.allDays = request.day == 0;
    options.day = request.day == 0 ? 1 : request.day;

    const EventReference ref = loadEventReference(store.atld10(), store.atld19(), store.atld11(), store.atld18());
    store.atld00().moveFirst();
    const MeetingDetails meeting = LoadMeetingDetails(store.atld00());
    GridModel grid;
    setupProgrammeGrid(grid, options.language);
    loadProgrammeGrid(store.atld40(), ref, options.language, grid);

    WebPublished published;
    GridModel flxRek;
    std::optional<WebRecordSet> recordSet;
    if (request.recordSet || request.firstActiveSet) {
        for (const RecordSetEntry& e : readRecordSetList(store.atld61()).all) {
            const std::optional<std::int64_t> reference = wholeNumber(e.verw);
            const bool chosen = request.recordSet ? reference == request.recordSet : e.active && reference;
            if (chosen && !recordSet) {
                DisplayRecordSet(flxRek, store, meeting, RecordSetChoice{*reference, e.naam, e.simb}, options.language);
                recordSet = WebRecordSet{&flxRek, e.naam, e.simb};
                published.recordSetName = e.naam;
            }
        }
        if (request.recordSet && !recordSet)
            throw std::invalid_argument("There is no record set " + std::to_string(*request.recordSet) +
                                        " (dravik records DIR lists them).");
    }

    PrintSources sources{grid, ref, meeting, store, store.programFolder() + "Own.bmp", ""};
    published.site = buildWebSite(sources, options, logo, recordSet ? &*recordSet : nullptr);
    writeWebFolder(folder, published.site.files);
    return published;
}

} // namespace dravik::printing
