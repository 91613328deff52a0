// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/RecordSymbols.h"

#include "platform/RecordSet.h"

namespace dravik::printing {

std::vector<RecordSymbol> LoadRecordSymbols(RecordSet& atld61)
{
    std::vector<RecordSymbol> active;
    for (atld61.moveFirst(); !atld61.eof(); atld61.moveNext()) {
        if (atld61.field("Aktief").number() != 1)
            continue;
        active.push_back({atld61.field("Simb").text(), atld61.field("Verw").number(), atld61.field("Naam").text()});
    }
    return active;
}

} // namespace dravik::printing
