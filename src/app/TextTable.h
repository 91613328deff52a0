// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <QString>

namespace dravik {

// Every text of the main window, once, beside its control or message name:
// the English and Afrikaans caption and the tool tip (the same in both windows).
struct WindowText {
    const char* name;
    const char* english;
    const char* afrikaans;
    const char* toolTip;
};

// Caption of a control or text of a message in the window's language.
QString windowText(Language lang, const char* name);
QString toolTipOf(const char* name);
bool hasWindowText(const char* name);

} // namespace dravik
