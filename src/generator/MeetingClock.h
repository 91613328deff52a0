// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace dravik {

// A time of the meeting day in minutes. It keeps the half minute of 2.5-minute
// heats and shows whole minutes, rounded up: a race is never shown to start
// before the one ahead of it can have finished. Hours go on past 24.
class MeetingClock {
public:
    explicit MeetingClock(double minutes = 0) : minutes_(minutes) {}

    // Reads "hh:mm" (leading and trailing blanks ignored; "h:mm" is read as
    // "0h:mm"). Throws GeneratorError with a message naming the text otherwise.
    static MeetingClock parse(std::string_view text);

    void advance(double minutes) { minutes_ += minutes; }
    double minutes() const { return minutes_; }
    // "hh:mm", hours with at least two digits.
    std::string text() const;

private:
    double minutes_;
};

} // namespace dravik
