// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ProgrammeExport.h"

#include "data/ExchangeTemplate.h"
#include "data/FolderSettings.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/SheetCells.h"
#include "exchange/Workbook.h"
#include "exchange/WorkbookPackage.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace dravik {

namespace {

std::string quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

// The columns the export writes, by sheet column and exchange column.
struct WrittenColumn {
    int sheet;
    int exchange;
    bool number;
};
constexpr WrittenColumn kWritten[] = {
    {scol::Number, xcol::Number, true},    {scol::Sub, xcol::Sub, false},       {scol::Place, xcol::Place, false},
    {scol::Time, xcol::Time, false},       {scol::Level, xcol::Level, false},   {scol::Gender, xcol::Gender, false},
    {scol::Age, xcol::Age, true},          {scol::Record, xcol::Record, false}, {scol::Name, xcol::Name, false},
    {scol::Surname, xcol::Surname, false}, {scol::Year, xcol::Year, false},     {scol::Team, xcol::Team, false},
    {scol::Day, xcol::Day, true},
};

void fillSheet(xlsx::SheetCells& cells, const GridModel& exchange)
{
    cells.setText(2, scol::Event, "Afrikaans");
    const int first = scol::FirstEventRow;
    for (int i = 1; i < exchange.rows(); ++i) {
        const auto& x = exchange.rowCells(i);
        int r = i + first - 1;
        for (const auto& w : kWritten) {
            if (w.number && !(w.sheet == scol::Day && trimmed(x[w.exchange]).empty()))
                cells.setNumber(r, w.sheet, textToNumber(x[w.exchange]));
            else
                cells.setText(r, w.sheet, w.number ? std::string() : x[w.exchange]);
        }
        std::string code = eventCodeText(x[xcol::Event], x[xcol::Table]);
        cells.setText(r, scol::EventCode, code);
        // What the template's formula works out from column 8.
        cells.setFormulaText(r, scol::Event, x[xcol::Event]);
        // The whole definition number: column 8 carries only its last four digits.
        cells.setNumber(r, scol::Table, textToNumber(x[xcol::Table]));
    }
    // Rows of the template below the programme: nothing of an older programme stays.
    for (int r : cells.rowsFrom(exchange.rows() + first - 1)) {
        for (const auto& w : kWritten)
            if (cells.find(r, w.sheet))
                cells.setText(r, w.sheet, "");
        if (cells.find(r, scol::EventCode))
            cells.setText(r, scol::EventCode, "");
        cells.setFormulaText(r, scol::Event, "");
        cells.clearValue(r, scol::Table);
    }
}

} // namespace

std::string exchangeTemplatePath(const std::string& programFolder)
{
    return (fs::path(programFolder) / suitefile::ExchangeTemplate).string();
}

ExportReport exportWorkbook(const GridModel& exchange, const std::string& templateFile, const std::string& outputFile)
{
    ExportReport report;
    report.file = outputFile;
    std::error_code ec;
    fs::path out(outputFile);
    fs::path part = out;
    part += ".part";
    struct RemovePart {
        fs::path path;
        ~RemovePart()
        {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    } removePart{part};

    auto cannotWrite = [&](const std::string& reason) {
        return ExchangeError("Cannot write the workbook " + quoted(outputFile) + ": " + reason,
                             ExchangeError::Kind::CannotWrite, {outputFile, reason});
    };
    if (!out.parent_path().empty() && !fs::is_directory(out.parent_path(), ec))
        throw cannotWrite("the folder " + quoted(out.parent_path().string()) + " does not exist.");
    // The output's folder is tried before the template is touched, so that an
    // unwritable target is told as such.
    if (!std::ofstream(part, std::ios::binary))
        throw cannotWrite("the folder " + quoted(out.parent_path().empty() ? "." : out.parent_path().string()) +
                          " cannot be written.");
    report.builtInTemplate = templateFile.empty() || !fs::exists(templateFile, ec);
    if (report.builtInTemplate) {
        try {
            writeExchangeTemplate(part.string());
        } catch (const std::exception& e) {
            throw cannotWrite(e.what());
        }
    } else {
        fs::copy_file(templateFile, part, fs::copy_options::overwrite_existing, ec);
        if (ec)
            throw ExchangeError("Cannot write the workbook " + quoted(outputFile) + ": copying the template " +
                                quoted(templateFile) + " failed (" + ec.message() + ")");
    }

    {
        std::string prefix = "Cannot write the workbook " + quoted(outputFile) + ": ";
        if (!report.builtInTemplate)
            prefix += "(template " + quoted(templateFile) + ") ";
        xlsx::Package package(part.string(), prefix);
        xlsx::WorkbookParts parts = xlsx::locateParts(package);
        pugi::xml_document doc = xlsx::parseXml(package.read(parts.firstSheet), package, parts.firstSheet);
        xlsx::SharedStrings strings(package, parts);
        xlsx::SheetCells cells(doc.document_element(), strings);
        fillSheet(cells, exchange);
        package.write(parts.firstSheet, xlsx::savedXml(doc));
        strings.save(package);
        package.commit();
    }

    fs::rename(part, out, ec);
    if (ec)
        throw cannotWrite(ec.message());
    report.rowsWritten = exchange.rows() - 1;
    report.rowsBeyondImport = std::max(0, report.rowsWritten - (scol::LastReadRow - scol::FirstEventRow + 1));
    return report;
}

ProgramStart spreadsheetEditStart(const FolderSettings& folders, const std::string& workbookPath)
{
    std::error_code ec;
    std::string program = folders.spreadsheetPath();
    if (!fs::is_regular_file(program, ec))
        throw ExchangeError(kSpreadsheetUnavailable);
    return {program, {workbookPath}};
}

std::string fileInFolder(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return withTrailingSeparator(folder) + name;
}

} // namespace dravik
