// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Database.h"

#include "platform/StoreError.h"
#include "platform/TextNumber.h"

namespace dravik {

std::unique_ptr<SQLite::Database> openDatabase(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw StoreError("Database file \"" + file.string() + "\" does not exist.");
    try {
        auto db = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE);
        db->exec("PRAGMA foreign_keys = OFF");
        // A write of another window or program in progress is waited for a moment
        // before the write here gives up as busy.
        db->setBusyTimeout(3000);
        // Touch the schema so that a file that is not a database fails here.
        db->execAndGet("SELECT count(*) FROM sqlite_master");
        return db;
    } catch (const SQLite::Exception& e) {
        throw StoreError("Database file \"" + file.string() + "\" cannot be opened: " + e.what());
    }
}

std::unique_ptr<SQLite::Database> createDatabase(const std::filesystem::path& file)
{
    std::error_code ec;
    if (std::filesystem::exists(file, ec))
        throw StoreError("File \"" + file.string() + "\" already exists; it was left as it is.");
    try {
        return std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    } catch (const SQLite::Exception& e) {
        throw StoreError("Database file \"" + file.string() + "\" cannot be created: " + e.what());
    }
}

std::string columnText(const SQLite::Column& c)
{
    if (c.isNull())
        return "";
    if (c.isInteger())
        return std::to_string(c.getInt64());
    if (c.isFloat())
        return formatNumber(c.getDouble());
    return c.getString();
}

} // namespace dravik
