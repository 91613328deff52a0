#pragma once

class QApplication;

namespace dravik {

class Prompter;

// The start-up step (FrmEerste): finds the suite folder, reads the language
// option and shows the main window of that language; then runs the program.
// Returns the exit code. Failures reach the user as one message naming the
// file and what is wrong.
int runProgram(QApplication& app);
int runProgram(QApplication& app, Prompter& prompter);

} // namespace dravik
