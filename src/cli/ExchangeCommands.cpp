// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ImportShrink.h"
#include "exchange/ProgrammeExport.h"
#include "exchange/ProgrammeImport.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"
#include "records/RecordSetList.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace fs = std::filesystem;

namespace dravik::cli {

namespace {

// The record set named on the command line, checked against Atld61 before
// anything is read or written.
std::optional<double> chosenRecordSet(DataStore& store, const std::string& setReference)
{
    std::string text = trimmed(setReference);
    if (text.empty())
        return std::nullopt;
    if (!isNumericText(text))
        throw ExchangeError("--set needs the reference number of a record set, not \"" + text + "\".");
    double v = textToNumber(text);
    if (v == 0)
        throw ExchangeError(kNoRecordSetChosen);
    for (const auto& set : readRecordSetList(store.atld61()).all)
        if (textToNumber(set.verw) == v)
            return v;
    throw ExchangeError("The meeting has no record set with reference " + text + " (see dravik records " +
                        store.programFolder() + ").");
}

} // namespace

int runExportCommand(const std::string& dir, const std::string& file, const std::string& setReference, Language lang,
                     std::ostream& out, bool force)
{
    auto store = DataStore::open(dir);
    std::optional<double> set = chosenRecordSet(*store, setReference);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    GridModel programme;
    setupProgrammeGrid(programme, lang);
    loadProgrammeGrid(store->atld40(), ref, lang, programme);
    if (programme.rows() < 2) {
        out << "The programme is empty: nothing was exported.\n";
        return 0;
    }
    GridModel exchange;
    setupExchangeGrid(exchange);
    readFromProgramme(programme, ref.definitions, exchange);
    int withRecords = set ? readRecords(store->atld60(), *set, exchange) : 0;

    fs::path target(file);
    const std::string typed = target.filename().string();
    if (!typed.empty() && typed.front() == '.')
        throw ExchangeError("\"" + typed + "\" starts with \".\": the file list would not show it. Give another name.");
    target = target.parent_path() / outputWorkbookName(typed);
    std::error_code ec;
    if (!force && fs::exists(target, ec))
        throw ExchangeError("\"" + target.string() + "\" already exists: give --force to replace it.");
    ExportReport report = exportWorkbook(exchange, exchangeTemplatePath(store->programFolder()), target.string());
    out << "Wrote " << report.rowsWritten << " events to \"" << report.file << "\"";
    if (set)
        out << " with the records of set " << formatNumber(*set) << " (" << withRecords << " events have one)";
    out << ".\n";
    if (report.builtInTemplate)
        out << "The suite has no " << exchangeTemplatePath(store->programFolder())
            << ": the built-in standard template was used.\n";
    if (report.rowsBeyondImport > 0)
        out << report.rowsBeyondImport << " events lie below sheet row " << scol::LastReadRow
            << " and will not be read back by an import.\n";
    return 0;
}

int runImportCommand(const std::string& dir, const std::string& file, const std::string& setReference, Language lang,
                     std::ostream& out, bool force)
{
    auto store = DataStore::open(dir);
    std::optional<double> set = chosenRecordSet(*store, setReference);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    MeetingDetails meeting = LoadMeetingDetails(store->atld00());
    GridModel exchange;
    setupExchangeGrid(exchange);
    int notRead = 0;
    ListEnd end;
    int read = 0;
    try {
        read = importWorkbook(file, ref.definitions, exchange, {}, &notRead, &end);
    } catch (const ExchangeError& e) {
        // A refused cell is told in the chosen language.
        if (e.kind() == ExchangeError::Kind::UnreadableCell || e.kind() == ExchangeError::Kind::TimeOutsideDay)
            throw ExchangeError(sheetCellErrorText(e, lang), e.kind(), e.facts());
        throw;
    }

    // Every row and record text is checked before anything is stored.
    GridModel programme;
    setupProgrammeGrid(programme, lang);
    ProgrammeWrite rows = writeToProgramme(exchange, lang, meeting.days, programme);
    if (!rows.ok())
        throw ExchangeError("\"" + file + "\", " + (isEnglish(lang) ? "sheet row " : "bladry ") +
                            std::to_string(rows.refusedRow + scol::FirstEventRow - 1) + ": " + rows.refused.message +
                            (isEnglish(lang) ? " Nothing was stored." : " Niks is gestoor nie."));
    if (set)
        checkExchangeRecords(exchange);
    if (!force) {
        GridModel stored;
        setupProgrammeGrid(stored, lang);
        loadProgrammeGrid(store->atld40(), ref, lang, stored);
        ImportShrink shrink = checkImportShrink(end, read, stored.rows() - 1, lang);
        if (shrink.needsConsent)
            throw ExchangeError("\"" + file + "\": " + shrink.refusal);
    }

    int stored = saveProgrammeGrid(programme, lang, {meeting.days, ref.definitions}, store->atld40());
    out << "Read " << read << " rows from \"" << file << "\".\n";
    if (notRead > 0)
        out << notRead << " rows below sheet row " << scol::LastReadRow << " were not read.\n";
    out << "Stored " << stored << " programme rows in Atld40.\n";
    if (stored < read)
        out << read - stored << " rows without an event definition number were left out.\n";
    if (set) {
        int written = writeRecords(store->atld60(), *set, exchange);
        out << "Wrote " << written << " records into set " << formatNumber(*set) << ".\n";
    }
    publishAfterSave(*store, lang, out);
    return 0;
}

} // namespace dravik::cli
