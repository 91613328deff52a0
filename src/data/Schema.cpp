// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Schema.h"

#include "platform/StoreError.h"

namespace dravik {

namespace {

std::vector<ColumnDef> cols(std::initializer_list<std::pair<const char*, const char*>> list)
{
    std::vector<ColumnDef> out;
    for (auto& [n, t] : list)
        out.push_back({n, t});
    return out;
}

std::vector<ColumnDef> definitionColumns()
{
    return cols({{"Nommer", "INTEGER"},
                 {"Tipe", "INTEGER"},
                 {"SM", "TEXT"},
                 {"Oud", "INTEGER"},
                 {"besk", "INTEGER"},
                 {"Nota", "TEXT"},
                 {"Amp", "TEXT"}});
}

std::vector<ColumnDef> catalogueColumns()
{
    return cols({{"Nom", "INTEGER"}, {"Bske", "TEXT"}, {"Bska", "TEXT"}});
}

std::vector<DatabaseDef> buildSchema()
{
    return {
        {suitefile::Options, {{"Opsies", cols({{"Taal", "INTEGER"}}), {}}}},
        {suitefile::Programs,
         {{"Prog",
           cols({{"Orde", "INTEGER"},
                 {"Afr", "TEXT"},
                 {"AfrT", "TEXT"},
                 {"AfrP", "TEXT"},
                 {"Eng", "TEXT"},
                 {"EngT", "TEXT"},
                 {"EngP", "TEXT"},
                 {"Aktief", "INTEGER"}}),
           {"Orde"}}}},
        {suitefile::Meeting,
         {
             {"Atld00",
              cols({{"Plek", "TEXT"},
                    {"Opm", "TEXT"},
                    {"MinGrens", "INTEGER"},
                    {"MaxGrens", "INTEGER"},
                    {"Datum", "TEXT"},
                    {"Datum2", "TEXT"},
                    {"Datum3", "TEXT"},
                    {"Dae", "INTEGER"}}),
              {}},
             {"Atld20", cols({{"Nommer", "INTEGER"}, {"Naam", "TEXT"}, {"Afkort", "TEXT"}}), {"Naam"}},
             {"Atld28",
              cols({{"Nommer", "INTEGER"},
                    {"Tnom", "INTEGER"},
                    {"Uvlak", "INTEGER"},
                    {"Been", "INTEGER"},
                    {"Baan", "INTEGER"}}),
              {"Tnom", "Nommer, Tnom"}},
             {"Atld30",
              cols({{"Span", "TEXT"},
                    {"SpanNo", "INTEGER"},
                    {"Nommer", "INTEGER"},
                    {"SM", "TEXT"},
                    {"Van", "TEXT"},
                    {"Naam", "TEXT"},
                    {"Oud", "INTEGER"}}),
              {"SpanNo, Nommer"}},
             {"Atld37",
              cols({{"Nommer", "INTEGER"},
                    {"Tnom", "INTEGER"},
                    {"Uvlak", "INTEGER"},
                    {"Been", "INTEGER"},
                    {"Baan", "INTEGER"}}),
              {"Tnom", "Nommer, Tnom"}},
             {"Atld40",
              cols({{"Tabverw", "REAL"},
                    {"UFvlak", "REAL"},
                    {"Nommer", "REAL"},
                    {"Sub", "TEXT"},
                    {"Tyd", "TEXT"},
                    {"Punt", "TEXT"},
                    {"Invoer", "TEXT"},
                    {"HE", "TEXT"},
                    {"Wind", "REAL"},
                    {"Draws", "REAL"}}),
              {"Draws, Nommer, Sub"}},
             {"Atld60",
              cols({{"Verw", "INTEGER"},
                    {"Tnom", "INTEGER"},
                    {"Rek", "REAL"},
                    {"Van", "TEXT"},
                    {"Naam", "TEXT"},
                    {"Span", "TEXT"},
                    {"Plek", "TEXT"},
                    {"Datum", "TEXT"},
                    {"Jaar", "INTEGER"}}),
              {"Tnom, Verw", "Verw, Tnom"}},
             {"Atld61",
              cols({{"Verw", "INTEGER"}, {"Naam", "TEXT"}, {"Simb", "TEXT"}, {"Aktief", "INTEGER"}}),
              {"Verw, Naam"}},
         }},
        {suitefile::Standard,
         {{"Atld10", definitionColumns(), {"Oud, SM, besk", "Nommer"}}, {"Atld11", catalogueColumns(), {"Nom"}}}},
        {suitefile::Further, {{"Atld18", catalogueColumns(), {}}, {"Atld19", definitionColumns(), {}}}},
        {suitefile::Paths,
         {{"Paths",
           cols({{"Word", "TEXT"},
                 {"Excel", "TEXT"},
                 {"Data", "TEXT"},
                 {"Import", "TEXT"},
                 {"Prog", "TEXT"},
                 {"WP", "TEXT"},
                 {"SH", "TEXT"}}),
           {}}}},
    };
}

} // namespace

const std::vector<DatabaseDef>& suiteSchema()
{
    static const std::vector<DatabaseDef> schema = buildSchema();
    return schema;
}

const DatabaseDef& schemaOf(const std::string& file)
{
    for (const auto& def : suiteSchema())
        if (def.file == file)
            return def;
    throw StoreError("No database \"" + file + "\" is known to the suite.");
}

void createTables(SQLite::Database& db, const DatabaseDef& def)
{
    for (const auto& table : def.tables) {
        std::string sql = "CREATE TABLE " + table.name + " (";
        for (size_t i = 0; i < table.columns.size(); ++i)
            sql += (i ? ", " : "") + table.columns[i].name + " " + table.columns[i].type;
        db.exec(sql + ")");
        int n = 0;
        for (const auto& index : table.indexes)
            db.exec("CREATE INDEX " + table.name + "_ix" + std::to_string(++n) + " ON " + table.name + " (" + index +
                    ")");
    }
}

} // namespace dravik
