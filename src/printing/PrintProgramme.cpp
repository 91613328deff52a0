#include "printing/Printouts.h"

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
}

} // namespace dravik::printing
