#include "cli/Commands.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "printing/WebSite.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"
#include "records/RecordSetList.h"
#include "render/WebLogo.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace dravik::cli {

namespace {

printing::RecordsIncluded recordsOption(const std::string& text)
{
    if (text == "none")
        return printing::RecordsIncluded::None;
    if (text == "values")
        return printing::RecordsIncluded::ValuesOnly;
    if (text == "all")
        return printing::RecordsIncluded::AllData;
    throw std::invalid_argument("Unknown --records \"" + text + "\": use none, values or all.");
}

} // namespace

int runPublishCommand(const std::string& dir, const PublishCommandOptions& o, std::ostream& out)
{
    // Every option is checked before anything is opened or written.
    printing::PrintOptions options;
    options.language = parseLanguage(o.lang);
    options.records = recordsOption(o.records);
    if (o.day != 0 && (o.day < 1 || o.day > 3))
        throw std::invalid_argument("--day " + std::to_string(o.day) + " is not a day of the meeting: use 1, 2 or 3.");
    options.allDays = o.day == 0;
    options.day = o.day == 0 ? 1 : o.day;
    const std::optional<std::int64_t> reference = wholeNumber(o.set);
    if (!o.set.empty() && !reference)
        throw std::invalid_argument("--set \"" + o.set + "\" is no record set reference (dravik records DIR lists them).");
    if (o.folder.empty())
        throw std::invalid_argument("FOLDER is required: the folder the web page is written to.");

    auto store = DataStore::open(dir);
    const EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    store->atld00().moveFirst();
    const MeetingDetails meeting = LoadMeetingDetails(store->atld00());
    GridModel grid;
    setupProgrammeGrid(grid, options.language);
    loadProgrammeGrid(store->atld40(), ref, options.language, grid);

    GridModel flxRek;
    std::optional<printing::WebRecordSet> recordSet;
    if (reference) {
        for (const RecordSetEntry& e : readRecordSetList(store->atld61()).all)
            if (wholeNumber(e.verw) == reference && !recordSet) {
                DisplayRecordSet(flxRek, *store, meeting, RecordSetChoice{*reference, e.naam, e.simb}, options.language);
                recordSet = printing::WebRecordSet{&flxRek, e.naam, e.simb};
            }
        if (!recordSet)
            throw std::invalid_argument("There is no record set " + o.set + " (dravik records DIR lists them).");
    }

    const std::string logoFile = store->programFolder() + "Own.bmp";
    printing::PrintSources sources{grid, ref, meeting, *store, logoFile, ""};
    const printing::WebSite site = printing::buildWebSite(sources, options, render::webLogo(logoFile),
                                                          recordSet ? &*recordSet : nullptr);
    printing::writeWebFolder(o.folder, site.files);

    const std::filesystem::path folder = std::filesystem::absolute(o.folder).lexically_normal();
    out << "Wrote " << (folder / "index.html").string() << " (" << site.events << " events, " << site.files.size()
        << " files).\n";
    if (site.recordsPage)
        out << "Wrote " << (folder / "records.html").string() << " (record set " << recordSet->name << ").\n";
    else if (recordSet)
        out << "The record set " << o.set << " holds no records: no records page was written.\n";
    if (options.records == printing::RecordsIncluded::None && o.records != "none")
        out << "No record set is active: the records were left out.\n";
    return 0;
}

} // namespace dravik::cli
