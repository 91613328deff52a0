#include "exchange/ProgrammeImport.h"

#include "exchange/ExchangeGrid.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

#include <vector>

namespace dravik {

namespace {

std::vector<std::string> exchangeRow(const Sheet& sheet, int r, const DefinitionList& definitions)
{
    auto text = [&](int c) { return trimmed(sheet.cell(r, c).asText()); };
    std::vector<std::string> row(xcol::Count);
    row[xcol::Number] = text(scol::Number);
    row[xcol::Sub] = text(scol::Sub);
    row[xcol::Time] = timeFromSheet(sheet.cell(r, scol::Time));
    row[xcol::Gender] = genderFromSheet(text(scol::Gender));
    row[xcol::Age] = text(scol::Age);
    row[xcol::Event] = text(scol::Event);
    row[xcol::Level] = levelFromSheet(text(scol::Level));
    row[xcol::Place] = text(scol::Place);
    row[xcol::Record] = text(scol::Record);
    row[xcol::Year] = text(scol::Year);
    row[xcol::Name] = text(scol::Name);
    row[xcol::Surname] = text(scol::Surname);
    row[xcol::Team] = text(scol::Team);
    row[xcol::Table] = text(scol::Table);
    row[xcol::Day] = dayFromSheet(sheet.cell(r, scol::Day));

    // Column 9 is a formula over column 8; column 15 holds the whole definition
    // number, of which column 8 shows the last four digits. Where column 15 is
    // empty, or no longer agrees with column 8 (the event was changed in the
    // sheet), column 8 says which definition the row is.
    std::string name, definition;
    if (splitEventCode(text(scol::EventCode), name, definition)) {
        if (!(textToNumber(row[xcol::Table]) > 0) || definitionCode(row[xcol::Table]) != definitionCode(definition))
            row[xcol::Table] = definition;
        if (row[xcol::Event].empty())
            row[xcol::Event] = name;
    }
    row[xcol::Type] = eventTypeText(definitions, row[xcol::Table]);
    return row;
}

} // namespace

int importSheet(const Sheet& sheet, const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                const ImportProgress& progress, int* rowsNotRead)
{
    const int first = scol::FirstEventRow;
    if (!(sheet.cell(first, scol::Number).asNumber() > 0) || !(sheet.cell(first, scol::Age).asNumber() > 0))
        throw ExchangeError("\"" + file + "\" holds no programme sheet: row " + std::to_string(first) +
                            " of its first sheet needs an event number in column " + std::to_string(scol::Number) +
                            " and an age in column " + std::to_string(scol::Age) + ". Nothing was read.",
                            ExchangeError::Kind::NoProgrammeSheet, {file});
    std::vector<std::vector<std::string>> rows;
    bool ended = false;
    for (int r = first; r <= scol::LastReadRow; ++r) {
        if (sheet.cell(r, scol::Number).empty()) {
            ended = true;
            break;
        }
        rows.push_back(exchangeRow(sheet, r, definitions));
        if (progress)
            progress(static_cast<int>(rows.size()));
    }
    if (rowsNotRead)
        *rowsNotRead = ended ? 0 : sheet.rowsBelow();
    exchange.beginUpdate();
    exchange.setRows(1);
    for (auto& row : rows)
        exchange.addRow(std::move(row));
    exchange.endUpdate();
    if (exchange.rows() > 1)
        exchange.setCurrent(1, 0);
    return static_cast<int>(rows.size());
}

int importWorkbook(const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                   const ImportProgress& progress, int* rowsNotRead)
{
    Sheet sheet = readFirstSheet(file, scol::LastReadRow, scol::Count);
    return importSheet(sheet, file, definitions, exchange, progress, rowsNotRead);
}

} // namespace dravik
