#include "exchange/PhotoFinishFiles.h"

#include "exchange/Windows1252.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace dravik {

namespace {

void appendRaceKey(std::string& text, const PhotoFinishRace& r)
{
    text += std::to_string(r.event);
    text += ",1,";
    text += std::to_string(r.heat);
}

void appendPerson(std::string& text, const PhotoFinishCompetitor& c)
{
    text += c.lastName;
    text += ',';
    text += c.firstName;
    text += ',';
    text += c.affiliation;
    text += "\r\n";
}

struct FileText {
    const char* name;
    std::string text;
};

// Removes the parts not yet renamed, whatever ends the write.
struct PartFiles {
    std::vector<fs::path> paths;
    ~PartFiles()
    {
        std::error_code ignored;
        for (const fs::path& p : paths)
            fs::remove(p, ignored);
    }
};

void writePart(const fs::path& part, const std::string& text)
{
    const std::string bytes = toWindows1252(text);
    errno = 0;
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw PhotoFinishError("Cannot write \"" + part.string() + "\": " +
                               (errno ? std::strerror(errno) : "the disk may be full") + ".");
}

} // namespace

std::string lynxEventText(const PhotoFinishRaces& races)
{
    std::string text = "; Event numbers are the programme numbers; a row with a sub letter is its number x 100 + "
                       "the letter's place in the alphabet (12a = 1201  12b = 1202).\r\n";
    text.reserve(64 * (races.races.size() + static_cast<size_t>(races.competitorLines())));
    for (const PhotoFinishRace& r : races.races) {
        appendRaceKey(text, r);
        text += ',';
        text += r.name;
        text += "\r\n";
        for (const PhotoFinishCompetitor& c : r.competitors) {
            text += ',';
            text += c.id;
            text += ',';
            if (c.lane > 0)
                text += std::to_string(c.lane);
            text += ',';
            appendPerson(text, c);
        }
    }
    return text;
}

std::string lynxPeopleText(const PhotoFinishRaces& races)
{
    std::string text;
    text.reserve(48 * races.people.size());
    for (const PhotoFinishCompetitor& c : races.people) {
        text += c.id;
        text += ',';
        appendPerson(text, c);
    }
    return text;
}

std::string lynxScheduleText(const PhotoFinishRaces& races)
{
    std::string text;
    text.reserve(16 * races.races.size());
    for (const PhotoFinishRace& r : races.races) {
        appendRaceKey(text, r);
        text += "\r\n";
    }
    return text;
}

PhotoFinishReport writePhotoFinishFiles(const PhotoFinishRaces& races, const std::string& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw PhotoFinishError("Cannot write the photo-finish files: the folder \"" + folder + "\" does not exist.");
    const std::array<FileText, 3> files{FileText{"lynx.evt", lynxEventText(races)},
                                        FileText{"lynx.ppl", lynxPeopleText(races)},
                                        FileText{"lynx.sch", lynxScheduleText(races)}};
    PartFiles parts;
    for (const FileText& f : files) {
        fs::path part = fs::path(folder) / (std::string(f.name) + ".part");
        parts.paths.push_back(part);
        writePart(part, f.text);
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const fs::path target = fs::path(folder) / files[i].name;
        fs::rename(parts.paths[i], target, ec);
        if (ec)
            throw PhotoFinishError("Cannot write \"" + target.string() + "\": " + ec.message() + ".");
    }
    parts.paths.clear();
    return {folder, static_cast<int>(races.races.size()), static_cast<int>(races.people.size())};
}

PhotoFinishReport exportPhotoFinish(const GridModel& programme, const EventReference& reference, DataStore& store,
                                    Language lang, int day, const std::string& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw PhotoFinishError(isEnglish(lang) ? "Cannot write the photo-finish files: the folder \"" + folder +
                                                     "\" does not exist."
                                               : "Kan nie die fotofinish-lêers skryf nie: die vouer \"" + folder +
                                                     "\" bestaan nie.");
    return writePhotoFinishFiles(collectPhotoFinishRaces(programme, reference, store, lang, day), folder);
}

} // namespace dravik
