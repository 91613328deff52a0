// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <exception>
#include <string>

namespace dravik {

// A failure as the window and `dravik --lang` tell it, in their language:
// store, generator and workbook errors are worded from their kind and facts;
// anything else gives the message it carries.
std::string wordedMessage(const std::exception& error, Language lang);

} // namespace dravik
