#pragma once
#include "programme/Language.h"

#include <string>

namespace dravik::printing {

// The entries' level (Uvlak) of a programme row's level text: its position in
// the level list; a level beyond the list is shown as its stored number, and
// anything else matches no entries (-1).
double levelIndexOf(const std::string& levelText, Language lang);

} // namespace dravik::printing
