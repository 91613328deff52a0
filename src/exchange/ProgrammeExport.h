// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace dravik {

class GridModel;
struct FolderSettings;

struct ExportReport {
    std::string file;             // the workbook written
    int rowsWritten = 0;          // exchange rows written as event rows
    bool builtInTemplate = false; // the suite had no template workbook
    int rowsBeyondImport = 0;     // rows written below the last row the import reads
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
ExportReport exportWorkbook(const GridModel& exchange, const std::string& templateFile, const std::string& outputFile);

// The message of Edit when the spreadsheet program is missing.
inline constexpr const char* kSpreadsheetUnavailable =
    "Your spreadsheet program is unavailable.  Use the Paths option to correct it.";

// A program to start with its arguments, each one argument (no shell).
struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
};

// Edit: the spreadsheet program of the folder settings with the workbook as its
// one argument. Throws ExchangeError with kSpreadsheetUnavailable when no file
// exists at the program's path.
ProgramStart spreadsheetEditStart(const FolderSettings& folders, const std::string& workbookPath);

// A file of a folder: the folder, a separator unless it ends with one, and the name.
std::string fileInFolder(const std::string& folder, const std::string& name);

} // namespace dravik
