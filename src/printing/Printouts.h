// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "printing/PrintOptions.h"
#include "printing/ProgrammeDocument.h"

#include <functional>
#include <string>

namespace dravik {
class DataStore;
class GridModel;
struct EventReference;
struct MeetingDetails;
} // namespace dravik

namespace dravik::printing {

// What a programme printout reads: the programme grid in its current order (row 0
// the header), the reference lists and meeting details, and the store's open record
// sets (record sets, records, entries, athletes, teams).
struct PrintSources {
    const GridModel& programme;
    const EventReference& reference;
    const MeetingDetails& meeting;
    DataStore& store;
    std::string ownLogoFile;  // "Own.bmp" in the program folder
    std::string documentFile; // the word-processor document written with the pages
};

// Reports progress: the grid row being printed (1 .. rows-1).
using Progress = std::function<void(int row)>;

// What lives as long as the window: the gate programme's heading style
// (0 at start, 2 after a normal heading, 1 after an alternative one).
struct PrintState {
    int headingStyle = 0;
};

// The standard programme. With no active record set the records option becomes
// None, in `options` too, so the Print tab can show it.
void PrintStandardProgramme(Document& doc, const PrintSources& src, PrintOptions& options,
                            const Progress& progress = {});
// The full gate programme in entry order, and the draw-order variant with heats.
void PrintGateProgramme(Document& doc, const PrintSources& src, const PrintOptions& options, PrintState& state,
                        const Progress& progress = {});
void PrintGateProgrammeDrawOrder(Document& doc, const PrintSources& src, const PrintOptions& options, PrintState& state,
                                 const Progress& progress = {});

// The programme printout the options choose (standard, gate, or gate in draw order).
void printProgramme(Document& doc, const PrintSources& src, PrintOptions& options, PrintState& state,
                    const Progress& progress = {});

} // namespace dravik::printing
