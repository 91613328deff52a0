#pragma once
#include "programme/Language.h"

#include <string>

namespace dravik::printing {

// The level index of a programme grid's level text: its position in the level
// list; a level beyond the list is shown as its stored number, and anything
// else matches no entries (-1).
double levelIndexOf(const std::string& levelText, Language lang);

// The draw order of an entry: by heat, then lane.
inline double drawOrderKey(double heat, double lane)
{
    return heat * 100 + lane;
}

} // namespace dravik::printing
