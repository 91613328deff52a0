// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace dravik::printing {

// Widths in printouts count characters, not bytes: a name like "Zoë" is three long.
size_t textLength(std::string_view text);
// The first n characters of the text (all of it when shorter).
std::string firstChars(std::string_view text, size_t n);
// The text followed by blanks up to n characters; a longer text stays as it is.
std::string padTo(std::string text, size_t n);

} // namespace dravik::printing
