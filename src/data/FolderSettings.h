// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {

class RecordSet;

// Folders and program files of the suite (table Paths).
struct FolderSettings {
    std::string word = "Word";
    std::string excel = "Excel";
    std::string data = "Data";
    std::string import = "Import";
    std::string programs = "Program";
    std::string wordProcessorFile = "Winword.exe";
    std::string spreadsheetFile = "Excel.exe";

    std::string wordProcessorPath() const { return word + wordProcessorFile; }
    std::string spreadsheetPath() const { return excel + spreadsheetFile; }
};

inline constexpr char kFolderSeparator = '/';

// The folder with one separator at its end: appended when missing, never doubled.
// An empty folder stays empty.
std::string withTrailingSeparator(std::string folder);

// Reads the first row of Paths; an empty table gives the built-in names.
FolderSettings readFolderSettings(RecordSet& paths);

} // namespace dravik
