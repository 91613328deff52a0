// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravik {

class GridModel;
class RecordSet;

// The message when no record set is chosen (reference 0).
inline constexpr const char* kNoRecordSetChosen = "Geen rekordstel is gekies nie!";

// A record as the exchange grid shows it: for a running event (type 2) minutes
// and seconds, "2:05.30", with hours from 60 minutes on, "1:02:05.50"; for any
// other type the plain number, "6.45". The value is rounded to hundredths first,
// so that 59.999 seconds never shows as "60.00".
std::string exchangeRecordText(double value, int type);

// The value of each exchange row's record text (0 where it has none), indexed
// by grid row, each read as the record editor reads it for the event's type
// (column Type): a number above 0, for a timed event also a time. Throws
// ExchangeError of kind BadRecord naming the day, the event, its sheet row and
// the text of the first record that is no such value or whose year is not
// four digits. Facts: event, event name, text, day, sheet row, and "timed",
// "measured" or "year" for what was wrong.
std::vector<double> checkExchangeRecords(const GridModel& exchange);

// "Read Records": fills the record columns (record, year, name, surname, team)
// of every exchange row whose event has a record in the set, looked up by set
// reference and definition number (column 13) in the whole records table;
// other rows keep theirs. The record set is requeried first, so pass the
// store's whole-table Atld60 set. Throws ExchangeError with kNoRecordSetChosen
// for reference 0. Returns the number of rows filled.
int readRecords(RecordSet& atld60, double setReference, GridModel& exchange);

// "Write Records": stores the record columns of every exchange row with a
// record text into the set: the set's record of that event is changed, or one
// is added when it has none, so an event never gets a second record. Datum and
// Span are not written. A record text that is no number or time is refused
// (ExchangeError of kind BadRecord naming the event) before anything is
// written. All rows are written in one transaction; on failure
// nothing is stored and StoreError is thrown. Throws ExchangeError with
// kNoRecordSetChosen for reference 0. Returns the number of records written.
int writeRecords(RecordSet& atld60, double setReference, const GridModel& exchange);

} // namespace dravik
