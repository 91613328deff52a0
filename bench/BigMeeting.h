// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The large meeting the ratio benchmarks share: 1,000 programme rows over three
// days and 20,000 entries, 200 teams of 100 athletes, two active record sets.
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/SuiteSetup.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "printing/Printouts.h"
#include "programme/ProgrammeRow.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace dravik::bench {

// A large meeting opened as the program opens it, with the programme grid loaded.
struct BigMeeting {
    std::unique_ptr<DataStore> store;
    EventReference reference;
    MeetingDetails meeting;
    GridModel grid;

    printing::PrintSources sources() const
    {
        return {grid,
                reference,
                meeting,
                *store,
                store->programFolder() + suitefile::Logo,
                printing::programmeDocumentPath(store->folders())};
    }
};

// The meeting's rows: see buildBigMeeting.
inline void writeBigMeeting(SQLite::Database& db, const std::vector<EventDefinition>& defs, int events, int entries)
{
    const int teams = 200, athletesPerTeam = 100;
    SQLite::Transaction tx(db);
    db.exec("UPDATE Atld00 SET Opm = 'Big Games', Plek = 'Pretoria', Dae = 3");
    SQLite::Statement team(db, "INSERT INTO Atld20 (Nommer, Naam, Afkort) VALUES (?, ?, ?)");
    SQLite::Statement athlete(db, "INSERT INTO Atld30 (Span, SpanNo, Nommer, SM, Van, Naam, Oud) "
                                  "VALUES (?, ?, ?, 'S', ?, ?, 14)");
    for (int t = 1; t <= teams; ++t) {
        team.reset();
        team.bind(1, t);
        team.bind(2, "School " + std::to_string(t));
        team.bind(3, "S" + std::to_string(t));
        team.exec();
        for (int a = 1; a <= athletesPerTeam; ++a) {
            athlete.reset();
            athlete.bind(1, "School " + std::to_string(t));
            athlete.bind(2, t);
            athlete.bind(3, a);
            athlete.bind(4, "Surname" + std::to_string(a));
            athlete.bind(5, "Name" + std::to_string(t));
            athlete.exec();
        }
    }
    db.exec("INSERT INTO Atld61 (Verw, Naam, Simb, Aktief) VALUES (1, 'School', 'S', 1), (2, 'Province', 'P', 1)");
    SQLite::Statement programme(db, "INSERT INTO Atld40 (Tabverw, UFvlak, Nommer, Sub, Tyd, Punt, Invoer, HE, "
                                    "Wind, Draws) VALUES (?, ?, ?, '', ?, 'A  ', '', 'E', 0, ?)");
    SQLite::Statement record(db, "INSERT INTO Atld60 (Verw, Tnom, Rek, Naam, Van, Span, Plek, Datum, Jaar) "
                                 "VALUES (?, ?, ?, 'Ann', 'Lee', 'School 1', 'Pretoria', '2019-04-05', 2019)");
    SQLite::Statement individual(db, "INSERT INTO Atld37 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)");
    SQLite::Statement teamEntry(db, "INSERT INTO Atld28 (Nommer, Tnom, Uvlak, Been, Baan) VALUES (?, ?, ?, ?, ?)");
    int code = 0;
    for (int e = 0; e < events; ++e) {
        const EventDefinition& d = defs[e % defs.size()];
        const int level = static_cast<int>(e / defs.size()) % 11; // each event its own definition and level
        programme.reset();
        programme.bind(1, d.nommer);
        programme.bind(2, double(level));
        programme.bind(3, double(e + 1));
        char time[6];
        std::snprintf(time, sizeof time, "%02d:%02d", 8 + (e / 4) % 10, (e * 15) % 60);
        programme.bind(4, time);
        programme.bind(5, double(1 + e * 3 / events));
        programme.exec();
        if (e < static_cast<int>(defs.size()))
            for (int set = 1; set <= 2; ++set) {
                record.reset();
                record.bind(1, set);
                record.bind(2, d.nommer);
                record.bind(3, 10.0 + set + e % 50);
                record.exec();
            }
        const int perEvent = entries / events + (e < entries % events ? 1 : 0);
        for (int i = 0; i < perEvent; ++i) {
            SQLite::Statement& st = d.tipe == 3 ? teamEntry : individual;
            code = code % (teams * athletesPerTeam) + 1;
            int nommer = d.tipe == 3 ? 1 + (e + i) % teams
                                     : ((code - 1) / athletesPerTeam + 1) * 1000 + (code - 1) % athletesPerTeam + 1;
            st.reset();
            st.bind(1, nommer);
            st.bind(2, d.nommer);
            st.bind(3, level);
            st.bind(4, 1 + i / 8);
            st.bind(5, 8 - i % 8);
            st.exec();
        }
    }
    tx.commit();
}

// Creates a suite in `dir` (an empty folder) whose meeting has `events`
// programme rows over three days and `entries` entries spread evenly over
// them (team entries for relays), 200 teams of athletes, and two active
// record sets with a record for every event. Then opens it.
inline BigMeeting buildBigMeeting(const std::filesystem::path& dir, int events = 1000, int entries = 20000)
{
    createSuiteFolder(dir.string(), false);
    std::vector<EventDefinition> defs;
    {
        auto standard = openDatabase(dir / suitefile::Standard);
        auto further = openDatabase(dir / suitefile::Further);
        RecordSet atld10(*standard, query::Atld10), atld19(*further, query::Atld19);
        DefinitionList list = LoadEventDefinitions(atld10, atld19);
        for (int i = 0; i < list.count(); ++i)
            defs.push_back(list.at(i));
    }
    writeBigMeeting(*openDatabase(dir / suitefile::Meeting), defs, events, entries);

    BigMeeting big;
    big.store = DataStore::open(dir.string());
    DataStore& s = *big.store;
    big.reference = loadEventReference(s.atld10(), s.atld19(), s.atld11(), s.atld18());
    s.atld00().moveFirst();
    big.meeting = LoadMeetingDetails(s.atld00());
    setupProgrammeGrid(big.grid, Language::English);
    loadProgrammeGrid(s.atld40(), big.reference, Language::English, big.grid);
    return big;
}

// The baseline the ratio benchmarks measure against: every column of every
// individual entry read once in SQLite's own order.
inline void scanEntries(SQLite::Database& db)
{
    SQLite::Statement st(db, query::Atld37);
    size_t sum = 0;
    while (st.executeStep())
        for (int c = 0; c < st.getColumnCount(); ++c)
            sum += st.getColumn(c).getString().size();
    if (sum == 0)
        std::abort();
}

} // namespace dravik::bench
