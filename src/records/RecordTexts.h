// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <optional>
#include <string>
#include <string_view>

namespace dravik {

// Event types whose records are times in seconds; every other type is measured.
bool isTimedEvent(int type);

// A record as the record editor's grid shows it: timed events as " h:mm:ss.ss",
// " m:ss.ss" or "s.ss" (the blank before hours or minutes is part of the text),
// measured events with two decimals. A time never shows 60 seconds or minutes
// within a longer time: 119.999 shows " 2:00.00".
std::string recordGridText(double value, int type);

// The value of a record as every road reads it (the record editor, the
// record panel, Write Records and the command-line import): a number above 0
// ("10.5", or "10,5" with a decimal comma), or for a timed event also a time
// "m:ss.ss" or "h:mm:ss.ss" (1:00 is 60). Blanks around it are ignored.
// Anything else ("1:0x", "fast", "-3", "0", a time for a measured event)
// gives no value.
std::optional<double> readRecordText(std::string_view text, int type);

// A record's year: empty or four digits.
bool isRecordYear(std::string_view text);

// A record as the current event's Record box shows it: from 60 on the whole
// minutes, ":" and the remaining seconds, each as a plain number (125.3 gives
// "2:5.3", 3725 gives "62:5"); below 60 the plain number.
std::string recordFieldText(double value);

// The category of an event definition: "B - 13", "W - 35", "Men" and so on
// (English), "S - 13", "V - 35", "Manlik" (Afrikaans). A gender code other than
// "S" or "M" counts as male in English and female in Afrikaans.
std::string categoryText(double ageClass, std::string_view genderCode, Language lang);

// A record's date typed as "dd/MM/yyyy" (a real calendar date), as it is
// stored: "yyyy-MM-dd". No value for any other text.
std::optional<std::string> storedDateFromGrid(std::string_view text);

// A stored record date as the grid shows it, "dd/MM/yyyy"; text that is no
// date shows trimmed as it is.
std::string gridDateText(std::string_view stored);

} // namespace dravik
