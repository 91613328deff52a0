// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SuiteFolders.h"

#include "data/Schema.h"

#include <filesystem>

namespace dravik {

namespace fs = std::filesystem;

namespace {

fs::path normalFolder(const std::string& text)
{
    fs::path p = fs::path(text).lexically_normal();
    if (!p.has_filename() && p.has_parent_path() && p != p.root_path())
        p = p.parent_path();
    return p;
}

bool isInside(const fs::path& folder, const fs::path& parent)
{
    auto [end, _] = std::mismatch(parent.begin(), parent.end(), folder.begin(), folder.end());
    return end == parent.end();
}

// The nearest folder above this one that holds a suite, or empty.
fs::path enclosingSuite(const fs::path& folder)
{
    std::error_code ec;
    for (fs::path p = folder.parent_path(); !p.empty(); p = p.parent_path()) {
        if (fs::exists(p / suitefile::Paths, ec))
            return p;
        if (p == p.root_path())
            break;
    }
    return {};
}

bool hasMissingParent(const fs::path& folder)
{
    std::error_code ec;
    fs::path parent = folder.parent_path();
    return !parent.empty() && !fs::is_directory(parent, ec);
}

} // namespace

std::vector<MovedFolder> resolveMovedFolders(FolderSettings& folders, const std::string& programFolder)
{
    std::vector<MovedFolder> moved;
    std::error_code ec;
    const fs::path suite = normalFolder(fs::absolute(programFolder, ec).string());
    for (auto [field, value] : {std::pair{"Data", &folders.data}, std::pair{"Import", &folders.import}}) {
        if (value->empty() || !fs::path(*value).is_absolute())
            continue;
        const fs::path stored = normalFolder(*value);
        if (isInside(stored, suite))
            continue;
        const fs::path other = enclosingSuite(stored);
        const bool elsewhere = (!other.empty() && other != suite) || hasMissingParent(stored);
        const bool exists = fs::is_directory(stored, ec);
        if (!elsewhere && exists)
            continue;
        const fs::path own = suite / stored.filename();
        if (fs::is_directory(own, ec)) {
            moved.push_back({field, *value, withTrailingSeparator(own.string())});
            *value = moved.back().used;
        } else if (!exists) {
            moved.push_back({field, *value, ""});
        }
    }
    return moved;
}

std::string movedFoldersNote(const std::vector<MovedFolder>& moved, bool english)
{
    std::string note;
    for (const MovedFolder& m : moved) {
        if (!note.empty())
            note += "\n";
        if (m.used.empty())
            note += english ? "The " + m.field + " folder \"" + m.stored +
                                  "\" stored in the suite's paths does not exist. Set it with the suite's Paths option."
                            : "Die " + m.field + "-vouer \"" + m.stored +
                                  "\" in die suite se paaie bestaan nie. Stel dit met die suite se Paaie-opsie.";
        else
            note += english ? "The " + m.field + " folder stored in the suite's paths, \"" + m.stored +
                                  "\", belongs to another place (the suite was copied or moved): \"" + m.used +
                                  "\" in this suite is used instead."
                            : "Die " + m.field + "-vouer in die suite se paaie, \"" + m.stored +
                                  "\", hoort op 'n ander plek (die suite is gekopieer of geskuif): \"" + m.used +
                                  "\" in hierdie suite word eerder gebruik.";
    }
    return note;
}

} // namespace dravik
