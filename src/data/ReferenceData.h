// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <string>
#include <unordered_map>
#include <vector>

namespace dravik {

class RecordSet;

// One event definition (Atld10 / Atld19).
struct EventDefinition {
    double nommer = 0; // definition number, as Tabverw and Tnom refer to it
    int tipe = 0;      // kind of event
    std::string sm;    // "S" male, anything else female
    std::string oud;   // age class as text
    std::string besk;  // event name key into the catalogue
    std::string nota;  // note appended to the name when not blank
    std::string amp;   // "J" marks an official event

    bool isMale() const { return sm == "S"; }
    double age() const;
};

// One catalogue entry (Atld11 / Atld18).
struct CatalogueEntry {
    std::string nom;  // event name key
    std::string bske; // English name
    std::string bska; // Afrikaans name
};

// Definitions of Atld10 (in query order) then Atld19, with one spare empty
// entry at index count(); lookups that find nothing end on it.
class DefinitionList {
public:
    int count() const { return static_cast<int>(entries_.size()) - 1; }
    const EventDefinition& at(int i) const { return entries_.at(i); }
    // First index whose Nommer equals the number, else count().
    int find(double nommer) const;
    void assign(std::vector<EventDefinition> defs);

private:
    std::vector<EventDefinition> entries_{EventDefinition{}};
    std::unordered_map<double, int> first_;
};

// Catalogue of Atld11 (in query order) then Atld18, with one spare empty entry.
class CatalogueList {
public:
    int count() const { return static_cast<int>(entries_.size()) - 1; }
    const CatalogueEntry& at(int i) const { return entries_.at(i); }
    // First index whose Nom equals the key, else count().
    int find(const std::string& key) const;
    bool contains(const std::string& key) const { return find(key) < count(); }
    void assign(std::vector<CatalogueEntry> entries);

private:
    std::vector<CatalogueEntry> entries_{CatalogueEntry{}};
    std::unordered_map<std::string, int> first_;
};

using Clock = std::chrono::system_clock;

struct MeetingDetails {
    std::string venue;
    std::string remark;
    int minAgeIndex = 5;
    int maxAgeIndex = 25;
    Clock::time_point day1, day2, day3;
    int days = 1;
};

DefinitionList LoadEventDefinitions(RecordSet& atld10, RecordSet& atld19);
CatalogueList LoadEventCatalogue(RecordSet& atld11, RecordSet& atld18);
// Reads the current row of Atld00 (the caller moves to the first row);
// `now` stands in for the current date and time of the missing dates.
MeetingDetails LoadMeetingDetails(RecordSet& atld00, Clock::time_point now = Clock::now());

// remark + ", " + venue + " - " + day 1 as "dd/MM/yyyy".
std::string meetingCaption(const MeetingDetails& details);

// Dates are stored as ISO 8601 text ("2026-03-14" or "2026-03-14 08:00:00");
// "dd/MM/yyyy" is read too. False when the text is no date.
bool parseStoredDate(const std::string& text, Clock::time_point& out);
std::string formatDate(Clock::time_point t);    // dd/MM/yyyy
std::string formatIsoDate(Clock::time_point t); // yyyy-MM-dd

} // namespace dravik

namespace dravik {

// The definition and catalogue lists that programme rows are built from.
struct EventReference {
    DefinitionList definitions;
    CatalogueList catalogue;

    // Catalogue index of a definition's event name key (catalogue.count() when none).
    int catalogueIndexOf(int definitionIndex) const;
    // The event name of a definition: English (Bske) or Afrikaans (Bska), with
    // " - " and the trimmed note appended when withNote and the note is not blank.
    std::string eventName(int definitionIndex, bool english, bool withNote) const;
};

EventReference loadEventReference(RecordSet& atld10, RecordSet& atld19, RecordSet& atld11, RecordSet& atld18);

} // namespace dravik
