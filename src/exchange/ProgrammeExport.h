#pragma once
#include <string>

namespace dravik {

class GridModel;

struct ExportReport {
    std::string file;         // the workbook written
    int rowsWritten = 0;      // exchange rows written as event rows
    bool builtInTemplate = false; // the suite had no template workbook
    int rowsBeyondImport = 0; // rows written below the last row the import reads
};

// The template workbook of a suite: ItemRek.xlsx in the program folder.
std::string exchangeTemplatePath(const std::string& programFolder);

// Export: copies the template (the built-in standard template when
// templateFile does not exist) to outputFile and writes the exchange grid into
// its first sheet from row 6: the cells of columns 1 to 8 and 10 to 14 (and
// the day in column 16), "Afrikaans" into row 2, column 9; everything else of
// the template stays, and formula cells of columns 9 and 15 get the values
// they work out to. Rows of the template below the programme lose the values
// of the written columns. The template itself is not changed. On failure
// throws ExchangeError naming the file and the reason, and leaves no output
// file behind (an existing file of that name stays as it was).
ExportReport exportWorkbook(const GridModel& exchange, const std::string& templateFile,
                            const std::string& outputFile);

} // namespace dravik
