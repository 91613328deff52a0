// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RecordSet.h"

#include "platform/StoreError.h"
#include "platform/TextNumber.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <regex>

namespace dravik {

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string sqlName(std::string_view name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

// Text is bound without a copy: the values outlive the statement's step.
void bindValue(SQLite::Statement& st, int index, const FieldValue& v)
{
    const auto& raw = v.raw();
    if (std::holds_alternative<std::int64_t>(raw))
        st.bind(index, static_cast<int64_t>(std::get<std::int64_t>(raw)));
    else if (std::holds_alternative<double>(raw))
        st.bind(index, std::get<double>(raw));
    else if (std::holds_alternative<std::string>(raw))
        st.bindNoCopy(index, std::get<std::string>(raw));
    else
        st.bind(index);
}

const char* const kKeyColumn = "__record_key";

} // namespace

RecordSet::RecordSet(SQLite::Database& db, std::string query) : db_(db), query_(std::move(query))
{
    static const std::regex form(R"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)(.*)$)", std::regex::icase);
    std::smatch m;
    if (!std::regex_match(query_, m, form))
        throw StoreError("Unsupported query \"" + query_ + "\" on database \"" + db_.getFilename() + "\".");
    table_ = m[1].str();
    requery();
}

void RecordSet::fail(const std::string& what, const std::exception& e) const
{
    std::string message = what + " table " + table_ + " in database \"" + db_.getFilename() + "\" failed: " + e.what();
    auto* sqlite = dynamic_cast<const SQLite::Exception*>(&e);
    bool busy = sqlite && (sqlite->getErrorCode() == SQLITE_BUSY || sqlite->getErrorCode() == SQLITE_LOCKED);
    throw StoreError(message, busy ? StoreError::Kind::Busy : StoreError::Kind::Other, {table_, db_.getFilename()});
}

namespace {

// FNV-1a over every column's type and value of rows, in order: numbers as
// their bytes (no conversion to text), text as its bytes. The engine's own
// calls, as this runs over whole tables at each save.
struct RowHash {
    std::uint64_t hash = 1469598103934665603ull;

    void mix(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            hash ^= bytes[i];
            hash *= 1099511628211ull;
        }
    }
    void addRow(sqlite3_stmt* st)
    {
        const int columns = sqlite3_column_count(st);
        for (int c = 0; c < columns; ++c) {
            int type = sqlite3_column_type(st, c);
            mix(&type, sizeof type);
            if (type == SQLITE_INTEGER) {
                sqlite3_int64 v = sqlite3_column_int64(st, c);
                mix(&v, sizeof v);
            } else if (type == SQLITE_FLOAT) {
                double v = sqlite3_column_double(st, c);
                mix(&v, sizeof v);
            } else if (type != SQLITE_NULL) {
                const void* bytes = sqlite3_column_blob(st, c);
                int size = sqlite3_column_bytes(st, c);
                mix(&size, sizeof size);
                mix(bytes, static_cast<size_t>(size));
            }
        }
    }
};

using RawStatement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

RawStatement prepareRaw(SQLite::Database& db, const std::string& sql)
{
    sqlite3_stmt* raw = nullptr;
    if (int rc = sqlite3_prepare_v2(db.getHandle(), sql.c_str(), -1, &raw, nullptr); rc != SQLITE_OK)
        throw SQLite::Exception(db.getHandle(), rc);
    return RawStatement(raw, sqlite3_finalize);
}

} // namespace

std::uint64_t queryFingerprint(SQLite::Database& db, const std::string& sql)
{
    RawStatement query = prepareRaw(db, sql);
    RowHash hash;
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW)
        hash.addRow(query.get());
    if (rc != SQLITE_DONE)
        throw SQLite::Exception(db.getHandle(), rc);
    return hash.hash;
}

RecordSet::ChangeMark RecordSet::changeMark() const
{
    // data_version changes when another connection commits to the database;
    // total_changes when this one writes anything.
    SQLite::Statement st(db_, "PRAGMA data_version");
    st.executeStep();
    return {st.getColumn(0).getInt64(), sqlite3_total_changes64(db_.getHandle())};
}

std::uint64_t RecordSet::tableFingerprint() const
{
    try {
        // The mark is read before the rows, so that a commit in between makes
        // the next call read them again rather than trust them.
        ChangeMark mark = changeMark();
        if (fingerprint_ && mark == fingerprintMark_)
            return *fingerprint_;
        fingerprint_ = queryFingerprint(db_, "SELECT rowid, * FROM " + sqlName(table_) + " ORDER BY rowid");
        fingerprintMark_ = mark;
        return *fingerprint_;
    } catch (const SQLite::Exception& e) {
        fail("Reading", e);
    }
}

RecordSet::Row RecordSet::readRow(SQLite::Statement& st) const
{
    Row row;
    row.key = st.getColumn(0).getInt64();
    row.values.reserve(names_.size());
    for (int c = 1; c <= static_cast<int>(names_.size()); ++c) {
        SQLite::Column col = st.getColumn(c);
        if (col.isNull())
            row.values.emplace_back();
        else if (col.isInteger())
            row.values.emplace_back(static_cast<std::int64_t>(col.getInt64()));
        else if (col.isFloat())
            row.values.emplace_back(col.getDouble());
        else
            row.values.emplace_back(col.getString());
    }
    return row;
}

void RecordSet::requery()
{
    static const std::regex head(R"(^\s*select\s+\*\s+from\s+)", std::regex::icase);
    std::string sql = std::regex_replace(query_, head, std::string("SELECT rowid AS ") + kKeyColumn + ", * FROM ",
                                         std::regex_constants::format_first_only);
    try {
        SQLite::Statement st(db_, sql);
        names_.clear();
        for (int c = 1; c < st.getColumnCount(); ++c)
            names_.emplace_back(st.getColumnName(c));
        rows_.clear();
        unreadFromKey_ = -1;
        while (st.executeStep())
            rows_.push_back(readRow(st));
    } catch (const SQLite::Exception& e) {
        fail("Reading", e);
    }
    mode_ = EditMode::None;
    pending_.clear();
    moveFirst();
}

void RecordSet::moveNext()
{
    if (!eof())
        ++pos_;
}

bool RecordSet::moveTo(int position)
{
    if (position < 0 || position >= recordCount()) {
        pos_ = recordCount();
        return false;
    }
    pos_ = position;
    return true;
}

std::int64_t RecordSet::key() const
{
    if (eof())
        throw StoreError("No current row in table " + table_ + ".");
    return rows_[pos_].key;
}

int RecordSet::indexOf(std::string_view name) const
{
    // A table has a handful of fields and this runs for every field read: a scan
    // without a lowered copy of the name is the quickest; the first match wins.
    auto equal = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return x == y || ((x | 0x20) == (y | 0x20) && (x | 0x20) >= 'a' && (x | 0x20) <= 'z');
               });
    };
    for (size_t i = 0; i < names_.size(); ++i)
        if (equal(names_[i], name))
            return static_cast<int>(i);
    return -1;
}

bool RecordSet::hasField(std::string_view name) const
{
    return indexOf(name) >= 0;
}

const FieldValue& RecordSet::field(std::string_view name) const
{
    if (eof())
        throw StoreError("No current row in table " + table_ + " to read field " + std::string(name) + " from.");
    int i = indexOf(name);
    if (i < 0)
        throw StoreError("Table " + table_ + " in database \"" + db_.getFilename() + "\" has no field " +
                         std::string(name) + ".");
    return rows_[pos_].values[i];
}

std::string RecordSet::textOr(std::string_view name, std::string_view fallback) const
{
    const FieldValue& v = field(name);
    return v.present() ? v.text() : std::string(fallback);
}

double RecordSet::numberOr(std::string_view name, double fallback) const
{
    const FieldValue& v = field(name);
    return v.present() ? v.number() : fallback;
}

void RecordSet::addNew()
{
    mode_ = EditMode::Add;
    pending_.clear();
}

void RecordSet::edit()
{
    if (eof())
        throw StoreError("No current row in table " + table_ + " to edit.");
    mode_ = EditMode::Edit;
    pending_.clear();
}

void RecordSet::setField(std::string_view name, FieldValue value)
{
    if (mode_ == EditMode::None)
        throw StoreError("Table " + table_ + ": a field was set outside an add or edit.");
    if (indexOf(name) < 0)
        throw StoreError("Table " + table_ + " in database \"" + db_.getFilename() + "\" has no field " +
                         std::string(name) + ".");
    for (auto& [n, v] : pending_)
        if (lower(n) == lower(name)) {
            v = std::move(value);
            return;
        }
    pending_.emplace_back(std::string(name), std::move(value));
}

std::int64_t RecordSet::insertRows(const std::vector<FieldAssignments>& newRows)
{
    std::int64_t firstKey = -1;
    // One prepared statement per distinct field list; rows usually share one.
    std::unique_ptr<SQLite::Statement> st;
    const FieldAssignments* previous = nullptr;
    auto sameFields = [](const FieldAssignments& a, const FieldAssignments& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                                  [](const auto& x, const auto& y) { return x.first == y.first; });
    };
    for (const auto& fields : newRows) {
        if (!st || !sameFields(fields, *previous)) {
            std::string names, marks;
            for (const auto& f : fields) {
                names += (names.empty() ? "" : ", ") + sqlName(f.first);
                marks += marks.empty() ? "?" : ", ?";
            }
            st = std::make_unique<SQLite::Statement>(
                db_, fields.empty() ? "INSERT INTO " + sqlName(table_) + " DEFAULT VALUES"
                                    : "INSERT INTO " + sqlName(table_) + " (" + names + ") VALUES (" + marks + ")");
        }
        previous = &fields;
        st->reset();
        for (size_t i = 0; i < fields.size(); ++i)
            bindValue(*st, static_cast<int>(i + 1), fields[i].second);
        st->exec();
        if (firstKey < 0)
            firstKey = db_.getLastInsertRowid();
    }
    return firstKey;
}

std::vector<RecordSet::Row>& RecordSet::rows() const
{
    if (unreadFromKey_ >= 0) {
        std::int64_t from = unreadFromKey_;
        unreadFromKey_ = -1;
        try {
            loadKeysFrom(from, rows_);
        } catch (const SQLite::Exception& e) {
            fail("Reading", e);
        }
    }
    return rows_;
}

void RecordSet::loadKeysFrom(std::int64_t firstKey, std::vector<Row>& into) const
{
    SQLite::Statement st(db_, std::string("SELECT rowid AS ") + kKeyColumn + ", * FROM " + sqlName(table_) +
                                  " WHERE rowid >= ? ORDER BY rowid");
    st.bind(1, static_cast<int64_t>(firstKey));
    while (st.executeStep())
        into.push_back(readRow(st));
}

void RecordSet::update()
{
    try {
        if (mode_ == EditMode::Add) {
            std::int64_t key = insertRows({pending_});
            std::vector<Row> added;
            loadKeysFrom(key, added);
            if (!added.empty())
                rows().push_back(std::move(added.front()));
        } else if (mode_ == EditMode::Edit) {
            if (!pending_.empty()) {
                std::string sets;
                for (const auto& [name, value] : pending_)
                    sets += (sets.empty() ? "" : ", ") + sqlName(name) + " = ?";
                SQLite::Statement st(db_, "UPDATE " + sqlName(table_) + " SET " + sets + " WHERE rowid = ?");
                int i = 1;
                for (const auto& [name, value] : pending_)
                    bindValue(st, i++, value);
                st.bind(i, static_cast<int64_t>(rows_[pos_].key));
                st.exec();
                for (const auto& [name, value] : pending_)
                    rows_[pos_].values[indexOf(name)] = value;
            }
        }
    } catch (const SQLite::Exception& e) {
        mode_ = EditMode::None;
        pending_.clear();
        fail("Writing to", e);
    }
    mode_ = EditMode::None;
    pending_.clear();
}

void RecordSet::cancelUpdate()
{
    mode_ = EditMode::None;
    pending_.clear();
}

void RecordSet::deleteCurrent()
{
    if (eof())
        throw StoreError("No current row in table " + table_ + " to delete.");
    try {
        SQLite::Statement st(db_, "DELETE FROM " + sqlName(table_) + " WHERE rowid = ?");
        st.bind(1, static_cast<int64_t>(rows_[pos_].key));
        st.exec();
    } catch (const SQLite::Exception& e) {
        fail("Deleting from", e);
    }
    rows_.erase(rows_.begin() + pos_);
}

std::uint64_t RecordSet::rewriteTable(const std::vector<FieldAssignments>& newRows,
                                      std::optional<std::uint64_t> expected)
{
    // On failure the transaction restores the earlier rows with their keys, so
    // rows not read yet stay readable from the same key. The write lock is
    // taken at the start, so that nobody changes the table between the check
    // and the rewrite.
    std::uint64_t written = 0;
    try {
        SQLite::Transaction tx(db_, SQLite::TransactionBehavior::IMMEDIATE);
        if (expected && tableFingerprint() != *expected)
            throw StoreError("Table " + table_ + " in database \"" + db_.getFilename() +
                                 "\" was changed by another window or program since it was loaded; nothing was "
                                 "saved.",
                             StoreError::Kind::Changed, {table_, db_.getFilename()});
        db_.exec("DELETE FROM " + sqlName(table_));
        std::int64_t firstKey = insertRows(newRows);
        written = tableFingerprint();
        tx.commit();
        rows_.clear();
        unreadFromKey_ = firstKey;
    } catch (const SQLite::Exception& e) {
        fail("Rewriting", e);
    }
    mode_ = EditMode::None;
    pending_.clear();
    moveFirst();
    return written;
}

void RecordSet::appendRows(const std::vector<FieldAssignments>& newRows)
{
    std::vector<Row> added;
    try {
        SQLite::Transaction tx(db_);
        std::int64_t firstKey = insertRows(newRows);
        if (firstKey >= 0)
            loadKeysFrom(firstKey, added);
        tx.commit();
    } catch (const SQLite::Exception& e) {
        fail("Adding rows to", e);
    }
    auto& all = rows();
    for (auto& r : added)
        all.push_back(std::move(r));
}

} // namespace dravik
