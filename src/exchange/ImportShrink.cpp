// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ImportShrink.h"

namespace dravik {

ImportShrink checkImportShrink(const ListEnd& end, int importedRows, int programmeRows, Language lang)
{
    ImportShrink result;
    const bool endedEarly = end.blankRow > 0 && end.numbersBelow > 0;
    result.needsConsent = endedEarly && importedRows * 2 < programmeRows;
    if (!result.needsConsent)
        return result;
    const std::string row = std::to_string(end.blankRow), below = std::to_string(end.numbersBelow),
                      read = std::to_string(importedRows), held = std::to_string(programmeRows);
    const bool one = importedRows == 1;
    std::string told;
    if (isEnglish(lang)) {
        told = "The workbook's list of events ends at sheet row " + row +
               ", where the number (column 1) is empty, though " + below + " rows below it hold a number. Its " + read +
               (one ? " event" : " events") + " would replace the " + held + " rows of the programme.";
        result.question = told + " Replace the programme anyway?";
        result.refusal = told + " Nothing was stored; give --force to store the list anyway.";
    } else {
        told = "Die werkboek se lys items eindig by bladry " + row + ", waar die nommer (kolom 1) leeg is, hoewel " +
               below + " rye daaronder 'n nommer hou. Sy " + read + (one ? " item" : " items") + " sou die " + held +
               " rye van die program vervang.";
        result.question = told + " Vervang die program tog?";
        result.refusal = told + " Niks is gestoor nie; gee --force om die lys tog te stoor.";
    }
    return result;
}

} // namespace dravik
