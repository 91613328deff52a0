// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/DocumentEdit.h"

#include "data/FolderSettings.h"
#include "printing/ProgrammeDocument.h"

#include <filesystem>

namespace dravik::printing {

namespace {

bool isFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

std::string documentPathFor(const FolderSettings& folders, PrintWhat what)
{
    switch (what) {
    case PrintWhat::Records:
        return withTrailingSeparator(folders.data) + "Rekords.odt";
    case PrintWhat::Analysis:
        return withTrailingSeparator(folders.data) + "Analyze.odt";
    case PrintWhat::Programme:
    default:
        return programmeDocumentPath(folders);
    }
}

EditCommand editCommand(const FolderSettings& folders, PrintWhat what)
{
    EditCommand cmd;
    cmd.program = folders.wordProcessorPath();
    cmd.document = documentPathFor(folders, what);
    if (!isFile(cmd.program))
        cmd.problem = EditCommand::Problem::NoWordProcessor;
    else if (!isFile(cmd.document))
        cmd.problem = EditCommand::Problem::NoDocument;
    return cmd;
}

} // namespace dravik::printing
