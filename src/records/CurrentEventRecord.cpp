// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CurrentEventRecord.h"

#include "platform/Database.h"
#include "platform/RecordSet.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "records/RecordTexts.h"

#include <SQLiteCpp/Statement.h>

namespace dravik {

namespace {

[[noreturn]] void failed(const char* what, SQLite::Database& db, const SQLite::Exception& e)
{
    throw StoreError(std::string(what) + " table Atld60 in database \"" + db.getFilename() + "\" failed: " + e.what());
}

} // namespace

CurrentEventRecord readCurrentEventRecord(RecordSet& atld60, double setReference, double definitionNumber,
                                          int eventType)
{
    CurrentEventRecord out;
    out.eventType = eventType;
    out.setReference = setReference;
    out.definitionNumber = definitionNumber;
    SQLite::Database& db = atld60.database();
    try {
        SQLite::Statement st(db, "SELECT rowid, Naam, Van, Plek, Jaar, Rek FROM Atld60 WHERE Verw = ? AND Tnom = ? "
                                 "ORDER BY rowid LIMIT 1");
        st.bind(1, setReference);
        st.bind(2, definitionNumber);
        if (!st.executeStep())
            return out;
        out.found = true;
        out.key = st.getColumn(0).getInt64();
        out.fields.naam = columnText(st.getColumn(1));
        out.fields.van = columnText(st.getColumn(2));
        out.fields.plek = columnText(st.getColumn(3));
        out.fields.jaar = columnText(st.getColumn(4));
        SQLite::Column rek = st.getColumn(5);
        out.fields.record = rek.isNull() ? "" : recordFieldText(textToNumber(columnText(rek)));
    } catch (const SQLite::Exception& e) {
        failed("Reading", db, e);
    }
    return out;
}

RecordsResult saveCurrentEventRecord(RecordSet& atld60, const CurrentEventRecord& read, const RecordFields& typed,
                                     Language lang)
{
    const bool english = isEnglish(lang);
    if (!read.found)
        return RecordsResult::refused(english ? "Read a record first: only a record that was found can be saved."
                                              : "Lees eers 'n rekord: net 'n rekord wat gevind is, kan gestoor word.");
    const bool sameRecord = typed.record == read.fields.record;
    std::optional<double> value;
    if (!sameRecord) {
        value = readRecordText(typed.record, read.eventType);
        if (!value) {
            const std::string shown = "\"" + trimmed(typed.record) + "\"";
            if (isTimedEvent(read.eventType))
                return RecordsResult::refused(english ? "The record " + shown +
                                                            " is neither a number above 0 nor a time such as 1:05.3. "
                                                            "Nothing was saved."
                                                      : "Die rekord " + shown +
                                                            " is nie 'n getal bo 0 of 'n tyd soos 1:05.3 nie. "
                                                            "Niks is gestoor nie.");
            return RecordsResult::refused(english ? "The record " + shown +
                                                        " is not a number above 0 (this event is measured). "
                                                        "Nothing was saved."
                                                  : "Die rekord " + shown +
                                                        " is nie 'n getal bo 0 nie (hierdie item word gemeet). "
                                                        "Niks is gestoor nie.");
        }
    }
    if (!isRecordYear(typed.jaar))
        return RecordsResult::refused(
            english
                ? "The year \"" + trimmed(typed.jaar) + "\" is not a year of four digits. Nothing was saved."
                : "Die jaar \"" + trimmed(typed.jaar) + "\" is nie 'n jaar van vier syfers nie. Niks is gestoor nie.");
    SQLite::Database& db = atld60.database();
    try {
        SQLite::Statement st(db, sameRecord ? "UPDATE Atld60 SET Naam = ?, Van = ?, Plek = ?, Jaar = ? WHERE rowid = ?"
                                            : "UPDATE Atld60 SET Naam = ?, Van = ?, Plek = ?, Jaar = ?, Rek = ? "
                                              "WHERE rowid = ?");
        st.bind(1, typed.naam);
        st.bind(2, typed.van);
        st.bind(3, typed.plek);
        if (trimmed(typed.jaar).empty())
            st.bind(4);
        else
            st.bind(4, trimmed(typed.jaar));
        int next = 5;
        if (!sameRecord)
            st.bind(next++, *value);
        st.bind(next, static_cast<int64_t>(read.key));
        if (st.exec() == 0)
            return RecordsResult::refused(english ? "The record is no longer in the table. Read it again."
                                                  : "Die rekord is nie meer in die tabel nie. Lees dit weer.");
    } catch (const SQLite::Exception& e) {
        failed("Writing to", db, e);
    }
    atld60.requery();
    return {};
}

} // namespace dravik
