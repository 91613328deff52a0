#pragma once
#include "printing/EntryIndex.h"
#include "programme/Language.h"

#include <string>
#include <vector>

namespace dravik::printing {

// The level index of a programme grid's level text: its position in the level
// list; a level beyond the list is shown as its stored number, and anything
// else matches no entries (-1).
double levelIndexOf(const std::string& levelText, Language lang);

// The entries of one event in draw order: by heat, then lane (heat × 100 +
// lane), entries alike keeping their table order.
void sortDrawOrder(std::vector<EntryRow>& entries);

} // namespace dravik::printing
