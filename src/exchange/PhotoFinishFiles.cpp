// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/PhotoFinishFiles.h"

#include "exchange/Windows1252.h"

#include <algorithm>
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

// Appends one field as the camera format quotes it (see lynxField).
void appendField(std::string& out, const std::string& text)
{
    const bool plain = (text.empty() || text.front() != ' ') && std::none_of(text.begin(), text.end(), [](char c) {
                           return c == ',' || c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                       });
    if (plain) {
        out += text;
        return;
    }
    bool quote = !text.empty() && text.front() == ' ';
    std::string field;
    for (char c : text) {
        quote = quote || c == ',' || c == '"';
        if (c == '"')
            field += '"';
        field += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    if (quote)
        out += '"';
    out += field;
    if (quote)
        out += '"';
}

void appendPerson(std::string& text, const PhotoFinishCompetitor& c)
{
    appendField(text, c.lastName);
    text += ',';
    appendField(text, c.firstName);
    text += ',';
    appendField(text, c.affiliation);
    text += "\r\n";
}

struct FileText {
    const char* name;
    std::string text;
};

void writePart(const fs::path& part, const std::string& bytes)
{
    errno = 0;
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw PhotoFinishError("Cannot write \"" + part.string() +
                               "\": " + (errno ? std::strerror(errno) : "the disk may be full") + ".");
}

// The new files beside the old ones, and the old ones kept aside while the
// new ones take their names. Whatever ends the write before commit() puts
// the old files back and removes the new ones.
class FileSetSwap {
public:
    explicit FileSetSwap(const fs::path& folder) : folder_(folder) {}
    FileSetSwap(const FileSetSwap&) = delete;
    FileSetSwap& operator=(const FileSetSwap&) = delete;

    ~FileSetSwap()
    {
        if (committed_)
            return;
        std::error_code ignored;
        for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
            if (it->hadOld)
                fs::rename(it->kept, it->target, ignored);
            else
                fs::remove(it->target, ignored);
        }
        for (const fs::path& p : parts_)
            fs::remove(p, ignored);
    }

    void writeNew(const char* name, const std::string& bytes)
    {
        parts_.push_back(folder_ / (std::string(name) + ".part"));
        writePart(parts_.back(), bytes);
    }

    // Renames every written part over its file, keeping the old file aside
    // ("name.old") until all are in place.
    void replaceAll(const std::array<FileText, 3>& files)
    {
        std::error_code ec;
        for (size_t i = 0; i < files.size(); ++i) {
            Swapped s{folder_ / files[i].name, folder_ / (std::string(files[i].name) + ".old"), false};
            s.hadOld = fs::exists(s.target, ec);
            if (s.hadOld) {
                fs::rename(s.target, s.kept, ec);
                if (ec)
                    throw PhotoFinishError("Cannot replace \"" + s.target.string() + "\": " + ec.message() + ".");
            }
            fs::rename(parts_[i], s.target, ec);
            if (ec) {
                const std::string reason = ec.message();
                if (s.hadOld)
                    fs::rename(s.kept, s.target, ec);
                throw PhotoFinishError("Cannot write \"" + s.target.string() + "\": " + reason + ".");
            }
            done_.push_back(s);
        }
        committed_ = true;
        for (const Swapped& s : done_)
            if (s.hadOld)
                fs::remove(s.kept, ec);
    }

private:
    struct Swapped {
        fs::path target, kept;
        bool hadOld;
    };
    fs::path folder_;
    std::vector<fs::path> parts_;
    std::vector<Swapped> done_;
    bool committed_ = false;
};

} // namespace

std::string lynxField(const std::string& text)
{
    std::string field;
    appendField(field, text);
    return field;
}

std::string lynxEventText(const PhotoFinishRaces& races)
{
    std::string text = photoFinishNumberRule(races.dayOffset) + "\r\n";
    text.reserve(64 * (races.races.size() + static_cast<size_t>(races.competitorLines())));
    for (const PhotoFinishRace& r : races.races) {
        appendRaceKey(text, r);
        text += ',';
        appendField(text, r.name);
        if (!r.startTime.empty()) {
            text += ",,,,,,,"; // wind, wind unit, template, capture time, capture duration, distance
            text += r.startTime;
        }
        text += "\r\n";
        for (const PhotoFinishEntrant& e : r.entrants) {
            const PhotoFinishCompetitor& c = races.people[static_cast<size_t>(e.person)];
            text += ',';
            appendField(text, c.id);
            text += ',';
            if (e.lane > 0)
                text += std::to_string(e.lane);
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
        appendField(text, c.id);
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

PhotoFinishReport writePhotoFinishFiles(const PhotoFinishRaces& races, const std::string& folder,
                                        PhotoFinishEncoding encoding)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw PhotoFinishError("Cannot write the photo-finish files: the folder \"" + folder + "\" does not exist.");
    const std::array<FileText, 3> files{FileText{"lynx.evt", lynxEventText(races)},
                                        FileText{"lynx.ppl", lynxPeopleText(races)},
                                        FileText{"lynx.sch", lynxScheduleText(races)}};
    FileSetSwap swap{fs::path(folder)};
    for (const FileText& f : files)
        swap.writeNew(f.name, encoding == PhotoFinishEncoding::Utf8 ? f.text : toWindows1252(f.text));
    swap.replaceAll(files);
    return {folder, static_cast<int>(races.races.size()), static_cast<int>(races.people.size())};
}

PhotoFinishReport exportPhotoFinish(const GridModel& programme, const EventReference& reference, DataStore& store,
                                    Language lang, const PhotoFinishChoice& choice, const std::string& folder,
                                    PhotoFinishEncoding encoding)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw PhotoFinishError(
            isEnglish(lang) ? "Cannot write the photo-finish files: the folder \"" + folder + "\" does not exist."
                            : "Kan nie die fotofinish-lêers skryf nie: die vouer \"" + folder + "\" bestaan nie.");
    if (choice.dayOffset < 0 || choice.dayOffset > kMaxDayOffset)
        throw PhotoFinishError((isEnglish(lang) ? "The day offset " : "Die dagverskuiwing ") +
                               std::to_string(choice.dayOffset) +
                               (isEnglish(lang) ? " is not from 0 to 45000." : " is nie van 0 tot 45000 nie."));
    return writePhotoFinishFiles(collectPhotoFinishRaces(programme, reference, store, lang, choice), folder, encoding);
}

} // namespace dravik
