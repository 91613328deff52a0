// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/ProgrammeImport.h"
#include "programme/Language.h"

#include <string>

namespace dravik {

// Whether an imported list may replace the programme without a word from the
// user, and the words to ask or refuse with.
struct ImportShrink {
    bool needsConsent = false;
    std::string question; // the window's question, in its language
    std::string refusal;  // the command line's refusal without --force, in its language
};

// An import would empty the programme when the workbook's list ended early and
// leaves far fewer rows than the programme holds. Early: the list stopped at a
// row whose number (column 1) is blank while rows below it still hold numbers,
// as when a number was cleared by mistake (a blank number in sheet row 7 ends
// the list after one event though 80 follow). Far fewer: fewer than half the
// programme's rows. A list that ran to its last number, or that keeps at least
// half the rows, replaces the programme without a question; so does any list
// over an empty programme. The texts name the sheet row where the list ended.
ImportShrink checkImportShrink(const ListEnd& end, int importedRows, int programmeRows, Language lang);

} // namespace dravik
