// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace SQLite {
class Database;
}

namespace dravik::test {

// A fresh folder under the system's temporary folder, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing separator, as the program folder is held.
    std::string folder() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

// The rows a query gives, each as its columns' texts joined by "|".
std::vector<std::string> queryRows(SQLite::Database& db, const std::string& sql);

} // namespace dravik::test
