// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/FolderSettings.h"
#include "data/SuiteFolders.h"
#include "platform/RecordSet.h"

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace dravik {

// Reads the language option (Opsies.Taal in Dsd05.mdb): non-zero is English.
int readLanguageOption(const std::string& programFolder);

// The meeting database's path from the Prog row with Orde 13: its folder Afr and
// file AfrT, or Dsd00.mdb in the program folder when either is blank or there is no such row.
std::string meetingDatabasePath(RecordSet& prog, const std::string& programFolder);

// Every database of the suite with one open record set per table, kept for the
// life of the program. Opening fails with StoreError naming the file or table.
class DataStore {
public:
    // programFolder ends with a separator (one is added when missing).
    static std::unique_ptr<DataStore> open(const std::string& programFolder);

    const std::string& programFolder() const { return programFolder_; }
    const std::string& meetingPath() const { return meetingPath_; }
    const FolderSettings& folders() const { return folders_; }
    // The stored Data and Import folders that point out of this suite (see
    // resolveMovedFolders); folders() already holds the ones used instead.
    const std::vector<MovedFolder>& movedFolders() const { return movedFolders_; }
    // Stores the folders used instead in the Paths table, in the form the
    // suite's other modules read (ending with a separator).
    void correctMovedFolders();

    RecordSet& atld00() { return *atld00_; }
    RecordSet& atld10() { return *atld10_; }
    RecordSet& atld11() { return *atld11_; }
    RecordSet& atld18() { return *atld18_; }
    RecordSet& atld19() { return *atld19_; }
    RecordSet& atld20() { return *atld20_; }
    RecordSet& atld28() { return *atld28_; }
    RecordSet& atld30() { return *atld30_; }
    RecordSet& atld37() { return *atld37_; }
    RecordSet& atld40() { return *atld40_; }
    RecordSet& atld60() { return *atld60_; }
    RecordSet& atld61() { return *atld61_; }
    RecordSet& paths() { return *paths_; }
    SQLite::Database& meetingDatabase() { return *meeting_; }

private:
    DataStore() = default;

    std::string programFolder_;
    std::string meetingPath_;
    FolderSettings folders_;
    std::vector<MovedFolder> movedFolders_;
    std::unique_ptr<SQLite::Database> meeting_, standard_, further_, pathsDb_;
    std::unique_ptr<RecordSet> atld00_, atld10_, atld11_, atld18_, atld19_, atld20_, atld28_, atld30_, atld37_, atld40_,
        atld60_, atld61_, paths_;
};

} // namespace dravik
