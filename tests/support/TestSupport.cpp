// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestSupport.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdlib>
#include <stdexcept>

namespace dravik::test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "dravik-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> queryRows(SQLite::Database& db, const std::string& sql)
{
    SQLite::Statement st(db, sql);
    std::vector<std::string> rows;
    while (st.executeStep()) {
        std::string line;
        for (int c = 0; c < st.getColumnCount(); ++c)
            line += (c ? "|" : "") + st.getColumn(c).getString();
        rows.push_back(line);
    }
    return rows;
}

} // namespace dravik::test
