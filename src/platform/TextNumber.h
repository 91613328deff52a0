// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace dravik {

// The leading number of a text, as the suite reads numbers typed into grids:
// leading blanks skipped, optional sign, digits with one decimal point and an
// optional exponent; anything after that is ignored. Empty or non-numeric text is 0.
double textToNumber(std::string_view text);

// True when the whole trimmed text is one number ("12", "-3.5"); used where
// a grid compares two cells as numbers rather than as text.
bool isNumericText(std::string_view text);

// The grids' generic order of two cells: as numbers when both are numbers,
// otherwise as case-sensitive text. Negative, 0 or positive.
int compareCells(std::string_view a, std::string_view b);

// A number as the grids show it: whole numbers without decimals ("5"),
// others with as few digits as keep the value ("7.5").
std::string formatNumber(double value);

std::string trimmed(std::string_view text);

// The number of characters of a UTF-8 text.
size_t characterCount(std::string_view text);

// The first n characters of a UTF-8 text, padded with blanks to n characters.
std::string fixedWidth(std::string_view text, size_t n);

// "hh:mm" with two-digit hours 00-23 and minutes 00-59.
bool isValidClockTime(std::string_view text);

// A start time as every road reads it: blanks around it ignored, hours of one
// or two digits (0-23), two-digit minutes (00-59) and, as spreadsheets write
// times, optionally ":00" seconds. Gives "hh:mm"; no value for anything else
// ("9:5", "24:00", "09:00:30"). Empty text gives no value either: the caller
// decides what an empty time means.
std::optional<std::string> clockTimeText(std::string_view text);

} // namespace dravik
