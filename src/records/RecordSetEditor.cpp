// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordSetEditor.h"

#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "records/RecordSetList.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <set>

namespace dravik {

namespace {

// What a record set's symbol beside a printed record may take.
constexpr size_t kMostSymbolCharacters = 3;

bool isSetRow(const GridModel& grid, int row)
{
    return row >= 1 && row < grid.rows();
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

std::optional<std::int64_t> wholeNumber(const std::string& text)
{
    std::string t = trimmed(text);
    size_t i = t.size() > 1 && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size() || t.size() - i > 18)
        return std::nullopt;
    for (size_t j = i; j < t.size(); ++j)
        if (!std::isdigit(static_cast<unsigned char>(t[j])))
            return std::nullopt;
    return std::stoll(t);
}

void fillRecordSetGrid(GridModel& flxRekords, const RecordSetList& sets)
{
    flxRekords.beginUpdate();
    flxRekords.setRows(1);
    for (const RecordSetEntry& s : sets.all)
        flxRekords.addRow({s.naam, s.simb, s.verw, s.active ? "A" : " ", std::to_string(s.position)});
    flxRekords.endUpdate();
}

std::string pickRecordSet(const GridModel& flxRekords, int row, RecordSetListState& state)
{
    if (!isSetRow(flxRekords, row))
        return "";
    state.currentRow = row;
    return flxRekords.cell(row, setcol::Naam) + ".xls";
}

void toggleActiveMark(GridModel& flxRekords, int row, RecordSetListState& state)
{
    if (!isSetRow(flxRekords, row))
        return;
    state.currentRow = row;
    flxRekords.setCell(row, setcol::Mark, flxRekords.cell(row, setcol::Mark) == "A" ? "" : "A");
}

std::int64_t addRecordSet(GridModel& flxRekords, RecordSet& atld61, Language lang)
{
    std::int64_t reference = 0;
    for (atld61.moveFirst(); !atld61.eof(); atld61.moveNext()) {
        double verw = atld61.field("Verw").number();
        if (verw >= static_cast<double>(reference))
            reference = static_cast<std::int64_t>(verw) + 1;
    }
    const std::string name = isEnglish(lang) ? "(New)" : "(Nuut)";
    atld61.addNew();
    atld61.setField("Verw", reference);
    atld61.setField("Naam", name);
    atld61.setField("Simb", "R");
    atld61.setField("Aktief", 0);
    atld61.update();
    // The new set has the highest reference, so it also ends the table's order.
    flxRekords.addRow({name, "R", std::to_string(reference), " ", std::to_string(atld61.recordCount() - 1)});
    return reference;
}

bool removeRecordSet(GridModel& flxRekords, int row, RecordSetListState& state)
{
    if (row <= 1 || row >= flxRekords.rows())
        return false;
    if (auto reference = wholeNumber(flxRekords.cell(row, setcol::Verw)))
        state.pendingDeletions.push_back(*reference);
    flxRekords.removeItem(row);
    if (state.currentRow >= flxRekords.rows())
        state.currentRow = flxRekords.rows() - 1;
    return true;
}

RecordsResult saveRecordSets(const GridModel& flxRekords, RecordSet& atld61, RecordSet& atld60,
                             RecordSetListState& state, Language lang)
{
    const bool english = isEnglish(lang);
    struct Row {
        std::int64_t verw;
        std::string naam, simb;
        int aktief;
    };
    std::vector<Row> rows;
    std::set<std::int64_t> kept;
    for (int r = 1; r < flxRekords.rows(); ++r) {
        const std::string& naam = flxRekords.cell(r, setcol::Naam);
        const std::string& verwText = flxRekords.cell(r, setcol::Verw);
        auto verw = wholeNumber(verwText);
        if (!verw || *verw < 0)
            return RecordsResult::refused(
                english ? "The record set " + quoted(naam) + " has the reference " + quoted(verwText) +
                              ", which is not a whole number from 0 up. Nothing was saved."
                        : "Die rekordstel " + quoted(naam) + " het die verwysing " + quoted(verwText) +
                              ", wat nie 'n heelgetal van 0 af is nie. Niks is gestoor nie.",
                r);
        if (!kept.insert(*verw).second)
            return RecordsResult::refused(
                english ? "The record set " + quoted(naam) + " has the reference " + std::to_string(*verw) +
                              ", which another set already has. Nothing was saved."
                        : "Die rekordstel " + quoted(naam) + " het die verwysing " + std::to_string(*verw) +
                              ", wat 'n ander stel reeds het. Niks is gestoor nie.",
                r);
        if (trimmed(naam).empty())
            return RecordsResult::refused(english ? "The record set with the reference " + std::to_string(*verw) +
                                                        " has no name. Nothing was saved."
                                                  : "Die rekordstel met die verwysing " + std::to_string(*verw) +
                                                        " het geen naam nie. Niks is gestoor nie.",
                                          r);
        const std::string& simb = flxRekords.cell(r, setcol::Simb);
        if (characterCount(trimmed(simb)) > kMostSymbolCharacters)
            return RecordsResult::refused(english
                                              ? "The symbol " + quoted(simb) + " of the record set " + quoted(naam) +
                                                    " is longer than 3 characters. Nothing was saved."
                                              : "Die simbool " + quoted(simb) + " van die rekordstel " + quoted(naam) +
                                                    " is langer as 3 karakters. Niks is gestoor nie.",
                                          r);
        bool active = !trimmed(flxRekords.cell(r, setcol::Mark)).empty();
        rows.push_back({*verw, naam, trimmed(simb), active ? 1 : 0});
    }

    SQLite::Database& db = atld61.database();
    try {
        SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
        if (state.loadedFingerprint && atld61.tableFingerprint() != *state.loadedFingerprint)
            throw StoreError("The record sets in table Atld61 of \"" + db.getFilename() +
                                 "\" were changed by another window or program since they were loaded; nothing "
                                 "was saved.",
                             StoreError::Kind::Changed, {"Atld61", db.getFilename()});
        db.exec("DELETE FROM Atld61");
        SQLite::Statement insert(db, "INSERT INTO Atld61 (Verw, Naam, Simb, Aktief) VALUES (?, ?, ?, ?)");
        for (const Row& row : rows) {
            insert.reset();
            insert.bind(1, static_cast<int64_t>(row.verw));
            insert.bindNoCopy(2, row.naam);
            insert.bindNoCopy(3, row.simb);
            insert.bind(4, row.aktief);
            insert.exec();
        }
        // A set that is in the grid again keeps its records.
        SQLite::Statement records(atld60.database(), "DELETE FROM Atld60 WHERE Verw = ?");
        for (std::int64_t reference : state.pendingDeletions) {
            if (kept.count(reference))
                continue;
            records.reset();
            records.bind(1, static_cast<int64_t>(reference));
            records.exec();
        }
        tx.commit();
    } catch (const SQLite::Exception& e) {
        bool busy = e.getErrorCode() == SQLITE_BUSY || e.getErrorCode() == SQLITE_LOCKED;
        throw StoreError("Saving the record sets to table Atld61 in database \"" + db.getFilename() +
                             "\" failed: " + e.what(),
                         busy ? StoreError::Kind::Busy : StoreError::Kind::Other, {"Atld61", db.getFilename()});
    }
    state.pendingDeletions.clear();
    atld61.requery();
    if (state.loadedFingerprint)
        state.loadedFingerprint = atld61.tableFingerprint();
    atld60.requery();
    return {};
}

std::optional<RecordSetChoice> recordSetAt(const GridModel& flxRekords, int row)
{
    if (!isSetRow(flxRekords, row))
        return std::nullopt;
    auto reference = wholeNumber(flxRekords.cell(row, setcol::Verw));
    if (!reference)
        return std::nullopt;
    return RecordSetChoice{*reference, flxRekords.cell(row, setcol::Naam), flxRekords.cell(row, setcol::Simb)};
}

} // namespace dravik
