// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/PhotoFinishRaces.h"

#include <string>
#include <vector>

namespace dravik {

// The texts of the camera's start-list files, in UTF-8, one comma-separated
// record a line, each line ending in CR LF. A field holding a comma, a double
// quote or a leading blank is put in double quotes, a quote inside doubled;
// control characters become blanks so a record keeps to its line.
// lynx.evt: a comment line with the event number rule, then per race
// "event,round,heat,name,,,,,,,start time" (the start time "hh:mm:ss" in the
// camera format's eleventh field, left off when the row has no time) and per
// competitor ",ID,lane,last name,first name,affiliation" (lane empty when
// none); lynx.ppl: "ID,last name,first name,affiliation" per competitor;
// lynx.sch: "event,round,heat" per race. The round is always 1.
std::string lynxEventText(const PhotoFinishRaces& races);
std::string lynxPeopleText(const PhotoFinishRaces& races);
std::string lynxScheduleText(const PhotoFinishRaces& races);

// One field of a record as the camera format quotes it.
std::string lynxField(const std::string& text);

enum class PhotoFinishEncoding { Windows1252, Utf8 };

struct PhotoFinishReport {
    std::string folder;
    int races = 0;       // schedule lines
    int competitors = 0; // people lines
};

// Writes lynx.evt, lynx.ppl and lynx.sch into an existing folder with CR LF
// line ends, in Windows-1252 (see toWindows1252) or UTF-8. The three files are
// replaced as a set: each is written whole beside its name first; only then
// are they renamed over the old ones, and a failure on the way puts the old
// files back, so the folder holds either the old set or the new one. Throws
// PhotoFinishError naming the file and the reason.
PhotoFinishReport writePhotoFinishFiles(const PhotoFinishRaces& races, const std::string& folder,
                                        PhotoFinishEncoding encoding = PhotoFinishEncoding::Windows1252);

// The programme's races (see collectPhotoFinishRaces) written into the folder.
PhotoFinishReport exportPhotoFinish(const GridModel& programme, const EventReference& reference, DataStore& store,
                                    Language lang, const PhotoFinishChoice& choice, const std::string& folder,
                                    PhotoFinishEncoding encoding = PhotoFinishEncoding::Windows1252);

} // namespace dravik
