// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Printouts.h"

#include "data/ReferenceData.h"
#include "platform/TextNumber.h"
#include "programme/Language.h"

namespace dravik::printing {

void printProgramme(Document& doc, const PrintSources& src, PrintOptions& options, PrintState& state,
                    const Progress& progress)
{
    if (options.kind == ProgrammeKind::Standard)
        PrintStandardProgramme(doc, src, options, progress);
    else if (options.names == GateNames::DrawOrder)
        PrintGateProgrammeDrawOrder(doc, src, options, state, progress);
    else
        PrintGateProgramme(doc, src, options, state, progress);
    // The files' title: the printout and the meeting.
    const bool english = isEnglish(options.language);
    std::string title = options.kind == ProgrammeKind::Standard ? "Program" : english ? "Gate Program" : "Hekprogram";
    const std::string meeting = trimmed(src.meeting.remark);
    doc.setTitle(meeting.empty() ? title : title + " - " + meeting);
}

} // namespace dravik::printing
