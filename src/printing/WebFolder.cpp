// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebFolder.h"

#include "data/FolderSettings.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace dravik::printing {

namespace {

bool digitsBetween(const std::string& name, const std::string& before, const std::string& after)
{
    if (name.size() <= before.size() + after.size() || name.compare(0, before.size(), before) != 0 ||
        name.compare(name.size() - after.size(), after.size(), after) != 0)
        return false;
    for (size_t i = before.size(); i < name.size() - after.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return false;
    return true;
}

// The files a web page folder may hold: those written by an earlier publish.
bool isPageFile(const fs::directory_entry& entry)
{
    std::error_code ec;
    const std::string name = entry.path().filename().string();
    static const char* const fixed[] = {"index.html", "records.html", "athletes.html", "teams.html", "programme.ics",
                                        "style.css",  "logo.png",     "logo.jpg",      "logo.img"};
    bool known = false;
    for (const char* f : fixed)
        known = known || name == f;
    known = known || digitsBetween(name, "day", ".html") || digitsBetween(name, "athletes-", ".html") ||
            digitsBetween(name, "team-", ".html");
    return known && entry.is_regular_file(ec);
}

std::runtime_error failure(const fs::path& target, const std::string& what)
{
    return std::runtime_error("The web page folder \"" + target.string() + "\" was not written: " + what);
}

// A new empty folder beside the target, ".NAME.new-1234-1" and so on.
fs::path newSibling(const fs::path& target, const char* kind)
{
    const std::string stem = "." + target.filename().string() + "." + kind + "-" + std::to_string(getpid()) + "-";
    for (int n = 1; n < 1000; ++n) {
        fs::path candidate = target.parent_path() / (stem + std::to_string(n));
        std::error_code ec;
        if (!fs::exists(candidate, ec) && !ec)
            return candidate;
    }
    throw failure(target, "no free name for a folder beside it.");
}

void checkTarget(const fs::path& target)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (!fs::exists(status))
        return;
    if (!fs::is_directory(status))
        throw failure(target, "it is not a folder.");
    for (const fs::directory_entry& entry : fs::directory_iterator(target, ec))
        if (!isPageFile(entry))
            throw failure(target, "it holds \"" + entry.path().filename().string() +
                                      "\", which is no part of a web page written here; choose an empty folder.");
    if (ec)
        throw failure(target, ec.message() + ".");
}

void writeFile(const fs::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write \"" + path.string() + "\".");
}

} // namespace

std::string webFolderPath(const FolderSettings& folders)
{
    return withTrailingSeparator(folders.data) + "Web";
}

void writeWebFolder(const std::string& targetText, const std::vector<WebFile>& files)
{
    fs::path target = fs::path(targetText).lexically_normal();
    if (!target.has_filename())
        target = target.parent_path();
    if (target.empty() || target.filename() == "." || target.filename() == "..")
        throw failure(fs::path(targetText), "give the folder by its name.");
    target = fs::absolute(target);
    checkTarget(target);

    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec)
        throw failure(target, ec.message() + ".");
    const fs::path fresh = newSibling(target, "new");
    if (!fs::create_directory(fresh, ec) || ec)
        throw failure(target, "cannot make a folder in \"" + target.parent_path().string() +
                                  "\": " + (ec ? ec.message() : std::string("it exists")) + ".");
    try {
        for (const WebFile& f : files)
            writeFile(fresh / f.name, f.content);
    } catch (const std::exception& e) {
        fs::remove_all(fresh, ec);
        throw failure(target, e.what());
    }

    const bool replacing = fs::exists(fs::symlink_status(target, ec));
    fs::path old;
    if (replacing) {
        old = newSibling(target, "old");
        fs::rename(target, old, ec);
        if (ec) {
            fs::remove_all(fresh, ec);
            throw failure(target, "the previous folder cannot be moved aside.");
        }
    }
    fs::rename(fresh, target, ec);
    if (ec) {
        const std::string why = ec.message();
        if (replacing)
            fs::rename(old, target, ec);
        fs::remove_all(fresh, ec);
        throw failure(target, why + ".");
    }
    if (replacing)
        fs::remove_all(old, ec); // the new page is in place; a leftover copy harms nothing
}

} // namespace dravik::printing
