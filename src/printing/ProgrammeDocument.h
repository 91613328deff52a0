// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {
struct FolderSettings;
}

namespace dravik::printing {

// The document the programme printouts write: the data folder, the programme
// document name (Paths "Prog", "Program" when blank) and ".odt". A setting that
// holds a folder rather than a plain name also gives "Program".
std::string programmeDocumentPath(const FolderSettings& folders);

} // namespace dravik::printing
