#pragma once
#include <string>
#include <string_view>

namespace dravik {

// UTF-8 text as Windows-1252 bytes, for programs on Windows that read their
// files in that code page. Every character that has no place in the code page
// (and every byte that is no UTF-8) becomes one "?".
std::string toWindows1252(std::string_view utf8);

} // namespace dravik
