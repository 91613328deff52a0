#pragma once
#include "exchange/PhotoFinishRaces.h"

#include <string>
#include <vector>

namespace dravik {

// The texts of the camera's start-list files, in UTF-8, one comma-separated
// record a line, each line ending in CR LF:
// lynx.evt: a comment line on how event numbers are made, then per race
// "event,round,heat,name" and per competitor ",ID,lane,last name,first
// name,affiliation" (lane empty when none); lynx.ppl: "ID,last name,first
// name,affiliation" per competitor; lynx.sch: "event,round,heat" per race.
// The round is always 1.
std::string lynxEventText(const PhotoFinishRaces& races);
std::string lynxPeopleText(const PhotoFinishRaces& races);
std::string lynxScheduleText(const PhotoFinishRaces& races);

struct PhotoFinishReport {
    std::string folder;
    int races = 0;       // schedule lines
    int competitors = 0; // people lines
};

// Writes lynx.evt, lynx.ppl and lynx.sch into an existing folder, in
// Windows-1252 with CR LF line ends. Each file is written whole beside its
// name first and renamed over it only when all three are written, so a
// failure leaves the folder's files as they were. Throws PhotoFinishError
// naming the file and the reason.
PhotoFinishReport writePhotoFinishFiles(const PhotoFinishRaces& races, const std::string& folder);

// The programme's races (see collectPhotoFinishRaces) written into the folder.
PhotoFinishReport exportPhotoFinish(const GridModel& programme, const EventReference& reference, DataStore& store,
                                    Language lang, int day, const std::string& folder);

} // namespace dravik
