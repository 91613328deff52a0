// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace dravik {

// Text from the data as it prints: every control character (a tab, a line break,
// C0 and C1 controls, DEL) and the Unicode line and paragraph separators become a
// space, so a name never moves to a tab stop or starts a line of its own; the
// spaces at both ends are dropped. Bytes that are no UTF-8 are kept as they are.
std::string printableText(std::string_view text);

// The same for a table cell of the model, which keeps its line breaks ("\n", "\r").
std::string printableCell(std::string_view text);

} // namespace dravik
