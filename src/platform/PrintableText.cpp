// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintableText.h"

#include "platform/TextNumber.h"

namespace dravik {

namespace {

std::string replaceControls(std::string_view text, bool keepLineBreaks)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            out += keepLineBreaks && (c == '\n' || c == '\r') ? static_cast<char>(c) : ' ';
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        // C1 controls: U+0080 to U+009F, written C2 80 to C2 9F.
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += ' ';
            ++i;
            continue;
        }
        // U+2028 LINE SEPARATOR and U+2029 PARAGRAPH SEPARATOR: E2 80 A8 / E2 80 A9.
        if (c == 0xE2 && next == 0x80 && i + 2 < text.size() &&
            (static_cast<unsigned char>(text[i + 2]) == 0xA8 || static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            out += ' ';
            i += 2;
            continue;
        }
        out += static_cast<char>(c);
    }
    return out;
}

} // namespace

std::string printableText(std::string_view text)
{
    return trimmed(replaceControls(text, false));
}

std::string printableCell(std::string_view text)
{
    return replaceControls(text, true);
}

} // namespace dravik
