// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DataStore.h"

#include "data/Schema.h"
#include "platform/Database.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"

namespace dravik {

namespace {

const char* const kSetupHint = " To create a suite folder, run: dravik setup FOLDER (add --demo for a sample meeting).";

std::unique_ptr<SQLite::Database> openSuiteFile(const std::string& path)
{
    try {
        return openDatabase(path);
    } catch (const StoreError& e) {
        throw StoreError(e.what() + std::string(kSetupHint));
    }
}

std::unique_ptr<RecordSet> openSet(SQLite::Database& db, const char* query)
{
    try {
        return std::make_unique<RecordSet>(db, query);
    } catch (const StoreError& e) {
        throw StoreError(e.what() + std::string(kSetupHint));
    }
}

} // namespace

int readLanguageOption(const std::string& programFolder)
{
    std::string folder = withTrailingSeparator(programFolder);
    auto db = openSuiteFile(folder + suitefile::Options);
    RecordSet opsies(*db, query::Opsies);
    opsies.moveFirst();
    if (opsies.eof())
        return 1;
    return opsies.numberOr("Taal", 1) != 0 ? 1 : 0;
}

std::string meetingDatabasePath(RecordSet& prog, const std::string& programFolder)
{
    std::string folder = programFolder;
    std::string file = suitefile::Meeting;
    for (prog.moveFirst(); !prog.eof(); prog.moveNext()) {
        if (prog.field("Orde").number() != 13)
            continue;
        std::string afr = prog.field("Afr").text();
        std::string afrT = prog.field("AfrT").text();
        if (!trimmed(afr).empty() && !trimmed(afrT).empty()) {
            folder = withTrailingSeparator(afr);
            file = afrT;
        } else {
            folder = programFolder;
            file = suitefile::Meeting;
        }
    }
    return folder + file;
}

std::unique_ptr<DataStore> DataStore::open(const std::string& programFolder)
{
    std::unique_ptr<DataStore> store(new DataStore());
    store->programFolder_ = withTrailingSeparator(programFolder);
    const std::string& dir = store->programFolder_;
    {
        auto programs = openSuiteFile(dir + suitefile::Programs);
        RecordSet prog(*programs, query::Prog);
        store->meetingPath_ = meetingDatabasePath(prog, dir);
    }
    store->meeting_ = openSuiteFile(store->meetingPath_);
    store->standard_ = openSuiteFile(dir + suitefile::Standard);
    store->further_ = openSuiteFile(dir + suitefile::Further);
    store->pathsDb_ = openSuiteFile(dir + suitefile::Paths);

    auto& s = *store;
    s.atld00_ = openSet(*s.meeting_, query::Atld00);
    s.atld10_ = openSet(*s.standard_, query::Atld10);
    s.atld11_ = openSet(*s.standard_, query::Atld11);
    s.atld18_ = openSet(*s.further_, query::Atld18);
    s.atld19_ = openSet(*s.further_, query::Atld19);
    s.atld20_ = openSet(*s.meeting_, query::Atld20);
    s.atld28_ = openSet(*s.meeting_, query::Atld28);
    s.atld30_ = openSet(*s.meeting_, query::Atld30);
    s.atld37_ = openSet(*s.meeting_, query::Atld37);
    s.atld40_ = openSet(*s.meeting_, query::Atld40);
    s.atld60_ = openSet(*s.meeting_, query::Atld60);
    s.atld61_ = openSet(*s.meeting_, query::Atld61);
    s.paths_ = openSet(*s.pathsDb_, query::Paths);
    s.folders_ = readFolderSettings(*s.paths_);
    s.movedFolders_ = resolveMovedFolders(s.folders_, s.programFolder_);
    return store;
}

void DataStore::correctMovedFolders()
{
    paths_->moveFirst();
    if (paths_->eof())
        return;
    paths_->edit();
    for (const MovedFolder& m : movedFolders_)
        if (!m.used.empty())
            paths_->setField(m.field, m.used);
    paths_->update();
    std::erase_if(movedFolders_, [](const MovedFolder& m) { return !m.used.empty(); });
}

} // namespace dravik
