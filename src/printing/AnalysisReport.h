// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "analysis/Analysis.h"
#include "printing/Document.h"
#include "programme/Language.h"

#include <functional>
#include <string>

namespace dravik {
class GridModel;
}

namespace dravik::printing {

struct AnalysisPrintOptions {
    Language language = Language::English;
    double fontSize = 12;     // the print font size
    std::string ownLogoFile;  // "Own.bmp" in the program folder
    std::string documentFile; // the word-processor document written with the pages ("Analyze.odt")
};

// Rows of the analysis table on the first page and on each later page.
inline constexpr int kAnalysisFirstPageRows = 50;
inline constexpr int kAnalysisPageRows = 60;

// Reports progress: the analysis grid row being printed (1 .. rows-1).
using AnalysisPrintProgress = std::function<void(int row)>;

// The analysis as Read Data left it: the totals, then the grid in its current
// order, 50 rows on the first page and 60 on each later one, both logos on
// every page. A grid with only its header prints nothing and leaves the
// document as it was: false.
bool PrintAnalysis(Document& doc, const GridModel& flxAnal, const AnalysisLabels& labels,
                   const AnalysisPrintOptions& options, const AnalysisPrintProgress& progress = {});

} // namespace dravik::printing
