// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <SQLiteCpp/Database.h>

#include <string>
#include <vector>

namespace dravik {

// File names of the suite's databases, kept exactly as the suite spells them.
namespace suitefile {
inline constexpr const char* Options = "Dsd05.mdb";
inline constexpr const char* Programs = "Dsd03.MDB";
inline constexpr const char* Meeting = "Dsd00.mdb";
inline constexpr const char* Standard = "Dsd11.mdb";
inline constexpr const char* Further = "Dsd06.mdb";
inline constexpr const char* Paths = "Dsd07.mdb";
inline constexpr const char* Logo = "Own.bmp";
} // namespace suitefile

struct ColumnDef {
    std::string name;
    std::string type; // INTEGER, REAL or TEXT (dates as ISO 8601 text)
};

struct TableDef {
    std::string name;
    std::vector<ColumnDef> columns;
    std::vector<std::string> indexes; // column lists, e.g. "Verw, Tnom"
};

struct DatabaseDef {
    std::string file; // default file name in the suite folder
    std::vector<TableDef> tables;
};

// Every database of a suite folder with its tables, in one place.
const std::vector<DatabaseDef>& suiteSchema();
const DatabaseDef& schemaOf(const std::string& file);

// Creates the tables and indexes of one database in an empty database.
void createTables(SQLite::Database& db, const DatabaseDef& def);

// The open queries of the shared record sets; their order clauses decide the
// order in which every reader meets the rows.
namespace query {
inline constexpr const char* Prog = "Select * from Prog Order by Orde";
inline constexpr const char* Atld00 = "Select * from Atld00";
inline constexpr const char* Atld10 = "Select * from Atld10 order by Oud, SM, Besk";
inline constexpr const char* Atld11 = "Select * from Atld11 order by Nom";
inline constexpr const char* Atld18 = "Select * from Atld18";
inline constexpr const char* Atld19 = "Select * from Atld19";
inline constexpr const char* Atld20 = "Select * from Atld20 order by Naam";
inline constexpr const char* Atld28 = "Select * from Atld28 order by Nommer, Tnom";
inline constexpr const char* Atld30 = "Select * from Atld30 order by Span, SM, Van, Naam, Oud";
inline constexpr const char* Atld37 = "Select * from Atld37 order by Nommer, Tnom";
inline constexpr const char* Atld40 = "Select * from Atld40 order by Draws, Nommer, Sub";
inline constexpr const char* Atld60 = "Select * from Atld60 order by Tnom, Verw";
inline constexpr const char* Atld61 = "Select * from Atld61 order by Verw, Naam";
inline constexpr const char* Paths = "select * from Paths";
inline constexpr const char* Opsies = "Select * from Opsies";
} // namespace query

} // namespace dravik
