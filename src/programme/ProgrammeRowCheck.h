#pragma once
#include "programme/Language.h"

#include <string>
#include <string_view>
#include <vector>

namespace dravik {

// An action refused; nothing was changed. The window shows message and title.
struct EntryResult {
    std::string message;
    std::string title;
    bool ok() const { return message.empty(); }
};

// Checks a start time typed into txtTime or into column 2 of the programme grid:
// "hh:mm" from 00:00 to 23:59, or empty (saved as 00:00). Anything else is refused
// with a message in the window's language.
EntryResult checkEventTime(std::string_view text, Language lang);

// Checks an event number typed into txtNumber, into column 0 of the programme grid
// or into the renumber panel: a whole number from 1 to 9999. Anything else is
// refused with a message naming the field.
EntryResult checkEventNumber(std::string_view text, std::string_view field, Language lang);

// The place in the alphabet of a sub letter: 1 for "a" or "A" up to 26 for "z"
// or "Z", 0 for a blank sub, -1 for anything else. A sub is one letter or
// nothing: the programme's check and the photo-finish event numbers take the
// same subs.
int subLetterPlace(std::string_view sub);

// Checks text typed into a cell of the programme grid before it is taken: the
// number and the time as in the event fields, a sub letter (see subLetterPlace) and a
// participation point of at most 3 characters (what the programme table holds),
// and a day from 1 to the meeting's number of days. Other columns pass.
EntryResult checkProgrammeCell(int col, std::string_view text, Language lang, int meetingDays);

// Checks the cells of one programme row (columns as the programme grid holds
// them) as checkProgrammeCell checks a typed cell: number, sub, time, point and
// day. Every road that puts rows into the programme grid (the cells typed on
// the Compile tab, "Write to Program", the command-line import) uses it. The
// message of a refused row names the row, the column and the value.
EntryResult checkProgrammeRow(const std::vector<std::string>& cells, int row, Language lang, int meetingDays);

} // namespace dravik
