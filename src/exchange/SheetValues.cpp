// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/SheetValues.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace dravik::sheetvalue {

bool number(const std::string& text, double& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(*first)))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(last[-1])))
        --last;
    if (first < last && *first == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    // "inf" and "nan" are no numbers a cell holds.
    return ec == std::errc() && end == last && first < last && std::isfinite(value);
}

namespace {

// Days from 1 January 1970 of a date of the proleptic Gregorian calendar.
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// Digits at text[at..at+count) as a number; false when any is no digit.
bool digits(const std::string& text, size_t at, size_t count, int& value)
{
    if (at + count > text.size())
        return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

bool dateSerial(const std::string& text, double& days)
{
    int y = 0, m = 0, d = 0;
    if (!digits(text, 0, 4, y) || text.size() < 10 || text[4] != '-' || !digits(text, 5, 2, m) || text[7] != '-' ||
        !digits(text, 8, 2, d) || m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    days = static_cast<double>(daysFromCivil(y, m, d) - daysFromCivil(1899, 12, 30));
    if (text.size() == 10)
        return true;
    int h = 0, min = 0, s = 0;
    if ((text[10] != 'T' && text[10] != ' ') || !digits(text, 11, 2, h) || text.size() < 16 || text[13] != ':' ||
        !digits(text, 14, 2, min))
        return false;
    double seconds = 0;
    if (text.size() > 16) {
        if (text[16] != ':' || !digits(text, 17, 2, s))
            return false;
        seconds = s;
        // Fractions of a second; a zone ("Z", "+02:00") is not a time of the meeting's own.
        std::string rest = text.substr(19);
        if (!rest.empty() && rest[0] == '.') {
            size_t end = 1;
            while (end < rest.size() && std::isdigit(static_cast<unsigned char>(rest[end])))
                ++end;
            double fraction = 0;
            if (end > 1 && number("0" + rest.substr(0, end), fraction))
                seconds += fraction;
            rest = rest.substr(end);
        }
        if (!rest.empty() && rest != "Z")
            return false;
    }
    if (h > 23 || min > 59 || s > 59)
        return false;
    days += (h * 3600 + min * 60 + seconds) / 86400;
    return true;
}

bool durationDays(const std::string& text, double& days)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i >= text.size() || text[i] != 'P')
        return false;
    ++i;
    double seconds = 0;
    bool inTime = false, any = false;
    std::string value;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == 'T' && value.empty() && !inTime) {
            inTime = true;
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == ',') {
            value += c == ',' ? '.' : c;
            continue;
        }
        double v = 0;
        if (!number(value, v))
            return false;
        value.clear();
        any = true;
        if (!inTime && c == 'D')
            seconds += v * 86400;
        else if (!inTime && c == 'W')
            seconds += v * 7 * 86400;
        else if (inTime && c == 'H')
            seconds += v * 3600;
        else if (inTime && c == 'M')
            seconds += v * 60;
        else if (inTime && c == 'S')
            seconds += v;
        else
            return false; // years and months have no fixed length
    }
    if (!value.empty() || !any)
        return false;
    days = (negative ? -seconds : seconds) / 86400;
    return true;
}

bool isDateFormat(const std::string& code)
{
    for (size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (c == '"') { // literal text
            size_t close = code.find('"', i + 1);
            if (close == std::string::npos)
                return false;
            i = close;
        } else if (c == '\\' || c == '_' || c == '*') { // an escaped, spacing or fill character
            ++i;
        } else if (c == '[') { // colour, condition, locale or elapsed hours ([h])
            size_t close = code.find(']', i + 1);
            if (close == std::string::npos)
                return false;
            i = close;
        } else {
            char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (lower == 'd' || lower == 'y')
                return true;
        }
    }
    return false;
}

bool isBuiltInDateFormat(int id)
{
    // 14 to 17 and 22 are dates (22 with a time); 27 to 36 and 50 to 58 the
    // dates of East Asian locales. 18 to 21 and 45 to 47 are times only.
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

} // namespace dravik::sheetvalue
