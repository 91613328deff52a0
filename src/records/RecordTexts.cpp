// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordTexts.h"

#include "data/ReferenceData.h"
#include "platform/TextNumber.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace dravik {

namespace {

std::string printed(const char* format, auto... values)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, values...);
    return buf;
}

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool allDigits(std::string_view t)
{
    if (t.empty())
        return false;
    for (char c : t)
        if (!isDigit(c))
            return false;
    return true;
}

// Digits with at most one decimal point, and at least one digit: no sign, no exponent.
bool isPlainNumber(std::string_view t)
{
    int digits = 0, points = 0;
    for (char c : t) {
        if (isDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

std::vector<std::string_view> splitAt(std::string_view t, std::string_view separators)
{
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= t.size(); ++i)
        if (i == t.size() || separators.find(t[i]) != std::string_view::npos) {
            out.push_back(t.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

// Minutes and seconds, or hours, minutes and seconds: the leading fields whole
// numbers, the last one a plain number.
std::optional<double> readFields(const std::vector<std::string_view>& fields)
{
    if (fields.empty() || fields.size() > 3)
        return std::nullopt;
    for (size_t i = 0; i + 1 < fields.size(); ++i)
        if (!allDigits(fields[i]))
            return std::nullopt;
    if (!isPlainNumber(fields.back()))
        return std::nullopt;
    // Seconds, and minutes below hours, run from 0 to 59.
    for (size_t i = 1; i < fields.size(); ++i)
        if (!(textToNumber(fields[i]) < 60))
            return std::nullopt;
    double value = 0;
    for (std::string_view f : fields)
        value = value * 60 + textToNumber(f);
    return value;
}

// A number with up to 15 significant digits and no trailing zeros.
std::string plainNumber(double value)
{
    std::string s = printed("%.15g", value);
    return s == "-0" ? "0" : s;
}

} // namespace

bool isTimedEvent(int type)
{
    return type == 2 || type == 4 || type == 6 || type == 9 || type == 10;
}

std::string recordGridText(double value, int type)
{
    // Whole hundredths first, so that seconds never round up to 60 (59.999 is " 1:00.00").
    long long hundredths = std::llround(value * 100);
    if (!isTimedEvent(type) || hundredths < 6000)
        return printed("%.2f", value);
    long long seconds = hundredths / 100, fraction = hundredths % 100;
    if (seconds >= 3600)
        return printed(" %lld:%02lld:%02lld.%02lld", seconds / 3600, seconds % 3600 / 60, seconds % 60, fraction);
    return printed(" %lld:%02lld.%02lld", seconds / 60, seconds % 60, fraction);
}

std::optional<double> readRecordText(std::string_view text, int type)
{
    std::string t = trimmed(text);
    // A decimal comma, as many users type it; a text with both marks is no number.
    if (t.find(',') != std::string::npos) {
        if (t.find('.') != std::string::npos)
            return std::nullopt;
        std::replace(t.begin(), t.end(), ',', '.');
    }
    std::optional<double> value;
    if (!isTimedEvent(type))
        value = isPlainNumber(t) ? std::optional<double>(textToNumber(t)) : std::nullopt;
    else
        value = readFields(splitAt(t, ":"));
    if (value && !(*value > 0))
        return std::nullopt;
    return value;
}

bool isRecordYear(std::string_view text)
{
    std::string t = trimmed(text);
    return t.empty() || (t.size() == 4 && allDigits(t));
}

std::string recordFieldText(double value)
{
    if (value < 60)
        return plainNumber(value);
    double minutes = std::floor(value / 60);
    // The subtraction leaves noise in the last digits (3723.4 - 3720 is 3.40000000000009).
    double seconds = std::round((value - minutes * 60) * 1e9) / 1e9;
    return plainNumber(minutes) + ":" + plainNumber(seconds);
}

std::string categoryText(double ageClass, std::string_view genderCode, Language lang)
{
    const bool english = isEnglish(lang);
    bool male = genderCode == "S" || (genderCode != "M" && english);
    if (ageClass == 25)
        return english ? (male ? "Men" : "Women") : (male ? "Manlik" : "Vroulik");
    std::string prefix;
    if (ageClass < 19)
        prefix = english ? (male ? "B - " : "G - ") : (male ? "S - " : "D - ");
    else
        prefix = english ? (male ? "M - " : "W - ") : (male ? "M - " : "V - ");
    return prefix + formatNumber(ageClass);
}

std::optional<std::string> storedDateFromGrid(std::string_view text)
{
    std::string t = trimmed(text);
    if (t.size() != 10 || t[2] != '/' || t[5] != '/' || !allDigits(t.substr(0, 2)) || !allDigits(t.substr(3, 2)) ||
        !allDigits(t.substr(6, 4)))
        return std::nullopt;
    using namespace std::chrono;
    year_month_day date{year{std::stoi(t.substr(6, 4))}, month{unsigned(std::stoi(t.substr(3, 2)))},
                        day{unsigned(std::stoi(t.substr(0, 2)))}};
    if (!date.ok())
        return std::nullopt;
    return t.substr(6, 4) + "-" + t.substr(3, 2) + "-" + t.substr(0, 2);
}

std::string gridDateText(std::string_view stored)
{
    Clock::time_point when;
    std::string t = trimmed(stored);
    if (!t.empty() && parseStoredDate(t, when))
        return formatDate(when);
    return t;
}

} // namespace dravik
