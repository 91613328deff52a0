// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <memory>
#include <string>

namespace dravik {

// Opens an existing database file for reading and writing. Throws StoreError
// naming the file when it is missing or is not a database.
std::unique_ptr<SQLite::Database> openDatabase(const std::filesystem::path& file);

// Creates a new, empty database file. Throws StoreError when the file exists.
std::unique_ptr<SQLite::Database> createDatabase(const std::filesystem::path& file);

// A result column as the grids show it: whole numbers without a fraction, other
// numbers in their shortest form, NULL as empty text.
std::string columnText(const SQLite::Column& column);

} // namespace dravik
