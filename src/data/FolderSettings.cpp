// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FolderSettings.h"

#include "platform/RecordSet.h"

namespace dravik {

std::string withTrailingSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != kFolderSeparator)
        folder += kFolderSeparator;
    return folder;
}

FolderSettings readFolderSettings(RecordSet& paths)
{
    FolderSettings s;
    paths.moveFirst();
    if (paths.eof())
        return s;
    s.word = withTrailingSeparator(paths.field("Word").text());
    s.excel = withTrailingSeparator(paths.field("Excel").text());
    s.data = withTrailingSeparator(paths.field("Data").text());
    s.import = withTrailingSeparator(paths.field("Import").text());
    s.programs = paths.field("Prog").text();
    s.wordProcessorFile = paths.field("WP").text();
    s.spreadsheetFile = paths.field("SH").text();
    return s;
}

} // namespace dravik
