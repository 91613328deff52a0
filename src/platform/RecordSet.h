// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/FieldValue.h"

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace dravik {

// A fingerprint of the rows a query gives (every column's type and text, in the
// query's order): it changes when any program changes those rows. Throws
// SQLite::Exception.
std::uint64_t queryFingerprint(SQLite::Database& db, const std::string& sql);

// Field name and value, in the order the fields are set.
using FieldAssignments = std::vector<std::pair<std::string, FieldValue>>;

// An open record set on one table: the rows of a "Select * from Table ..." query
// in the query's order, a current row with a 0-based absolute position, and
// writes that go straight to the table. Rows added while the set is open
// appear at its end; the query is not run again until requery().
// Field names are matched without regard to case, as the suite's tables were.
class RecordSet {
public:
    RecordSet(SQLite::Database& db, std::string query);

    const std::string& table() const { return table_; }
    const std::string& query() const { return query_; }
    SQLite::Database& database() { return db_; }

    int recordCount() const { return static_cast<int>(rows().size()); }
    bool eof() const { return pos_ < 0 || pos_ >= recordCount(); }
    void moveFirst() { pos_ = rows().empty() ? -1 : 0; }
    void moveNext();
    void moveLast() { pos_ = recordCount() - 1; }
    // Moves to a 0-based position; false (and end of set) when there is no such row.
    bool moveTo(int position);
    // 0-based position of the current row; -1 at the end of the set.
    int absolutePosition() const { return eof() ? -1 : pos_; }
    // Stable key of the current row (its rowid), valid after deletions of others.
    std::int64_t key() const;

    bool hasField(std::string_view name) const;
    const std::vector<std::string>& fieldNames() const { return names_; }
    // Field of the current row. Throws StoreError at the end of the set or for an unknown field.
    const FieldValue& field(std::string_view name) const;
    // The field-present rule: the field's text when its trimmed text is not empty, else the default.
    std::string textOr(std::string_view name, std::string_view fallback) const;
    double numberOr(std::string_view name, double fallback) const;

    // Add a row: addNew(), setField() for each field, update().
    void addNew();
    // Change the current row: edit(), setField() ..., update().
    void edit();
    void setField(std::string_view name, FieldValue value);
    void update();
    void cancelUpdate();
    // Deletes the current row; the set is then at the row that followed it.
    void deleteCurrent();

    // A fingerprint of every stored row of the table (keys and values), read
    // from the table itself: it changes when any program changes the table.
    // The rows are read again only when the database changed since the last
    // call (another connection committed, or this one wrote).
    std::uint64_t tableFingerprint() const;

    // Replaces every row of the table by the given rows in one transaction.
    // With an expected fingerprint the transaction first checks that the table
    // is still what the caller loaded, and throws StoreError of kind Changed
    // when it is not. On failure the table and this set are as they were, and
    // StoreError is thrown (kind Busy while another connection writes).
    // Afterwards the set holds the new rows in the order given, at the first
    // row; returns the table's new fingerprint.
    std::uint64_t rewriteTable(const std::vector<FieldAssignments>& newRows,
                               std::optional<std::uint64_t> expected = std::nullopt);
    // Adds rows at the end of the table and of this set in one transaction.
    void appendRows(const std::vector<FieldAssignments>& newRows);

    // Runs the query again (rows in query order) and moves to the first row.
    void requery();

private:
    struct Row {
        std::int64_t key = 0;
        std::vector<FieldValue> values;
    };
    enum class EditMode { None, Add, Edit };

    int indexOf(std::string_view name) const;
    // The rows, read from the table first when a rewrite left them unread.
    std::vector<Row>& rows() const;
    [[noreturn]] void fail(const std::string& what, const std::exception& e) const;
    Row readRow(SQLite::Statement& st) const;
    void loadKeysFrom(std::int64_t firstKey, std::vector<Row>& into) const;
    // Inserts the rows in order; returns the key of the first, or -1 for none.
    std::int64_t insertRows(const std::vector<FieldAssignments>& newRows);

    struct ChangeMark {
        std::int64_t dataVersion = -1, ownChanges = -1;
        bool operator==(const ChangeMark&) const = default;
    };
    ChangeMark changeMark() const;

    SQLite::Database& db_;
    mutable std::optional<std::uint64_t> fingerprint_;
    mutable ChangeMark fingerprintMark_;
    std::string query_;
    std::string table_;
    std::vector<std::string> names_;
    // A rewrite does not read its rows back at once: the first access after
    // it reads the rows from this key on, in the order they were written.
    mutable std::vector<Row> rows_;
    mutable std::int64_t unreadFromKey_ = -1;
    int pos_ = -1;
    EditMode mode_ = EditMode::None;
    FieldAssignments pending_;
};

} // namespace dravik
