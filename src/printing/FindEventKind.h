// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dravik {
class DefinitionList;
}

namespace dravik::printing {

// The kind (Tipe) of the definition with this number; the first definition
// in list order wins, and an unknown number gives the kind of the spare
// empty entry (0).
int FindEventKind(const DefinitionList& definitions, double definitionNumber);

} // namespace dravik::printing
