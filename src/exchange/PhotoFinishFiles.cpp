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

std::string raceKey(const PhotoFinishRace& r)
{
    return std::to_string(r.event) + ",1," + std::to_string(r.heat);
}

std::string personFields(const PhotoFinishCompetitor& c)
{
    return c.lastName + "," + c.firstName + "," + c.affiliation;
}

struct FileText {
    const char* name;
    std::vector<std::string> lines;
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

void writePart(const fs::path& part, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += toWindows1252(line) + "\r\n";
    errno = 0;
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw PhotoFinishError("Cannot write \"" + part.string() + "\": " +
                               (errno ? std::strerror(errno) : "the disk may be full") + ".");
}

} // namespace

std::vector<std::string> lynxEventLines(const PhotoFinishRaces& races)
{
    std::vector<std::string> lines{
        "; Event numbers are the programme numbers; a row with a sub letter is its number x 100 + the letter's "
        "place in the alphabet (12a = 1201  12b = 1202)."};
    for (const PhotoFinishRace& r : races.races) {
        lines.push_back(raceKey(r) + "," + r.name);
        for (const PhotoFinishCompetitor& c : r.competitors)
            lines.push_back("," + c.id + "," + (c.lane > 0 ? std::to_string(c.lane) : "") + "," + personFields(c));
    }
    return lines;
}

std::vector<std::string> lynxPeopleLines(const PhotoFinishRaces& races)
{
    std::vector<std::string> lines;
    lines.reserve(races.people.size());
    for (const PhotoFinishCompetitor& c : races.people)
        lines.push_back(c.id + "," + personFields(c));
    return lines;
}

std::vector<std::string> lynxScheduleLines(const PhotoFinishRaces& races)
{
    std::vector<std::string> lines;
    lines.reserve(races.races.size());
    for (const PhotoFinishRace& r : races.races)
        lines.push_back(raceKey(r));
    return lines;
}

PhotoFinishReport writePhotoFinishFiles(const PhotoFinishRaces& races, const std::string& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw PhotoFinishError("Cannot write the photo-finish files: the folder \"" + folder + "\" does not exist.");
    const std::array<FileText, 3> files{FileText{"lynx.evt", lynxEventLines(races)},
                                        FileText{"lynx.ppl", lynxPeopleLines(races)},
                                        FileText{"lynx.sch", lynxScheduleLines(races)}};
    PartFiles parts;
    for (const FileText& f : files) {
        fs::path part = fs::path(folder) / (std::string(f.name) + ".part");
        parts.paths.push_back(part);
        writePart(part, f.lines);
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
        throw PhotoFinishError("Cannot write the photo-finish files: the folder \"" + folder + "\" does not exist.");
    return writePhotoFinishFiles(collectPhotoFinishRaces(programme, reference, store, lang, day), folder);
}

} // namespace dravik
