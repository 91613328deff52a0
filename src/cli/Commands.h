#pragma once
#include "programme/Language.h"

#include <iostream>
#include <string>

namespace CLI {
class App;
}

namespace dravik::cli {

// Adds every subcommand to the parser.
void registerCommands(CLI::App& app);
// Runs the subcommand that was parsed; returns the exit code. Failures are
// printed to err as one clear message and give exit code 1.
int runSelected(CLI::App& app, std::ostream& out, std::ostream& err);

// The commands themselves, callable from tests. Each throws StoreError or
// another std::exception with a message on failure.
int runProgrammeCommand(const std::string& dir, Language lang, std::ostream& out);
int runSetupCommand(const std::string& dir, bool demo, std::ostream& out);
int runGenerateCommand(const std::string& dir, const std::string& start, bool apply, std::ostream& out,
                       std::ostream& err = std::cerr);

Language parseLanguage(const std::string& text);

} // namespace dravik::cli
