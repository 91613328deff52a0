// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "platform/StoreError.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{"dravik - the programme module of Dravik Sport, without a window"};
    app.require_subcommand(1);
    dravik::cli::registerCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    return dravik::cli::runSelected(app, std::cout, std::cerr);
}
