// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextNumber.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dravik {

namespace {

// Length of the numeric prefix starting at pos, 0 when there is none.
size_t numericPrefix(std::string_view t, size_t pos)
{
    size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        size_t expDigits = 0;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i - pos;
}

size_t skipBlanks(std::string_view t)
{
    size_t i = 0;
    while (i < t.size() && std::isspace(static_cast<unsigned char>(t[i])))
        ++i;
    return i;
}

} // namespace

double textToNumber(std::string_view text)
{
    size_t start = skipBlanks(text);
    size_t len = numericPrefix(text, start);
    if (len == 0)
        return 0.0;
    std::string part(text.substr(start, len));
    double v = std::strtod(part.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

bool isNumericText(std::string_view text)
{
    std::string t = trimmed(text);
    if (t.empty())
        return false;
    return numericPrefix(t, 0) == t.size();
}

int compareCells(std::string_view a, std::string_view b)
{
    if (isNumericText(a) && isNumericText(b)) {
        double x = textToNumber(a), y = textToNumber(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string formatNumber(double value)
{
    if (!std::isfinite(value))
        return "0";
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", value);
        return buf[0] == '-' && buf[1] == '0' && buf[2] == 0 ? "0" : buf;
    }
    char buf[40];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    return buf;
}

std::string trimmed(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1])))
        --e;
    return std::string(text.substr(b, e - b));
}

size_t characterCount(std::string_view text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string fixedWidth(std::string_view text, size_t n)
{
    std::string out;
    size_t chars = 0, i = 0;
    while (i < text.size() && chars < n) {
        size_t len = 1;
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        out.append(text.substr(i, len));
        i += len;
        ++chars;
    }
    out.append(n - chars, ' ');
    return out;
}

bool isValidClockTime(std::string_view t)
{
    if (t.size() != 5 || t[2] != ':')
        return false;
    for (size_t i : {0u, 1u, 3u, 4u})
        if (!std::isdigit(static_cast<unsigned char>(t[i])))
            return false;
    int h = (t[0] - '0') * 10 + (t[1] - '0');
    int m = (t[3] - '0') * 10 + (t[4] - '0');
    return h < 24 && m < 60;
}

std::optional<std::string> clockTimeText(std::string_view text)
{
    std::string t = trimmed(text);
    if (t.size() >= 7 && std::count(t.begin(), t.end(), ':') == 2 && t.compare(t.size() - 3, 3, ":00") == 0)
        t.resize(t.size() - 3);
    if (t.size() == 4)
        t.insert(0, "0");
    if (!isValidClockTime(t))
        return std::nullopt;
    return t;
}

} // namespace dravik
