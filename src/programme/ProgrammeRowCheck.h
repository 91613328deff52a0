// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravik {

class DefinitionList;

// An action refused; nothing was changed. The window shows message and title.
struct EntryResult {
    std::string message;
    std::string title;
    bool ok() const { return message.empty(); }
};

// How every road reads the typed or imported text of a programme field, so
// that the same text gives the same stored value or the same refusal
// everywhere. Blanks around a text are ignored.
// The event number: a whole number from 1 to 9999, digits only.
std::optional<int> readEventNumber(std::string_view text);
// The start time: "h:mm" or "hh:mm" from 00:00 to 23:59 (see clockTimeText),
// given as "hh:mm"; an empty time is "00:00".
std::optional<std::string> readEventTime(std::string_view text);
// The day: a whole number from 1 to the meeting's number of days (1 to 3); an
// empty day is day 1.
std::optional<int> readEventDay(std::string_view text, int meetingDays);
// The sub letter that tells apart events with the same number: empty or one
// letter a-z or A-Z.
bool isEventSub(std::string_view text);
// The participation point: at most 3 characters.
bool isEventPoint(std::string_view text);

// Checks a start time typed into txtTime or into column 2 of the programme grid.
EntryResult checkEventTime(std::string_view text, Language lang);

// Checks an event number typed into txtNumber, into column 0 of the programme grid
// or into the renumber panel. The refusal names the field.
EntryResult checkEventNumber(std::string_view text, std::string_view field, Language lang);

// The place in the alphabet of a sub letter: 1 for "a" or "A" up to 26 for "z"
// or "Z", 0 for a blank sub, -1 for anything else. A sub is one letter or
// nothing: the programme's check (isEventSub) and the photo-finish event
// numbers take the same subs.
int subLetterPlace(std::string_view sub);

// Checks text typed into a cell of the programme grid before it is taken:
// number, sub, time, point and day as read above. Other columns pass.
EntryResult checkProgrammeCell(int col, std::string_view text, Language lang, int meetingDays);

// Checks the cells of one programme row (columns as the programme grid holds
// them) as checkProgrammeCell checks a typed cell, and, given the definitions,
// that its definition number is a known event definition. The message of a
// refused row names the row, the column (as the window's grid titles it) and
// the value.
EntryResult checkProgrammeRow(const std::vector<std::string>& cells, int row, Language lang, int meetingDays,
                              const DefinitionList* definitions = nullptr);

} // namespace dravik
