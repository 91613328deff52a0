// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SuiteSetup.h"

#include "data/DemoMeeting.h"
#include "data/ExchangeTemplate.h"
#include "data/FolderSettings.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/StandardEvents.h"
#include "platform/Database.h"
#include "platform/StoreError.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace dravik {

namespace {

struct ProgramFiles {
    std::string folder;
    std::string file;
};

// The first of the candidate programs that exists on this system, else the first candidate.
ProgramFiles findProgram(std::initializer_list<const char*> candidates)
{
    for (const char* c : candidates) {
        fs::path p(c);
        std::error_code ec;
        if (fs::exists(p, ec))
            return {withTrailingSeparator(p.parent_path().string()), p.filename().string()};
    }
    fs::path p(*candidates.begin());
    return {withTrailingSeparator(p.parent_path().string()), p.filename().string()};
}

void writeLogo(const fs::path& file)
{
    // A small 24-bit bitmap: a blue field with a white track oval.
    const int w = 96, h = 64;
    const int rowBytes = (w * 3 + 3) & ~3;
    const std::uint32_t dataSize = rowBytes * h, fileSize = 54 + dataSize;
    std::vector<unsigned char> out(fileSize, 0);
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    out[26] = 1;
    out[28] = 24;
    put32(34, dataSize);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double dx = (x - w / 2.0) / (w / 2.0 - 6), dy = (y - h / 2.0) / (h / 2.0 - 6);
            double r = dx * dx + dy * dy;
            bool track = r > 0.62 && r < 1.0;
            unsigned char* px = &out[54 + y * rowBytes + x * 3];
            px[0] = track ? 255 : 150; // blue
            px[1] = track ? 255 : 60;  // green
            px[2] = track ? 255 : 20;  // red
        }
    std::ofstream f(file, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!f)
        throw StoreError("Cannot write \"" + file.string() + "\".");
}

void writeOptions(SQLite::Database& db)
{
    db.exec("INSERT INTO Opsies (Taal) VALUES (1)");
}

void writePrograms(SQLite::Database& db)
{
    static const char* names[] = {"Teams",   "Athletes", "Entries", "Heats",  "Results", "Points",  "Reports", "Labels",
                                  "Numbers", "Backup",   "Options", "Timing", "Program", "Records", "Transfer"};
    SQLite::Statement st(db, "INSERT INTO Prog (Orde, Afr, AfrT, AfrP, Eng, EngT, EngP, Aktief) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, 1)");
    for (int i = 0; i < 15; ++i) {
        st.reset();
        st.bind(1, i + 1);
        // Row 13 is this program; blank Afr/AfrT puts the meeting in the suite folder.
        st.bind(2, "");
        st.bind(3, "");
        st.bind(4, "");
        st.bind(5, names[i]);
        st.bind(6, "");
        st.bind(7, "");
        st.exec();
    }
}

void writePaths(SQLite::Database& db, const fs::path& dir)
{
    ProgramFiles wp = findProgram({"/usr/bin/lowriter", "/usr/bin/libreoffice", "/usr/bin/soffice"});
    ProgramFiles sh = findProgram({"/usr/bin/localc", "/usr/bin/libreoffice", "/usr/bin/soffice"});
    SQLite::Statement st(db,
                         "INSERT INTO Paths (Word, Excel, Data, Import, Prog, WP, SH) VALUES (?, ?, ?, ?, ?, ?, ?)");
    st.bind(1, wp.folder);
    st.bind(2, sh.folder);
    st.bind(3, withTrailingSeparator((dir / "Data").string()));
    st.bind(4, withTrailingSeparator((dir / "Import").string()));
    st.bind(5, withTrailingSeparator(dir.string()));
    st.bind(6, wp.file);
    st.bind(7, sh.file);
    st.exec();
}

void writeEmptyMeeting(SQLite::Database& db)
{
    SQLite::Statement st(db, "INSERT INTO Atld00 (Plek, Opm, MinGrens, MaxGrens, Datum, Datum2, Datum3, Dae) "
                             "VALUES ('', 'New meeting', 5, 25, ?, ?, ?, 1)");
    auto now = Clock::now();
    st.bind(1, formatIsoDate(now));
    st.bind(2, formatIsoDate(now + std::chrono::days{1}));
    st.bind(3, formatIsoDate(now + std::chrono::days{2}));
    st.exec();
}

} // namespace

SuiteSetupReport createSuiteFolder(const std::string& dirText, bool demo)
{
    fs::path dir = fs::absolute(fs::path(dirText));
    std::error_code ec;
    // Refuse before writing anything when any file would be overwritten.
    std::vector<fs::path> targets;
    for (const auto& def : suiteSchema())
        targets.push_back(dir / def.file);
    targets.push_back(dir / suitefile::Logo);
    targets.push_back(dir / suitefile::ExchangeTemplate);
    for (const auto& t : targets)
        if (fs::exists(t, ec))
            throw StoreError("\"" + t.string() +
                             "\" already exists; setup never overwrites a file. "
                             "Choose an empty folder.");
    fs::create_directories(dir, ec);
    if (ec)
        throw StoreError("Cannot create folder \"" + dir.string() + "\": " + ec.message());
    fs::create_directories(dir / "Data", ec);
    fs::create_directories(dir / "Import", ec);

    std::vector<fs::path> written;
    try {
        std::unique_ptr<SQLite::Database> meeting, standard;
        for (const auto& def : suiteSchema()) {
            auto db = createDatabase(dir / def.file);
            written.push_back(dir / def.file);
            SQLite::Transaction tx(*db);
            createTables(*db, def);
            if (def.file == suitefile::Options)
                writeOptions(*db);
            else if (def.file == suitefile::Programs)
                writePrograms(*db);
            else if (def.file == suitefile::Standard)
                writeStandardEvents(*db);
            else if (def.file == suitefile::Paths)
                writePaths(*db, dir);
            tx.commit();
            if (def.file == suitefile::Meeting)
                meeting = std::move(db);
            else if (def.file == suitefile::Standard)
                standard = std::move(db);
        }
        SQLite::Transaction tx(*meeting);
        if (demo)
            writeDemoMeeting(*meeting, *standard);
        else
            writeEmptyMeeting(*meeting);
        tx.commit();
        writeLogo(dir / suitefile::Logo);
        written.push_back(dir / suitefile::Logo);
        writeExchangeTemplate((dir / suitefile::ExchangeTemplate).string());
        written.push_back(dir / suitefile::ExchangeTemplate);
    } catch (const std::exception& e) {
        // Leave no half-made suite behind: remove only what this run created.
        for (const auto& f : written)
            fs::remove(f, ec);
        throw StoreError("Setting up the suite folder \"" + dir.string() + "\" failed: " + e.what());
    }
    std::string summary = "Created the suite folder \"" + dir.string() + "\"";
    summary += demo ? " with a sample meeting." : " with an empty meeting.";
    return {summary};
}

} // namespace dravik
