// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/FolderSettings.h"

#include <string>
#include <vector>

namespace dravik {

// A stored folder that points out of the suite that was opened.
struct MovedFolder {
    std::string field;  // "Data" or "Import", the Paths field
    std::string stored; // as the Paths table holds it
    std::string used;   // the folder the program uses instead; empty when none was found
};

// A copied or moved suite writes into itself: a stored Data or Import folder
// that lies inside another suite folder (one that holds the suite's paths
// database), or inside a folder that no longer exists, is replaced by the
// folder of the same name inside the opened suite when that exists. A stored
// folder that exists nowhere, with no such folder in the suite, is reported
// with `used` empty and kept. Relative folders and folders inside the opened
// suite are left alone. Returns what was replaced or reported.
std::vector<MovedFolder> resolveMovedFolders(FolderSettings& folders, const std::string& programFolder);

// The note that says so, in English or Afrikaans; empty when nothing moved.
std::string movedFoldersNote(const std::vector<MovedFolder>& moved, bool english);

} // namespace dravik
