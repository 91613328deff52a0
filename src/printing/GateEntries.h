#pragma once
#include "printing/EntryIndex.h"
#include "programme/Language.h"

#include <algorithm>
#include <string>
#include <vector>

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

// Entries in draw order; entries of one heat and lane keep their order.
inline void sortInDrawOrder(std::vector<EntryRow>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const EntryRow& a, const EntryRow& b) {
        return drawOrderKey(a.heat, a.lane) < drawOrderKey(b.heat, b.lane);
    });
}

} // namespace dravik::printing
