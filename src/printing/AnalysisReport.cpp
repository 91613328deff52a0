// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/AnalysisReport.h"

#include "platform/GridModel.h"
#include "printing/TableFormat.h"

#include <algorithm>

namespace dravik::printing {

namespace {

constexpr const char* kFormat = "<1.4cm|<3.1cm|^1.0cm|^1.2cm|<1.2cm|>1.2cm|>2.5cm|<4.0cm|<1.2cm";

void drawLogos(Document& doc, const std::string& ownLogo)
{
    doc.drawPicture({Picture::Source::File, ownLogo, 4.0, 0.1, 3.0, 3.0});
    doc.drawPicture({Picture::Source::ProgramLogo, "", 12.0, 0.1, 3.0, 3.0});
}

} // namespace

bool PrintAnalysis(Document& doc, const GridModel& flxAnal, const AnalysisLabels& labels,
                   const AnalysisPrintOptions& options, const AnalysisPrintProgress& progress)
{
    if (flxAnal.rows() < 2)
        return false;
    const bool english = isEnglish(options.language);

    doc.setExportFile(options.documentFile);
    doc.setOrientation(Orientation::Portrait);
    doc.setTitle(english ? "Analysis" : "Analise");
    doc.startDoc();
    drawLogos(doc, options.ownLogoFile);
    doc.setFontSize(options.fontSize);
    doc.paragraph("\n");
    doc.paragraph((english ? "     No of Events: " : "     Aantal items: ") + labels.lblItms + "\n");
    doc.paragraph((english ? "   No of Athletes: " : "    Aantal atlete: ") + labels.lblAtl + "\n");
    doc.paragraph((english ? "No of Competitors: " : "Aantal deelnemers: ") + labels.lblDeel + "    " + labels.lblGem +
                  "\n");
    // The same English words in both windows.
    doc.paragraph("Available Records: " + labels.lblRek + "    " + labels.lblReks + "\n");
    doc.paragraph("\n");
    doc.paragraph("\n");

    Table empty;
    empty.columns = columnsFromFormat(kFormat);
    empty.header = analysisHeader(options.language);
    empty.fontSize = 8;
    Table table = empty;
    const int last = flxAnal.rows() - 1;
    int pageEnd = kAnalysisFirstPageRows;
    for (int r = 1; r <= last; ++r) {
        if (progress)
            progress(r);
        const auto& cells = flxAnal.rowCells(r);
        std::vector<std::string> row(cells.begin(), cells.begin() + std::min<int>(acol::Count, flxAnal.cols()));
        row.resize(acol::Count);
        table.rows.push_back(std::move(row));
        // A full page breaks only when rows follow, so no page holds a bare header.
        if (r == pageEnd && r < last) {
            pageEnd += kAnalysisPageRows;
            doc.addTable(std::move(table));
            table = empty;
            doc.newPage();
            drawLogos(doc, options.ownLogoFile);
            doc.paragraph("\n\n\n");
        }
    }
    doc.addTable(std::move(table));
    doc.endDoc();
    return true;
}

} // namespace dravik::printing
