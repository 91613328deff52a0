// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"
#include "records/RecordSetEditor.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dravik {

class DataStore;
class DefinitionList;
class GridModel;

// Columns of the analysis grid flxAnal; row 0 is the header.
namespace acol {
enum : int {
    Number = 0,    // event number followed by its sub letter
    Event = 1,     // event text
    Level = 2,     // first character of the level text
    Time = 3,      // start time
    GenderAge = 4, // first character of the gender, " - ", the age
    Athletes = 5,  // competitors entered for the event
    Record = 6,    // the displayed set's record value
    Holder = 7,    // first name "," surname
    Year = 8,      // year of the record
    Count = 9
};
}

// optAOrde: 0 by event number, 1 by number of competitors.
enum class AnalysisOrder { Events = 0, Number = 1 };

// The texts of the total labels beside their captions.
struct AnalysisLabels {
    std::string lblItms; // events
    std::string lblAtl;  // athletes
    std::string lblDeel; // competitors
    std::string lblGem;  // "(2.5/Atleet)", "" without athletes
    std::string lblRek;  // events with a record
    std::string lblReks; // "Record set: R (Club records)"
};

// The record set last displayed on the Records tab: its record grid flxRek as
// Display filled it, and the set's name and symbol.
struct DisplayedRecords {
    const GridModel& flxRek;
    RecordSetChoice set;
};

// What Read Data reads.
struct AnalysisSources {
    const GridModel& programme;                  // flxProg in its current order
    const DefinitionList& definitions;           // the definitions the programme grid was built from
    DataStore& store;                            // the meeting's entries and athletes
    const DisplayedRecords* displayed = nullptr; // null when no set was displayed
};

struct AnalysisResult {
    // False when the programme has no events: the grid is left at its header
    // and the labels are the previous ones.
    bool read = false;
    AnalysisLabels labels;
    int events = 0;
    int athletes = 0;
    int competitors = 0;
    int eventsWithRecords = 0;
};

// Told the programme row being read and the programme grid's row count (proAnal).
using AnalysisProgress = std::function<void(int value, int maximum)>;

// The captions of the Analyze tab in the window's language.
struct AnalysisTexts {
    const char* readData; // cmdLees
    const char* readDataTip;
    const char* events;            // beside lblItms
    const char* athletes;          // beside lblAtl
    const char* participants;      // beside lblDeel
    const char* eventsWithRecords; // beside lblRek
    const char* orderEvents;       // optAOrde(0)
    const char* orderNumber;       // optAOrde(1)
    const char* recordSet;         // the start of lblReks
};
const AnalysisTexts& analysisTexts(Language lang);

// The instructions the Analyze tab and the Print tab show, in their order (the
// same English lines in both windows).
const std::vector<std::string>& analysisInstructions();

// The nine header texts, as the grid and the printout show them.
const std::vector<std::string>& analysisHeader(Language lang);

// Sets flxAnal to its nine columns and header, with no data rows.
void setupAnalysisGrid(GridModel& flxAnal, Language lang);

// The competitors entered per event definition: the individual (Atld37) and
// team (Atld28) entries counted with one grouped query per table.
class CompetitorCounts {
public:
    explicit CompetitorCounts(DataStore& store);
    // Entries of the definition in both tables; 0 for a definition without any.
    int of(double definitionNumber) const;

private:
    std::unordered_map<double, int> counts_;
};

// "(2.5/Atleet)": competitors per athlete to one decimal, "" without athletes.
std::string averageText(int competitors, int athletes);

// Read Data (cmdLees): one analysis row per programme row, in the programme's
// order, with the competitors entered for the event and the displayed set's
// record; then the totals, and the grid sorted in `order`. lblReks names the
// set when at least one event has a record and otherwise keeps `previous`'s
// text. An event whose definition is missing counts 0 competitors and shows
// no record. A programme without events leaves everything as it was but the
// grid, which is emptied to its header.
AnalysisResult readAnalysis(GridModel& flxAnal, const AnalysisSources& sources, Language lang,
                            const AnalysisLabels& previous, AnalysisOrder order, const AnalysisProgress& progress = {});

// optAOrde: sorts the data rows by event number (number, then sub letter), or
// by competitors with ties in event-number order; rows that tie keep their
// order. Fewer than two data rows are left alone. Row 1 becomes current.
void SortAnalysis(GridModel& flxAnal, AnalysisOrder order);

} // namespace dravik
