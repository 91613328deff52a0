// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <QString>

#include <exception>

namespace dravik {

// A failure as the window tells it, in the window's language: store and
// workbook errors are worded from their kind and facts; anything else shows
// the message it carries.
QString wordedError(const std::exception& error, Language lang);

} // namespace dravik
