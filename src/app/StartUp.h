// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

class QApplication;

namespace dravik {

class Prompter;
struct SuiteLocation;

// The start-up step (FrmEerste): finds the suite folder, reads the language
// option and shows the main window of that language; then runs the program.
// Returns the exit code. Failures reach the user as one message naming the
// file and what is wrong.
int runProgram(QApplication& app);
int runProgram(QApplication& app, Prompter& prompter);

// Makes sure the located folder holds a suite. A folder named on the command
// line must hold one already; in the default folder the user may create an
// empty suite or one with the demo meeting. Returns the exit code when the
// program ends here, nothing when it goes on to open the suite. The question
// is in Afrikaans when the system's language is Afrikaans (there is no suite
// yet to hold the language option).
std::optional<int> offerSuite(const SuiteLocation& loc, Prompter& prompter);

} // namespace dravik
