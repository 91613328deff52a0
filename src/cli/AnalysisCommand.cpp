// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "analysis/Analysis.h"
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "printing/AnalysisReport.h"
#include "printing/DocumentEdit.h"
#include "programme/ProgrammeRow.h"
#include "records/RecordGrid.h"
#include "records/RecordSetEditor.h"
#include "records/RecordSetList.h"
#include "render/DocumentFiles.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace dravik::cli {

namespace {

AnalysisOrder analysisOrder(const std::string& text)
{
    if (text == "events")
        return AnalysisOrder::Events;
    if (text == "number")
        return AnalysisOrder::Number;
    throw std::invalid_argument("Unknown order \"" + text + "\": use events or number.");
}

// The analysis as the Analyze tab reads it: the stored programme as the grid
// loads it and, with a set reference, that set displayed as the Records tab does.
struct Analysis {
    std::unique_ptr<DataStore> store;
    GridModel grid;
    AnalysisResult result;
};

Analysis analyse(const std::string& dir, const std::string& setReference, AnalysisOrder order, Language lang)
{
    std::optional<std::int64_t> reference;
    if (!setReference.empty()) {
        reference = wholeNumber(setReference);
        if (!reference)
            throw std::invalid_argument("The set reference \"" + setReference + "\" is not a whole number.");
    }

    Analysis a;
    a.store = DataStore::open(dir);
    DataStore& store = *a.store;
    const EventReference ref = loadEventReference(store.atld10(), store.atld19(), store.atld11(), store.atld18());
    GridModel flxProg;
    setupProgrammeGrid(flxProg, lang);
    loadProgrammeGrid(store.atld40(), ref, lang, flxProg);

    GridModel flxRek;
    std::optional<DisplayedRecords> displayed;
    if (reference) {
        std::optional<RecordSetChoice> set;
        for (const RecordSetEntry& e : readRecordSetList(store.atld61()).all)
            if (!set && wholeNumber(e.verw) == reference)
                set = RecordSetChoice{*reference, e.naam, e.simb};
        if (!set)
            throw std::invalid_argument("There is no record set " + setReference + " (dravik records DIR lists them).");
        store.atld00().moveFirst();
        const MeetingDetails meeting = LoadMeetingDetails(store.atld00());
        DisplayRecordSet(flxRek, store, meeting, *set, lang);
        displayed.emplace(DisplayedRecords{flxRek, *set});
    }

    setupAnalysisGrid(a.grid, lang);
    const AnalysisSources sources{flxProg, ref.definitions, store, displayed ? &*displayed : nullptr};
    a.result = readAnalysis(a.grid, sources, lang, AnalysisLabels{}, order);
    return a;
}

} // namespace

int runAnalysisCommand(const std::string& dir, const std::string& setReference, const std::string& order, Language lang,
                       std::ostream& out)
{
    const AnalysisOrder sortOrder = analysisOrder(order);
    const Analysis a = analyse(dir, setReference, sortOrder, lang);
    const AnalysisTexts& t = analysisTexts(lang);
    const AnalysisLabels& l = a.result.labels;
    out << t.events << " " << l.lblItms << "\n";
    out << t.athletes << " " << l.lblAtl << "\n";
    out << t.participants << " " << l.lblDeel << (l.lblGem.empty() ? "" : " " + l.lblGem) << "\n";
    out << t.eventsWithRecords << " " << l.lblRek << "\n";
    if (!l.lblReks.empty())
        out << l.lblReks << "\n";
    if (!a.result.read) {
        out << "The programme has no events.\n";
        return 0;
    }
    out << "\n";
    for (int r = 0; r < a.grid.rows(); ++r)
        out << a.grid.rowText(r) << "\n";
    return 0;
}

int runPrintAnalysis(const std::string& dir, const PrintCommandOptions& o, std::ostream& out, std::ostream& err)
{
    // Every option is checked before anything is opened or written.
    const Language lang = parseLanguage(o.lang);
    const AnalysisOrder order = analysisOrder(o.analysisOrder);
    checkPrintFont(o.font);
    if (o.pdf.empty())
        throw std::invalid_argument("--pdf FILE is required: the file the pages are written to.");

    render::GuiSession gui;
    Analysis a = analyse(dir, o.set, order, lang);
    if (!a.result.read)
        throw std::invalid_argument("The programme has no events: there is no analysis to print.");
    printing::AnalysisPrintOptions options;
    options.language = lang;
    options.fontSize = o.font;
    options.ownLogoFile = a.store->programFolder() + "Own.bmp";
    options.documentFile = printing::documentPathFor(a.store->folders(), printing::PrintWhat::Analysis);
    printing::Document doc;
    printing::PrintAnalysis(doc, a.grid, a.result.labels, options);
    render::writePdf(doc, o.pdf);
    out << "Wrote " << o.pdf << " (" << a.result.events << " events).\n";
    // Failing to write the document file does not undo the PDF.
    return writeDocumentFile(doc, options.documentFile, out, err);
}

} // namespace dravik::cli
