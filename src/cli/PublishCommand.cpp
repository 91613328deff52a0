// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "data/WebFolderSetting.h"
#include "printing/WebPublish.h"
#include "records/RecordSetEditor.h"
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
    const std::optional<std::int64_t> reference = wholeNumber(o.set);
    if (!o.set.empty() && !reference)
        throw std::invalid_argument("--set \"" + o.set +
                                    "\" is no record set reference (dravik records DIR lists them).");
    if (o.folder.empty())
        throw std::invalid_argument("FOLDER is required: the folder the web page is written to.");

    auto store = DataStore::open(dir);
    printing::WebPublishRequest request;
    request.language = options.language;
    request.records = options.records;
    request.recordSet = reference;
    request.day = o.day;
    const printing::WebPublished published = printing::publishStoredSite(
        *store, o.folder, request, render::webLogo(store->programFolder() + "Own.bmp"));
    const printing::WebSite& site = published.site;

    const std::filesystem::path folder = std::filesystem::absolute(o.folder).lexically_normal();
    out << "Wrote " << (folder / "index.html").string() << " (" << site.events << " events, " << site.files.size()
        << " files).\n";
    if (site.recordsPage)
        out << "Wrote " << (folder / "records.html").string() << " (record set " << published.recordSetName << ").\n";
    else if (reference)
        out << "The record set " << o.set << " holds no records: no records page was written.\n";
    if (site.records == printing::RecordsIncluded::None && o.records != "none")
        out << "No record set is active: the records were left out.\n";
    return 0;
}

int runWebFolderCommand(const std::string& dir, const std::string& folder, bool off, std::ostream& out)
{
    if (off && !folder.empty())
        throw std::invalid_argument("Give FOLDER or --off, not both.");
    auto store = DataStore::open(dir); // a suite folder, or a clear message
    if (off || !folder.empty()) {
        const std::string absolute = off ? std::string()
                                         : std::filesystem::absolute(folder).lexically_normal().string();
        writeWebFolderSetting(store->programFolder(), absolute);
    }
    const std::string now = readWebFolderSetting(store->programFolder());
    if (now.empty())
        out << "No web folder is set: Save publishes no web site.\n";
    else
        out << "Every Save publishes the web site into " << now << ".\n";
    return 0;
}

void publishAfterSave(DataStore& store, Language lang, std::ostream& out)
{
    std::string folder;
    try {
        folder = readWebFolderSetting(store.programFolder());
        if (folder.empty())
            return;
        printing::WebPublishRequest request;
        request.language = lang;
        request.firstActiveSet = true;
        const printing::WebPublished published = printing::publishStoredSite(
            store, folder, request, render::webLogo(store.programFolder() + "Own.bmp"));
        out << "Published the web site into " << folder << " (" << published.site.files.size() << " files).\n";
    } catch (const std::exception& e) {
        out << "Saved, but the web site was not published" << (folder.empty() ? "" : " into " + folder) << ": "
            << e.what() << "\n";
    }
}

} // namespace dravik::cli
