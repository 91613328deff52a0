// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WebFolderSetting.h"

#include "data/FolderSettings.h"
#include "data/Schema.h"
#include "platform/Database.h"
#include "platform/StoreError.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace dravik {

namespace {

constexpr const char* kTable = "DravikWeb";

std::string optionsFile(const std::string& programFolder)
{
    return withTrailingSeparator(programFolder) + suitefile::Options;
}

} // namespace

std::string readWebFolderSetting(const std::string& programFolder)
{
    auto db = openDatabase(optionsFile(programFolder));
    if (!db->tableExists(kTable))
        return {};
    SQLite::Statement folder(*db, std::string("SELECT Folder FROM ") + kTable + " LIMIT 1");
    return folder.executeStep() && !folder.getColumn(0).isNull() ? folder.getColumn(0).getString() : std::string();
}

void writeWebFolderSetting(const std::string& programFolder, const std::string& folder)
{
    const std::string file = optionsFile(programFolder);
    auto db = openDatabase(file);
    try {
        SQLite::Transaction tx(*db);
        db->exec(std::string("CREATE TABLE IF NOT EXISTS ") + kTable + " (Folder TEXT)");
        db->exec(std::string("DELETE FROM ") + kTable);
        SQLite::Statement insert(*db, std::string("INSERT INTO ") + kTable + " (Folder) VALUES (?)");
        insert.bind(1, folder);
        insert.exec();
        tx.commit();
    } catch (const SQLite::Exception& e) {
        throw StoreError("The web folder was not stored in \"" + file + "\": " + e.what());
    }
}

} // namespace dravik
