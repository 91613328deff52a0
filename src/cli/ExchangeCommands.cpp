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
std::optional<double> chosenRecordSet(DataStore& store, const std::string& setReference, Language lang)
{
    const bool en = isEnglish(lang);
    std::string text = trimmed(setReference);
    if (text.empty())
        return std::nullopt;
    if (!isNumericText(text))
        throw ExchangeError(en ? "--set needs the reference number of a record set, not \"" + text + "\"."
                               : "--set kort die verwysingsnommer van 'n rekordstel, nie \"" + text + "\" nie.");
    double v = textToNumber(text);
    if (v == 0)
        throw ExchangeError(kNoRecordSetChosen);
    for (const auto& set : readRecordSetList(store.atld61()).all)
        if (textToNumber(set.verw) == v)
            return v;
    throw ExchangeError(en ? "The meeting has no record set with reference " + text + " (see dravik records " +
                                 store.programFolder() + ")."
                           : "Die byeenkoms het geen rekordstel met verwysing " + text + " nie (sien dravik records " +
                                 store.programFolder() + ").");
}

} // namespace

int runExportCommand(const std::string& dir, const std::string& file, const std::string& setReference, Language lang,
                     std::ostream& out, bool force)
{
    auto store = DataStore::open(dir);
    std::optional<double> set = chosenRecordSet(*store, setReference, lang);
    EventReference ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    GridModel programme;
    setupProgrammeGrid(programme, lang);
    loadProgrammeGrid(store->atld40(), ref, lang, programme);
    if (programme.rows() < 2) {
        out << (isEnglish(lang) ? "The programme is empty: nothing was exported.\n"
                                : "Die program is leeg: niks is uitgevoer nie.\n");
        return 0;
    }
    GridModel exchange;
    setupExchangeGrid(exchange);
    readFromProgramme(programme, ref.definitions, exchange);
    int withRecords = set ? readRecords(store->atld60(), *set, exchange) : 0;

    fs::path target(file);
    const std::string typed = target.filename().string();
    if (!typed.empty() && typed.front() == '.')
        throw ExchangeError(
            isEnglish(lang) ? "\"" + typed + "\" starts with \".\": the file list would not show it. Give another name."
                            : "\"" + typed + "\" begin met \".\": die lerelys sou dit nie wys nie. Gee 'n ander naam.");
    target = target.parent_path() / outputWorkbookName(typed);
    std::error_code ec;
    if (!force && fs::exists(target, ec))
        throw ExchangeError(isEnglish(lang)
                                ? "\"" + target.string() + "\" already exists: give --force to replace it."
                                : "\"" + target.string() + "\" bestaan reeds: gee --force om dit te vervang.");
    ExportReport report = exportWorkbook(exchange, exchangeTemplatePath(store->programFolder()), target.string());
    const bool en = isEnglish(lang);
    out << (en ? "Wrote " : "Het ") << report.rowsWritten << (en ? " events to \"" : " items na \"") << report.file
        << "\"";
    if (set)
        out << (en ? " with the records of set " : " met die rekords van stel ") << formatNumber(*set) << " ("
            << withRecords << (en ? " events have one)" : " items het een)");
    out << (en ? ".\n" : " geskryf.\n");
    if (report.builtInTemplate)
        out << (en ? "The suite has no " : "Die suite het geen ") << exchangeTemplatePath(store->programFolder())
            << (en ? ": the built-in standard template was used.\n"
                   : " nie: die ingeboude standaardsjabloon is gebruik.\n");
    if (report.rowsBeyondImport > 0)
        out << report.rowsBeyondImport << (en ? " events lie below sheet row " : " items le onder bladry ")
            << scol::LastReadRow
            << (en ? " and will not be read back by an import.\n"
                   : " en sal nie deur 'n invoer teruggelees word nie.\n");
    return 0;
}

int runImportCommand(const std::string& dir, const std::string& file, const std::string& setReference, Language lang,
                     std::ostream& out, bool force)
{
    auto store = DataStore::open(dir);
    std::optional<double> set = chosenRecordSet(*store, setReference, lang);
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
    const bool en = isEnglish(lang);
    out << (en ? "Read " : "Het ") << read << (en ? " rows from \"" : " rye uit \"") << file
        << (en ? "\".\n" : "\" gelees.\n");
    if (notRead > 0)
        out << notRead << (en ? " rows below sheet row " : " rye onder bladry ") << scol::LastReadRow
            << (en ? " were not read.\n" : " is nie gelees nie.\n");
    out << (en ? "Stored " : "Het ") << stored
        << (en ? " programme rows in Atld40.\n" : " programrye in Atld40 gestoor.\n");
    if (stored < read)
        out << read - stored
            << (en ? " rows without an event definition number were left out.\n"
                   : " rye sonder 'n itemdefinisienommer is uitgelaat.\n");
    if (set) {
        int written = writeRecords(store->atld60(), *set, exchange);
        out << (en ? "Wrote " : "Het ") << written << (en ? " records into set " : " rekords in stel ")
            << formatNumber(*set) << (en ? ".\n" : " geskryf.\n");
    }
    publishAfterSave(*store, lang, out);
    return 0;
}

} // namespace dravik::cli
