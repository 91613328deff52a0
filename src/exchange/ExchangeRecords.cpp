// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeRecords.h"

#include "exchange/ExchangeGrid.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"
#include "records/RecordTexts.h"

#include <SQLiteCpp/Transaction.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace dravik {

namespace {

constexpr int kRunningEvent = 2;

using RecordKey = std::pair<double, double>; // set reference, definition number

// Position of the first row of each (set, event) pair in the set's order.
std::map<RecordKey, int> firstRecordPositions(RecordSet& atld60)
{
    std::map<RecordKey, int> positions;
    for (atld60.moveFirst(); !atld60.eof(); atld60.moveNext())
        positions.emplace(RecordKey{atld60.field("Verw").number(), atld60.field("Tnom").number()},
                          atld60.absolutePosition());
    return positions;
}

void requireSet(double setReference)
{
    if (setReference == 0)
        throw ExchangeError(kNoRecordSetChosen);
}

} // namespace

std::string exchangeRecordText(double value, int type)
{
    if (type != kRunningEvent)
        return formatNumber(value);
    long long hundredths = std::llround(value * 100);
    bool negative = hundredths < 0;
    if (negative)
        hundredths = -hundredths;
    long long minutes = hundredths / 6000, rest = hundredths % 6000;
    char buf[48];
    if (minutes > 59)
        std::snprintf(buf, sizeof buf, "%s%lld:%02lld:%02lld.%02lld", negative ? "-" : "", minutes / 60, minutes % 60,
                      rest / 100, rest % 100);
    else
        std::snprintf(buf, sizeof buf, "%s%lld:%02lld.%02lld", negative ? "-" : "", minutes, rest / 100, rest % 100);
    return buf;
}

std::vector<double> checkExchangeRecords(const GridModel& exchange)
{
    // Every record text is read before anything is written: one that is no
    // record of its event leaves the whole set as it was.
    std::vector<double> values(exchange.rows(), 0);
    for (int r = 1; r < exchange.rows(); ++r) {
        const auto& x = exchange.rowCells(r);
        if (x[xcol::Record].empty())
            continue;
        const int type = static_cast<int>(textToNumber(x[xcol::Type]));
        std::optional<double> value = readRecordText(x[xcol::Record], type);
        const bool yearOk = isRecordYear(x[xcol::Year]);
        if (value && yearOk) {
            values[r] = *value;
            continue;
        }
        const std::string what = !value ? (isTimedEvent(type) ? "timed" : "measured") : "year";
        const std::string text = !value ? x[xcol::Record] : x[xcol::Year];
        const std::string day = trimmed(x[xcol::Day]).empty() ? "1" : trimmed(x[xcol::Day]);
        const std::string sheetRow = std::to_string(r + scol::FirstEventRow - 1);
        const std::string reason = what == "year" ? "the year \"" + text + "\" is not a year of four digits"
                                   : what == "measured"
                                       ? "the record \"" + text + "\" is not a number above 0 (the event is measured)"
                                       : "the record \"" + text +
                                             "\" is neither a number above 0 nor a time (m:ss.ss, h:mm:ss.ss)";
        throw ExchangeError("Day " + day + ", event " + x[xcol::Number] + x[xcol::Sub] + " (" + x[xcol::Event] +
                                "), sheet row " + sheetRow + ": " + reason + ". Nothing of the set was changed.",
                            ExchangeError::Kind::BadRecord,
                            {x[xcol::Number] + x[xcol::Sub], x[xcol::Event], text, day, sheetRow, what});
    }
    return values;
}

int readRecords(RecordSet& atld60, double setReference, GridModel& exchange)
{
    requireSet(setReference);
    atld60.requery();
    auto positions = firstRecordPositions(atld60);
    int filled = 0;
    exchange.beginUpdate();
    for (int r = 1; r < exchange.rows(); ++r) {
        auto it = positions.find({setReference, textToNumber(exchange.cell(r, xcol::Table))});
        if (it == positions.end())
            continue;
        atld60.moveTo(it->second);
        exchange.setCell(r, xcol::Name, atld60.field("Naam").text());
        exchange.setCell(r, xcol::Surname, atld60.field("Van").text());
        exchange.setCell(r, xcol::Year, atld60.field("Jaar").text());
        exchange.setCell(r, xcol::Team, atld60.field("Plek").text());
        int type = static_cast<int>(textToNumber(exchange.cell(r, xcol::Type)));
        exchange.setCell(r, xcol::Record, exchangeRecordText(atld60.field("Rek").number(), type));
        ++filled;
    }
    exchange.endUpdate();
    return filled;
}

int writeRecords(RecordSet& atld60, double setReference, const GridModel& exchange)
{
    requireSet(setReference);
    std::vector<double> values = checkExchangeRecords(exchange);
    atld60.requery();
    auto positions = firstRecordPositions(atld60);
    int written = 0;
    try {
        SQLite::Transaction tx(atld60.database());
        for (int r = 1; r < exchange.rows(); ++r) {
            const auto& x = exchange.rowCells(r);
            if (x[xcol::Record].empty())
                continue;
            double tnom = textToNumber(x[xcol::Table]);
            auto it = positions.find({setReference, tnom});
            if (it != positions.end()) {
                atld60.moveTo(it->second);
                atld60.edit();
            } else {
                atld60.addNew();
            }
            atld60.setField("Verw", setReference);
            atld60.setField("Tnom", tnom);
            atld60.setField("Naam", x[xcol::Name]);
            atld60.setField("Van", x[xcol::Surname]);
            atld60.setField("Jaar", x[xcol::Year]);
            atld60.setField("Plek", x[xcol::Team]);
            atld60.setField("Rek", values[r]);
            atld60.update();
            if (it == positions.end())
                positions.emplace(RecordKey{setReference, tnom}, atld60.recordCount() - 1);
            ++written;
        }
        tx.commit();
    } catch (...) {
        // The rows in memory may hold what the rolled-back transaction wrote.
        atld60.requery();
        throw;
    }
    atld60.requery();
    return written;
}

} // namespace dravik
