// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "programme/Language.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace dravik {
class GridModel;
}

namespace dravik::printing {

// The optional columns of the records report in their fixed order: the index
// is that of the Print tab's Check1 box (8 "Record" and 9 "Event" always print).
enum class RecordsColumn { Name = 0, Surname, Gender, Age, Year, Date, Track, Team, Count };

struct RecordsReportOptions {
    Language language = Language::English;
    std::array<bool, static_cast<size_t>(RecordsColumn::Count)> ticked{}; // Check1(0) .. Check1(7)
    double fontSize = 12;                                                 // the print font size
    std::string setName; // the displayed set's name and symbol, for the title
    std::string setSymbol;
    std::string documentFile; // the word-processor document written with the pages ("Rekords.odt")
};

// The width in centimetres the report's columns take: 5.1 for Event and
// Record, plus each ticked column's width. From 14 on the report is landscape.
double recordsReportWidth(const RecordsReportOptions& options);

// The ticked columns from a list such as "name,surname,date" (the names in
// RecordsColumn order: name, surname, gen, age, year, date, track, team).
// Throws std::invalid_argument naming an unknown column.
std::array<bool, static_cast<size_t>(RecordsColumn::Count)> parseRecordsColumns(std::string_view list);

// Reports progress: the record grid row being printed (1 .. rows-1).
using RecordsProgress = std::function<void(int row)>;

// The records of the set the record grid flxRek shows, one table row per
// event with a record, with the ticked columns. A grid without records rows
// (only its header) prints nothing and leaves the document as it was: false.
bool PrintRecordsReport(Document& doc, const GridModel& flxRek, const RecordsReportOptions& options,
                        const RecordsProgress& progress = {});

} // namespace dravik::printing
