// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/TextFit.h"

namespace dravik::printing {

namespace {

bool continuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

size_t textLength(std::string_view text)
{
    size_t n = 0;
    for (char c : text)
        if (!continuationByte(c))
            ++n;
    return n;
}

std::string firstChars(std::string_view text, size_t n)
{
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!continuationByte(text[i])) {
            if (seen == n)
                return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

std::string padTo(std::string text, size_t n)
{
    size_t len = textLength(text);
    if (len < n)
        text.append(n - len, ' ');
    return text;
}

} // namespace dravik::printing
