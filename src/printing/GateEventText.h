// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/PrintOptions.h"
#include "printing/Printouts.h"
#include "printing/RecordLookup.h"
#include "printing/RecordSymbols.h"
#include "startlists/StartList.h"

#include <string>
#include <vector>

namespace dravik::printing {

// The pieces of one event's text on the gate programme. Lines end in "\r\n";
// "\t" separates the heading's columns.

// Starts the event's text with its heading from the event's programme row:
// "Event  12a  \t08:30\tBoys - 12    \t100 m ...\tA  \tFinaal". With the
// alternative language ticked every second heading is an alternative one
// (Afrikaans gender words and levels); `state` remembers which came last.
std::string BuildEventHeading(const StartListEvent& row, const PrintOptions& options, PrintState& state);

// Appends the records of the active sets for the event (definition number and kind).
void AppendRecordLines(std::string& text, double definition, int kind, const std::vector<RecordSymbol>& symbols,
                       const RecordLookup& records, const PrintOptions& options);

// Appends the numbered blanks for 3, 6 or 9 results.
void AppendFillInArea(std::string& text, int resultLines);

// The word before a heat's number: "Heat :" after a normal heading when the
// alternative language is ticked, "Lopie :" otherwise.
std::string heatWord(const PrintOptions& options, const PrintState& state);

} // namespace dravik::printing
