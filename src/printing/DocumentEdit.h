// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {
struct FolderSettings;
}

namespace dravik::printing {

// What the Print tab prints: optDPR 0, 1 and 2.
enum class PrintWhat { Programme = 0, Records = 1, Analysis = 2 };

// The document each printout writes into the data folder.
std::string documentPathFor(const FolderSettings& folders, PrintWhat what);

// How Edit opens the last document written: the word processor with the document
// as its one argument. When `problem` is not None nothing is to be started.
struct EditCommand {
    enum class Problem { None, NoWordProcessor, NoDocument };
    std::string program;
    std::string document;
    Problem problem = Problem::None;
    bool ok() const { return problem == Problem::None; }
};
EditCommand editCommand(const FolderSettings& folders, PrintWhat what);

} // namespace dravik::printing
