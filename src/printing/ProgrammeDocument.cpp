// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/ProgrammeDocument.h"

#include "data/FolderSettings.h"
#include "platform/TextNumber.h"

namespace dravik::printing {

std::string programmeDocumentPath(const FolderSettings& folders)
{
    std::string name = trimmed(folders.programs);
    if (name.empty() || name.find_first_of("/\\:") != std::string::npos)
        name = "Program";
    return withTrailingSeparator(folders.data) + name + ".odt";
}

} // namespace dravik::printing
