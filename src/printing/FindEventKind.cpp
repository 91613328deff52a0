// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/FindEventKind.h"

#include "data/ReferenceData.h"

namespace dravik::printing {

int FindEventKind(const DefinitionList& definitions, double definitionNumber)
{
    return definitions.at(definitions.find(definitionNumber)).tipe;
}

} // namespace dravik::printing
