// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ReferenceData.h"

#include "platform/RecordSet.h"
#include "platform/TextNumber.h"

#include <cstdio>

namespace dravik {

double EventDefinition::age() const
{
    return textToNumber(oud);
}

int DefinitionList::find(double nommer) const
{
    auto it = first_.find(nommer);
    return it == first_.end() ? count() : it->second;
}

void DefinitionList::assign(std::vector<EventDefinition> defs)
{
    entries_ = std::move(defs);
    entries_.emplace_back();
    first_.clear();
    for (int i = 0; i < count(); ++i)
        first_.emplace(entries_[i].nommer, i); // emplace keeps the first of duplicates
}

int CatalogueList::find(const std::string& key) const
{
    auto it = first_.find(key);
    return it == first_.end() ? count() : it->second;
}

void CatalogueList::assign(std::vector<CatalogueEntry> entries)
{
    entries_ = std::move(entries);
    entries_.emplace_back();
    first_.clear();
    for (int i = 0; i < count(); ++i)
        first_.emplace(entries_[i].nom, i);
}

namespace {

EventDefinition readDefinition(const RecordSet& rs)
{
    EventDefinition d;
    d.nommer = rs.field("Nommer").number();
    d.tipe = static_cast<int>(rs.field("Tipe").number());
    d.sm = rs.field("SM").text();
    d.oud = rs.field("Oud").text();
    d.besk = rs.field("besk").text();
    d.nota = rs.field("Nota").text();
    d.amp = rs.field("Amp").text();
    return d;
}

CatalogueEntry readCatalogue(const RecordSet& rs)
{
    return {rs.field("Nom").text(), rs.field("Bske").text(), rs.field("Bska").text()};
}

template <typename T, typename Read>
std::vector<T> readAll(RecordSet& first, RecordSet& second, Read read)
{
    std::vector<T> out;
    out.reserve(first.recordCount() + second.recordCount() + 1);
    for (RecordSet* rs : {&first, &second})
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            out.push_back(read(*rs));
    return out;
}

} // namespace

DefinitionList LoadEventDefinitions(RecordSet& atld10, RecordSet& atld19)
{
    DefinitionList list;
    list.assign(readAll<EventDefinition>(atld10, atld19, readDefinition));
    return list;
}

CatalogueList LoadEventCatalogue(RecordSet& atld11, RecordSet& atld18)
{
    CatalogueList list;
    list.assign(readAll<CatalogueEntry>(atld11, atld18, readCatalogue));
    return list;
}

bool parseStoredDate(const std::string& text, Clock::time_point& out)
{
    using namespace std::chrono;
    std::string t = trimmed(text);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    int n = std::sscanf(t.c_str(), "%4d-%2d-%2d%*[ T]%2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s);
    if (n < 3) {
        n = std::sscanf(t.c_str(), "%2d/%2d/%4d %2d:%2d:%2d", &d, &mo, &y, &h, &mi, &s);
        if (n < 3)
            return false;
    }
    year_month_day ymd{year{y}, month{static_cast<unsigned>(mo)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok() || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return false;
    out = sys_days{ymd} + hours{h} + minutes{mi} + seconds{s};
    return true;
}

std::string formatDate(Clock::time_point t)
{
    using namespace std::chrono;
    year_month_day ymd{floor<days>(t)};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02u/%02u/%04d", static_cast<unsigned>(ymd.day()),
                  static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return buf;
}

std::string formatIsoDate(Clock::time_point t)
{
    using namespace std::chrono;
    year_month_day ymd{floor<days>(t)};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return buf;
}

namespace {

// Stored numbers beyond any sensible meeting are held to a range before they
// become whole numbers (an age index of 45 is age 125).
int wholeInRange(double value, int low, int high)
{
    if (!(value >= low))
        return low;
    if (value > high)
        return high;
    return static_cast<int>(value);
}

} // namespace

MeetingDetails LoadMeetingDetails(RecordSet& atld00, Clock::time_point now)
{
    using namespace std::chrono;
    MeetingDetails m;
    m.day1 = now;
    m.day2 = now + days{1};
    m.day3 = now + days{2};
    if (atld00.eof())
        return m;
    auto date = [&](const char* field, Clock::time_point& into) {
        Clock::time_point t;
        if (atld00.field(field).present() && parseStoredDate(atld00.field(field).text(), t))
            into = t;
    };
    m.venue = trimmed(atld00.textOr("Plek", ""));
    m.remark = trimmed(atld00.textOr("Opm", ""));
    m.minAgeIndex = wholeInRange(atld00.numberOr("MinGrens", 5), 0, 45);
    m.maxAgeIndex = wholeInRange(atld00.numberOr("MaxGrens", 25), 0, 45);
    date("Datum", m.day1);
    date("Datum2", m.day2);
    date("Datum3", m.day3);
    m.days = wholeInRange(atld00.numberOr("Dae", 1), 0, 3);
    return m;
}

std::string meetingCaption(const MeetingDetails& details)
{
    return details.remark + ", " + details.venue + " - " + formatDate(details.day1);
}

} // namespace dravik

namespace dravik {

int EventReference::catalogueIndexOf(int definitionIndex) const
{
    return catalogue.find(definitions.at(definitionIndex).besk);
}

std::string EventReference::eventName(int definitionIndex, bool english, bool withNote) const
{
    const CatalogueEntry& entry = catalogue.at(catalogueIndexOf(definitionIndex));
    std::string name = english ? entry.bske : entry.bska;
    if (withNote) {
        std::string note = trimmed(definitions.at(definitionIndex).nota);
        if (!note.empty())
            name += " - " + note;
    }
    return name;
}

EventReference loadEventReference(RecordSet& atld10, RecordSet& atld19, RecordSet& atld11, RecordSet& atld18)
{
    return {LoadEventDefinitions(atld10, atld19), LoadEventCatalogue(atld11, atld18)};
}

} // namespace dravik
