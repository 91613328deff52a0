// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {

// The outcome of a records action the user started: refused with a message
// naming the set or event (nothing stored), or done.
struct RecordsResult {
    bool ok = true;
    std::string message; // for the user, in the window's language; empty when ok
    int row = -1;        // the grid row the message is about, -1 for none

    static RecordsResult refused(std::string message, int row = -1) { return {false, std::move(message), row}; }
};

} // namespace dravik
