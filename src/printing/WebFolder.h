// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace dravik {
struct FolderSettings;
}

namespace dravik::printing {

struct WebFile {
    std::string name; // a plain file name: "index.html"
    std::string content;
};

// The folder the Print tab writes the web page into: "Web" in the data folder.
std::string webFolderPath(const FolderSettings& folders);

// Writes the files as the folder `target`, whole or not at all: they are written
// into a new folder beside it, which then takes the target's place (the previous
// folder is moved aside first and removed last, and put back when the swap
// fails). A target that is a file, or a folder holding anything but the page's
// own files, is left alone: it may be someone's website. Throws
// std::runtime_error naming the folder and what is wrong.
void writeWebFolder(const std::string& target, const std::vector<WebFile>& files);

} // namespace dravik::printing
