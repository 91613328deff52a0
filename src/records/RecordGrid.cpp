// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordGrid.h"

#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "records/RecordTexts.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

namespace dravik {

namespace {

constexpr const char* kProgramEvents = "Program Events";
constexpr const char* kAllEvents = "All Events";

// One record of the displayed set as stored.
struct StoredRecord {
    std::int64_t key = -1;
    double tnom = 0;
    std::optional<double> rek; // none when Rek is blank
    std::string van, naam, span, plek, datum, jaar;
};

std::optional<double> columnNumber(const SQLite::Column& c)
{
    if (c.isNull())
        return std::nullopt;
    if (c.isInteger() || c.isFloat())
        return c.getDouble();
    std::string t = trimmed(c.getString());
    if (t.empty())
        return std::nullopt;
    return textToNumber(t);
}

// Every record of a set, in the table's order, through the index on Verw.
std::vector<StoredRecord> readSetRecords(SQLite::Database& db, std::int64_t reference)
{
    std::vector<StoredRecord> out;
    try {
        SQLite::Statement st(db, "SELECT rowid, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar FROM Atld60 "
                                 "WHERE Verw = ? ORDER BY rowid");
        st.bind(1, static_cast<int64_t>(reference));
        while (st.executeStep()) {
            StoredRecord r;
            r.key = st.getColumn(0).getInt64();
            r.tnom = st.getColumn(1).getDouble();
            r.rek = columnNumber(st.getColumn(2));
            r.van = columnText(st.getColumn(3));
            r.naam = columnText(st.getColumn(4));
            r.span = columnText(st.getColumn(5));
            r.plek = columnText(st.getColumn(6));
            r.datum = columnText(st.getColumn(7));
            r.jaar = columnText(st.getColumn(8));
            out.push_back(std::move(r));
        }
    } catch (const SQLite::Exception& e) {
        throw StoreError("Reading the records of set " + std::to_string(reference) +
                         " from table Atld60 in database \"" + db.getFilename() + "\" failed: " + e.what());
    }
    return out;
}

std::string recordText(const StoredRecord& r, int type)
{
    return r.rek ? recordGridText(*r.rek, type) : "";
}

// Cells Surname .. Track of a row as Display shows the record.
std::vector<std::string> shownCells(const StoredRecord& r, int type)
{
    return {r.van, r.naam, recordText(r, type), r.jaar, gridDateText(r.datum), r.span, r.plek};
}

int ageLimit(int ageIndex)
{
    return ageIndex > 25 ? (ageIndex - 25) * 5 + 25 : ageIndex;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

void bindNumber(SQLite::Statement& st, int index, double value)
{
    if (value == std::floor(value) && std::fabs(value) < 9e15)
        st.bind(index, static_cast<int64_t>(value));
    else
        st.bind(index, value);
}

void bindTextOrNull(SQLite::Statement& st, int index, const std::string& text)
{
    if (trimmed(text).empty())
        st.bind(index);
    else
        st.bind(index, text);
}

// What Save writes for one grid row.
struct RecordWrite {
    enum class Kind { Insert, Update, Delete };
    Kind kind = Kind::Insert;
    int row = 0;
    std::int64_t key = -1;
    double tnom = 0;
    double rek = 0;
    std::string van, naam, jaar, datum, span, plek;
    int type = 0;
};

} // namespace

void setupRecordGrid(GridModel& flxRek, Language lang)
{
    flxRek.setCols(reccol::Count);
    if (isEnglish(lang))
        flxRek.setHeader({"Event", "Gen-Age", "Surname", "Name", "Record", "Year", "Date", "Team", "Track", "Tabel",
                          "Abs", "Prog", "Tipe", "Stel"});
    else
        flxRek.setHeader({"Item", "Ges-Oud", "Van", "Naam", "Rekord", "Jaar", "Datum", "Span", "Baan", "Tabel", "Abs",
                          "Prog", "Tipe", "Stel"});
    for (int c = 0; c < reccol::Count; ++c)
        flxRek.setColHidden(c, c >= reccol::Definition);
}

RecordDisplay DisplayRecordSet(GridModel& flxRek, DataStore& store, const MeetingDetails& meeting,
                               const RecordSetChoice& set, Language lang, const RecordProgress& progress)
{
    RecordDisplay shown{" " + set.name + " (" + set.symbol + ") ", isEnglish(lang) ? kProgramEvents : "Program Items"};

    // The set's first record of each event.
    std::unordered_map<double, StoredRecord> records;
    for (StoredRecord& r : readSetRecords(store.meetingDatabase(), set.reference))
        records.try_emplace(r.tnom, std::move(r));

    // The first programme row of each definition, in the programme's order.
    std::unordered_map<double, double> programmeNumbers;
    RecordSet& atld40 = store.atld40();
    for (atld40.moveFirst(); !atld40.eof(); atld40.moveNext())
        programmeNumbers.try_emplace(atld40.field("Tabverw").number(), atld40.field("Nommer").number());

    std::unordered_map<std::string, std::string> eventNames;
    RecordSet& atld11 = store.atld11();
    for (atld11.moveFirst(); !atld11.eof(); atld11.moveNext())
        eventNames.try_emplace(atld11.field("Nom").text(), atld11.field("Bske").text());

    const double lowest = ageLimit(meeting.minAgeIndex), highest = ageLimit(meeting.maxAgeIndex);
    const std::string firstDate = formatDate(meeting.day1);
    const std::string reference = std::to_string(set.reference);

    setupRecordGrid(flxRek, lang);
    flxRek.beginUpdate();
    flxRek.setRows(1);
    RecordSet& atld10 = store.atld10();
    const int total = atld10.recordCount();
    int done = 0;
    for (atld10.moveFirst(); !atld10.eof(); atld10.moveNext(), ++done) {
        if (progress)
            progress(done, total);
        const double age = atld10.field("Oud").number();
        if (age < lowest || age > highest)
            continue;
        auto name = eventNames.find(atld10.field("besk").text());
        if (name == eventNames.end())
            continue;
        const double nommer = atld10.field("Nommer").number();
        const int type = static_cast<int>(atld10.field("Tipe").number());
        std::string event = name->second;
        std::string nota = trimmed(atld10.field("Nota").text());
        if (!nota.empty())
            event += " (" + nota + ")";
        auto programme = programmeNumbers.find(nommer);

        std::vector<std::string> cells(reccol::Count);
        cells[reccol::Event] = std::move(event);
        cells[reccol::Category] = categoryText(age, atld10.field("SM").text(), lang);
        auto record = records.find(nommer);
        if (record != records.end()) {
            std::vector<std::string> shownRecord = shownCells(record->second, type);
            std::move(shownRecord.begin(), shownRecord.end(), cells.begin() + reccol::Surname);
            cells[reccol::Key] = std::to_string(record->second.key);
        } else {
            cells[reccol::Date] = firstDate;
            cells[reccol::Key] = "-1";
        }
        cells[reccol::Definition] = formatNumber(nommer);
        cells[reccol::Programme] = programme == programmeNumbers.end() ? "0" : formatNumber(programme->second);
        cells[reccol::Type] = std::to_string(type);
        cells[reccol::Set] = reference;
        flxRek.addRow(std::move(cells));
    }
    if (progress)
        progress(total, total);
    flxRek.endUpdate();
    return shown;
}

EventFilter pressEventFilter(const GridModel& flxRek, std::string_view caption)
{
    if (caption != kProgramEvents)
        return {kProgramEvents, {}};
    EventFilter filter{kAllEvents, {}};
    for (int r = 1; r < flxRek.rows(); ++r)
        if (textToNumber(flxRek.cell(r, reccol::Programme)) == 0)
            filter.hiddenRows.push_back(r);
    return filter;
}

std::uint64_t recordSetFingerprint(SQLite::Database& db, std::int64_t reference)
{
    try {
        return queryFingerprint(db, "SELECT rowid, * FROM Atld60 WHERE Verw = " + std::to_string(reference) +
                                        " ORDER BY rowid");
    } catch (const SQLite::Exception& e) {
        throw StoreError("Reading the records of set " + std::to_string(reference) +
                         " from table Atld60 in database \"" + db.getFilename() + "\" failed: " + e.what());
    }
}

RecordsResult saveRecordGrid(GridModel& flxRek, RecordSet& atld60, Language lang, std::optional<std::uint64_t>* loaded)
{
    const bool english = isEnglish(lang);
    if (flxRek.rows() < 2)
        return {};
    auto reference = wholeNumber(flxRek.cell(1, reccol::Set));
    if (!reference)
        return RecordsResult::refused(english ? "The record grid shows no record set. Nothing was saved."
                                              : "Die rekordrooster wys geen rekordstel nie. Niks is gestoor nie.");
    SQLite::Database& db = atld60.database();
    std::unordered_map<std::int64_t, StoredRecord> stored;
    for (StoredRecord& r : readSetRecords(db, *reference))
        stored.emplace(r.key, std::move(r));

    // Check every row first; nothing is written while any row is refused.
    std::vector<RecordWrite> writes;
    for (int row = 1; row < flxRek.rows(); ++row) {
        const auto& c = flxRek.rowCells(row);
        const int type = static_cast<int>(textToNumber(c[reccol::Type]));
        auto key = wholeNumber(c[reccol::Key]);
        auto own = key && *key >= 0 ? stored.find(*key) : stored.end();
        const std::string text = trimmed(c[reccol::Record]);
        const std::string eventName = c[reccol::Event] + " (" + c[reccol::Category] + ")";

        if (own != stored.end()) {
            std::vector<std::string> shown = shownCells(own->second, type);
            if (std::equal(shown.begin(), shown.end(), c.begin() + reccol::Surname))
                continue; // as Display showed it
            if (text.empty()) {
                RecordWrite cleared;
                cleared.kind = RecordWrite::Kind::Delete;
                cleared.row = row;
                cleared.key = own->first;
                writes.push_back(std::move(cleared));
                continue;
            }
        } else if (text.empty()) {
            continue; // no record, none typed
        }

        RecordWrite w;
        w.kind = own != stored.end() ? RecordWrite::Kind::Update : RecordWrite::Kind::Insert;
        w.row = row;
        w.key = own != stored.end() ? own->first : -1;
        w.type = type;
        w.tnom = textToNumber(c[reccol::Definition]);
        w.van = c[reccol::Surname];
        w.naam = c[reccol::Name];
        w.span = c[reccol::Team];
        w.plek = c[reccol::Track];
        w.jaar = trimmed(c[reccol::Year]);

        if (own != stored.end() && own->second.rek && c[reccol::Record] == recordText(own->second, type)) {
            w.rek = *own->second.rek; // unchanged: keep every digit stored
        } else if (auto value = readRecordText(text, type)) {
            w.rek = *value;
        } else {
            const char* what = isTimedEvent(type) ? (english ? "neither a number above 0 nor a time"
                                                             : "nie 'n getal bo 0 of 'n tyd nie")
                                                  : (english ? "not a number above 0" : "nie 'n getal bo 0 nie");
            return RecordsResult::refused(
                english
                    ? "The record of " + eventName + ", " + quoted(text) + ", is " + what + ". Nothing was saved."
                    : "Die rekord van " + eventName + ", " + quoted(text) + ", is " + what + ". Niks is gestoor nie.",
                row);
        }

        const std::string& year = w.jaar;
        if (!isRecordYear(year))
            return RecordsResult::refused(english ? "The year of " + eventName + ", " + quoted(year) +
                                                        ", is not a year of four digits. Nothing was saved."
                                                  : "Die jaar van " + eventName + ", " + quoted(year) +
                                                        ", is nie 'n jaar van vier syfers nie. Niks is gestoor nie.",
                                          row);
        const std::string date = trimmed(c[reccol::Date]);
        if (own != stored.end() && c[reccol::Date] == gridDateText(own->second.datum)) {
            w.datum = own->second.datum;
        } else if (date.empty()) {
            w.datum.clear();
        } else if (auto iso = storedDateFromGrid(date)) {
            w.datum = *iso;
        } else {
            return RecordsResult::refused(english ? "The date of " + eventName + ", " + quoted(date) +
                                                        ", is not a date written dd/MM/yyyy. Nothing was saved."
                                                  : "Die datum van " + eventName + ", " + quoted(date) +
                                                        ", is nie 'n datum soos dd/MM/yyyy nie. Niks is gestoor nie.",
                                          row);
        }
        writes.push_back(std::move(w));
    }
    if (writes.empty())
        return {};

    const bool checked = loaded && loaded->has_value();
    try {
        SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
        if (checked && recordSetFingerprint(db, *reference) != **loaded)
            throw StoreError("The records of set " + std::to_string(*reference) + " in table Atld60 of \"" +
                                 db.getFilename() +
                                 "\" were changed by another window or program since they were shown; nothing "
                                 "was saved.",
                             StoreError::Kind::Changed, {"Atld60", db.getFilename()});
        SQLite::Statement insert(db, "INSERT INTO Atld60 (Verw, Tnom, Rek, Van, Naam, Span, Plek, Datum, Jaar) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        SQLite::Statement update(db, "UPDATE Atld60 SET Verw = ?, Tnom = ?, Rek = ?, Van = ?, Naam = ?, Span = ?, "
                                     "Plek = ?, Datum = ?, Jaar = ? WHERE rowid = ?");
        SQLite::Statement remove(db, "DELETE FROM Atld60 WHERE rowid = ?");
        for (RecordWrite& w : writes) {
            if (w.kind == RecordWrite::Kind::Delete) {
                remove.reset();
                remove.bind(1, static_cast<int64_t>(w.key));
                remove.exec();
                continue;
            }
            SQLite::Statement& st = w.kind == RecordWrite::Kind::Insert ? insert : update;
            st.reset();
            st.bind(1, static_cast<int64_t>(*reference));
            bindNumber(st, 2, w.tnom);
            st.bind(3, w.rek);
            st.bind(4, w.van);
            st.bind(5, w.naam);
            st.bind(6, w.span);
            st.bind(7, w.plek);
            bindTextOrNull(st, 8, w.datum);
            bindTextOrNull(st, 9, w.jaar);
            if (w.kind == RecordWrite::Kind::Update)
                st.bind(10, static_cast<int64_t>(w.key));
            st.exec();
            if (w.kind == RecordWrite::Kind::Insert)
                w.key = db.getLastInsertRowid();
        }
        tx.commit();
    } catch (const SQLite::Exception& e) {
        bool busy = e.getErrorCode() == SQLITE_BUSY || e.getErrorCode() == SQLITE_LOCKED;
        throw StoreError("Saving the records of set " + std::to_string(*reference) + " to table Atld60 in database \"" +
                             db.getFilename() + "\" failed: " + e.what(),
                         busy ? StoreError::Kind::Busy : StoreError::Kind::Other, {"Atld60", db.getFilename()});
    }
    if (checked)
        *loaded = recordSetFingerprint(db, *reference);

    // The grid now shows what is stored, as Display would.
    for (const RecordWrite& w : writes) {
        if (w.kind == RecordWrite::Kind::Delete) {
            flxRek.setCell(w.row, reccol::Key, "-1");
            continue;
        }
        flxRek.setCell(w.row, reccol::Key, std::to_string(w.key));
        flxRek.setCell(w.row, reccol::Record, recordGridText(w.rek, w.type));
        flxRek.setCell(w.row, reccol::Date, gridDateText(w.datum));
    }
    atld60.requery();
    return {};
}

} // namespace dravik
