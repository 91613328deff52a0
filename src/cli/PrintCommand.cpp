// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "printing/DocumentEdit.h"
#include "printing/Printouts.h"
#include "printing/ProgrammeDocument.h"
#include "printing/RecordsReport.h"
#include "programme/Ordering.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"
#include "records/RecordSetList.h"
#include "render/DocumentFiles.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <stdexcept>

namespace dravik::cli {

namespace {

// The position of `value` among `choices`, or a message that lists them.
template <std::size_t N>
int choose(const std::string& option, const std::string& value, const char* const (&choices)[N])
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (value == choices[i])
            return static_cast<int>(i);
        list += (i ? (i + 1 == N ? " or " : ", ") : "") + std::string(choices[i]);
    }
    throw std::invalid_argument("Unknown " + option + " \"" + value + "\": use " + list + ".");
}

printing::PrintOptions printOptions(const PrintCommandOptions& o, Language lang)
{
    printing::PrintOptions p;
    p.language = lang;
    const char* const kinds[] = {"standard", "gate", "records", "analysis"};
    int kind = choose("--what", o.what, kinds);
    p.kind = static_cast<printing::ProgrammeKind>(kind == 1 ? 1 : 0);
    const char* const records[] = {"none", "values", "all"};
    p.records = static_cast<printing::RecordsIncluded>(choose("--records", o.records, records));
    const char* const dates[] = {"none", "full", "year"};
    p.recordDate = static_cast<printing::RecordDate>(choose("--record-date", o.recordDate, dates));
    const char* const names[] = {"none", "entry", "draw"};
    p.names = static_cast<printing::GateNames>(choose("--names", o.names, names));
    p.nameStyle = o.initials ? printing::NameStyle::Initials : printing::NameStyle::FullName;
    p.alternativeLanguage = o.altLanguage;
    p.ids = o.ids;

    if (o.day != 0 && (o.day < 1 || o.day > 3))
        throw std::invalid_argument("--day " + std::to_string(o.day) + " is not a day of the meeting: use 1, 2 or 3.");
    if (!o.set.empty())
        throw std::invalid_argument("--set chooses the record set of --what records or analysis; a programme "
                                    "shows the records of the active sets.");
    p.allDays = o.day == 0;
    p.day = o.day == 0 ? 1 : o.day;
    checkPrintFont(o.font);
    p.fontSize = o.font;
    if (o.results != 3 && o.results != 6 && o.results != 9)
        throw std::invalid_argument("--results " + std::to_string(o.results) + ": use 3, 6 or 9.");
    p.resultLines = o.results;
    return p;
}

DisplayOrder displayOrder(const std::string& order)
{
    const char* const orders[] = {"number", "event", "gender-age", "gender-age-event"};
    return static_cast<DisplayOrder>(choose("--order", order, orders));
}

// The events a programme printout printed: one table row each.
std::size_t printedEvents(const printing::Document& doc)
{
    std::size_t n = 0;
    for (const printing::Table* t : doc.tables())
        n += t->rows.size();
    return n;
}

} // namespace

void checkPrintFont(double font)
{
    // The Print tab offers 6 to 16 points.
    if (!(font >= 6 && font <= 16) || std::floor(font) != font) {
        char typed[32];
        const auto end = std::to_chars(typed, typed + sizeof typed, font).ptr;
        throw std::invalid_argument("--font " + std::string(typed, end) + " is no print size: use 6 to 16 points.");
    }
}

int writeDocumentFile(const printing::Document& doc, const std::string& path, std::ostream& out, std::ostream& err)
{
    try {
        render::writeOdt(doc, path);
        out << "Wrote " << path << ".\n";
        return 0;
    } catch (const std::exception& e) {
        err << "dravik print: the document file was not written: " << e.what() << "\n";
        return 1;
    }
}

namespace {

// The records report of one set: the set displayed as the Records tab displays it,
// then printed with the chosen columns.
int printRecords(const std::string& dir, const PrintCommandOptions& o, std::ostream& out, std::ostream& err)
{
    const Language lang = parseLanguage(o.lang);
    checkPrintFont(o.font);
    printing::RecordsReportOptions report;
    report.language = lang;
    report.fontSize = o.font;
    report.ticked = printing::parseRecordsColumns(o.columns);
    const std::optional<std::int64_t> reference = wholeNumber(o.set);
    if (o.set.empty())
        throw std::invalid_argument("--set REF is required with --what records: the reference of a record set "
                                    "(dravik records DIR lists them).");
    if (!reference)
        throw std::invalid_argument("--set " + o.set +
                                    " is not a record set: give the reference number of one "
                                    "(dravik records DIR lists them).");
    if (o.pdf.empty())
        throw std::invalid_argument("--pdf FILE is required: the file the pages are written to.");

    render::GuiSession gui;
    auto store = DataStore::open(dir);
    std::optional<RecordSetChoice> set;
    for (const RecordSetEntry& e : readRecordSetList(store->atld61()).all)
        if (wholeNumber(e.verw) == reference)
            set = RecordSetChoice{*reference, e.naam, e.simb};
    if (!set)
        throw std::invalid_argument("There is no record set " + o.set + " (dravik records DIR lists them).");
    store->atld00().moveFirst();
    const MeetingDetails meeting = LoadMeetingDetails(store->atld00());
    GridModel flxRek;
    DisplayRecordSet(flxRek, *store, meeting, *set, lang);
    report.setName = set->name;
    report.setSymbol = set->symbol;
    report.documentFile = printing::documentPathFor(store->folders(), printing::PrintWhat::Records);
    printing::Document doc;
    if (!printing::PrintRecordsReport(doc, flxRek, report))
        throw std::invalid_argument("The record set " + o.set + " lists no events to print.");
    render::writePdf(doc, o.pdf);
    out << "Wrote " << o.pdf << " (record set " << set->name << ").\n";
    return writeDocumentFile(doc, report.documentFile, out, err);
}

} // namespace

int runPrintCommand(const std::string& dir, const PrintCommandOptions& o, std::ostream& out, std::ostream& err)
{
    if (o.what == "records")
        return printRecords(dir, o, out, err);
    if (o.what == "analysis")
        return runPrintAnalysis(dir, o, out, err);
    // Every option is checked before anything is opened or written.
    const Language lang = parseLanguage(o.lang);
    printing::PrintOptions options = printOptions(o, lang);
    const DisplayOrder order = displayOrder(o.order);
    if (o.pdf.empty())
        throw std::invalid_argument("--pdf FILE is required: the file the pages are written to.");

    render::GuiSession gui;
    auto store = DataStore::open(dir);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    store->atld00().moveFirst();
    const MeetingDetails meeting = LoadMeetingDetails(store->atld00());

    // The programme grid as the window shows it, in the chosen print order.
    GridModel grid;
    setupProgrammeGrid(grid, lang);
    loadProgrammeGrid(store->atld40(), ref, lang, grid);
    sortProgramme(grid, order);

    const std::string documentFile = printing::programmeDocumentPath(store->folders());
    printing::PrintSources sources{grid, ref, meeting, *store, store->programFolder() + "Own.bmp", documentFile};
    printing::PrintState state;
    printing::Document doc;
    printing::printProgramme(doc, sources, options, state);

    render::writePdf(doc, o.pdf);
    out << "Wrote " << o.pdf << " (" << printedEvents(doc) << " events).\n";
    if (o.records != "none" && options.records == printing::RecordsIncluded::None)
        out << "No record set is active: the records were left out.\n";
    return writeDocumentFile(doc, doc.exportFile().empty() ? documentFile : doc.exportFile(), out, err);
}

} // namespace dravik::cli
