// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ProgrammeImport.h"

#include "exchange/ExchangeGrid.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

#include <vector>

namespace dravik {

namespace {

// The cells of one sheet as the import reads them: a cell without a readable
// value, and a time number outside a day, stop the import with the cell named.
class SheetReading {
public:
    SheetReading(const Sheet& sheet, const std::string& file) : sheet_(sheet), file_(file) {}

    const SheetCell& cell(int r, int c) const
    {
        const SheetCell& cell = sheet_.cell(r, c);
        if (cell.kind == SheetCell::Kind::Unreadable)
            throw ExchangeError(where(r, c) + " holds \"" + cell.text +
                                    "\", which gives no value to read (an error value, or a formula whose result the "
                                    "workbook did not store). Nothing was read.",
                                ExchangeError::Kind::UnreadableCell, facts(r, c, cell.text));
        return cell;
    }

    // A cell that may hold nothing readable: it then reads as empty.
    const SheetCell& cellOrEmpty(int r, int c) const
    {
        static const SheetCell none;
        const SheetCell& cell = sheet_.cell(r, c);
        return cell.kind == SheetCell::Kind::Unreadable ? none : cell;
    }

    std::string text(int r, int c) const { return trimmed(cell(r, c).asText()); }

    // A number is a time of day from 0 up to 1 (00:00 to 23:59); a number shown
    // as a date gives the time of its day.
    std::string time(int r, int c) const
    {
        const SheetCell& t = cell(r, c);
        if (t.kind == SheetCell::Kind::Number && !t.dated && !(t.number >= 0 && t.number < 1))
            throw ExchangeError(where(r, c) + " holds the time " + formatNumber(t.number) +
                                    ", which lies outside a day: a time of day is a number from 0 up to 1 (00:00 to "
                                    "23:59). Nothing was read.",
                                ExchangeError::Kind::TimeOutsideDay, facts(r, c, formatNumber(t.number)));
        return timeFromSheet(t);
    }

private:
    std::string where(int r, int c) const
    {
        return "\"" + file_ + "\", sheet \"" + sheet_.name() + "\", cell " + cellReference(r, c);
    }
    std::vector<std::string> facts(int r, int c, const std::string& held) const
    {
        return {file_, sheet_.name(), cellReference(r, c), held};
    }

    const Sheet& sheet_;
    const std::string& file_;
};

std::vector<std::string> exchangeRow(const SheetReading& sheet, int r, const DefinitionList& definitions)
{
    auto text = [&](int c) { return sheet.text(r, c); };
    std::vector<std::string> row(xcol::Count);
    row[xcol::Number] = text(scol::Number);
    row[xcol::Sub] = text(scol::Sub);
    row[xcol::Time] = sheet.time(r, scol::Time);
    row[xcol::Gender] = genderFromSheet(text(scol::Gender));
    row[xcol::Age] = text(scol::Age);
    row[xcol::Level] = levelFromSheet(text(scol::Level));
    row[xcol::Place] = text(scol::Place);
    row[xcol::Record] = text(scol::Record);
    row[xcol::Year] = text(scol::Year);
    row[xcol::Name] = text(scol::Name);
    row[xcol::Surname] = text(scol::Surname);
    row[xcol::Team] = text(scol::Team);
    row[xcol::Day] = dayFromSheet(sheet.cell(r, scol::Day));

    // Column 9 is a formula over column 8; column 15 holds the whole definition
    // number, of which column 8 shows the last four digits. Where column 15 is
    // empty, or no longer agrees with column 8 (the event was changed in the
    // sheet), column 8 says which definition the row is. Where column 8 says
    // so, the two need no readable value (a workbook saved by a program that
    // does not work formulas out keeps them without their results).
    std::string name, definition;
    if (splitEventCode(text(scol::EventCode), name, definition)) {
        row[xcol::Event] = trimmed(sheet.cellOrEmpty(r, scol::Event).asText());
        row[xcol::Table] = trimmed(sheet.cellOrEmpty(r, scol::Table).asText());
        if (!(textToNumber(row[xcol::Table]) > 0) || definitionCode(row[xcol::Table]) != definitionCode(definition))
            row[xcol::Table] = definition;
        if (row[xcol::Event].empty())
            row[xcol::Event] = name;
    } else {
        row[xcol::Event] = text(scol::Event);
        row[xcol::Table] = text(scol::Table);
    }
    row[xcol::Type] = eventTypeText(definitions, row[xcol::Table]);
    return row;
}

} // namespace

int importSheet(const Sheet& sheet, const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                const ImportProgress& progress, int* rowsNotRead, ListEnd* end)
{
    const SheetReading reading(sheet, file);
    const int first = scol::FirstEventRow;
    if (!(reading.cell(first, scol::Number).asNumber() > 0) || !(reading.cell(first, scol::Age).asNumber() > 0))
        throw ExchangeError("\"" + file + "\" holds no programme sheet: row " + std::to_string(first) +
                                " of its first sheet needs an event number in column " + std::to_string(scol::Number) +
                                " and an age in column " + std::to_string(scol::Age) + ". Nothing was read.",
                            ExchangeError::Kind::NoProgrammeSheet, {file});
    std::vector<std::vector<std::string>> rows;
    ListEnd ended;
    for (int r = first; r <= scol::LastReadRow; ++r) {
        if (sheet.cell(r, scol::Number).empty()) {
            ended.blankRow = r;
            break;
        }
        rows.push_back(exchangeRow(reading, r, definitions));
        if (progress)
            progress(static_cast<int>(rows.size()));
    }
    if (ended.blankRow > 0) {
        for (int r = ended.blankRow + 1; r <= sheet.rows(); ++r)
            if (!sheet.cell(r, scol::Number).empty())
                ++ended.numbersBelow;
        ended.numbersBelow += sheet.rowsBelow();
    }
    if (rowsNotRead)
        *rowsNotRead = ended.blankRow > 0 ? 0 : sheet.rowsBelow();
    if (end)
        *end = ended;
    exchange.beginUpdate();
    exchange.setRows(1);
    for (auto& row : rows)
        exchange.addRow(std::move(row));
    exchange.endUpdate();
    if (exchange.rows() > 1)
        exchange.setCurrent(1, 0);
    return static_cast<int>(rows.size());
}

std::string sheetCellErrorText(const std::exception& error, Language lang)
{
    auto* e = dynamic_cast<const ExchangeError*>(&error);
    if (!e || isEnglish(lang) || e->facts().size() < 4)
        return error.what();
    const auto& f = e->facts();
    const std::string where = "\"" + f[0] + "\", blad \"" + f[1] + "\", sel " + f[2];
    switch (e->kind()) {
    case ExchangeError::Kind::UnreadableCell:
        return where + " hou \"" + f[3] +
               "\", wat geen waarde gee om te lees nie ('n foutwaarde, of 'n formule waarvan die werkboek nie die "
               "uitkoms gestoor het nie). Niks is gelees nie.";
    case ExchangeError::Kind::TimeOutsideDay:
        return where + " hou die tyd " + f[3] +
               ", wat buite 'n dag val: 'n tyd van die dag is 'n getal van 0 tot onder 1 (00:00 tot 23:59). Niks is "
               "gelees nie.";
    default:
        return error.what();
    }
}

int importWorkbook(const std::string& file, const DefinitionList& definitions, GridModel& exchange,
                   const ImportProgress& progress, int* rowsNotRead, ListEnd* end)
{
    Sheet sheet = readFirstSheet(file, scol::LastReadRow, scol::Count);
    return importSheet(sheet, file, definitions, exchange, progress, rowsNotRead, end);
}

} // namespace dravik
