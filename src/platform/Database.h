#pragma once
#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <memory>

namespace dravik {

// Opens an existing database file for reading and writing. Throws StoreError
// naming the file when it is missing or is not a database.
std::unique_ptr<SQLite::Database> openDatabase(const std::filesystem::path& file);

// Creates a new, empty database file. Throws StoreError when the file exists.
std::unique_ptr<SQLite::Database> createDatabase(const std::filesystem::path& file);

} // namespace dravik
