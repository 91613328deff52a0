// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace dravik {

// UTF-8 text as Windows-1252 bytes, for programs on Windows that read their
// files in that code page. A character the code page lacks becomes its near
// letters by glibc's transliteration ("Ł" gives "L", "ő" gives "o", "€" stays);
// one "?" stands only for a character that has none (an emoji) and for every
// byte that is no UTF-8.
std::string toWindows1252(std::string_view utf8);

} // namespace dravik
