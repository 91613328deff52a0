// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "app/AppSession.h"
#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "data/SuiteLocation.h"
#include "data/SuiteSetup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cstdlib>
#include <optional>

namespace dravik {

namespace {

std::string environment(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

const QString kTitle = "Dravik Sport - Program";

} // namespace

std::optional<int> offerSuite(const SuiteLocation& loc, Prompter& prompter)
{
    if (loc.holdsSuite)
        return std::nullopt;
    const bool afrikaans = QLocale().language() == QLocale::Afrikaans;
    const QString folder = QString::fromStdString(loc.folder);
    if (loc.fromArgument) {
        prompter.inform(nullptr,
                        afrikaans ? "Die gids \"" + folder +
                                        "\" bevat geen Dravik Sport-suite nie (Dsd05.mdb ontbreek).\n"
                                        "Om een te skep, gee die opdrag: dravik setup \"" +
                                        folder + "\" (voeg --demo by vir 'n voorbeeldbyeenkoms)."
                                  : "The folder \"" + folder +
                                        "\" holds no Dravik Sport suite (Dsd05.mdb is missing).\n"
                                        "To create one, run: dravik setup \"" +
                                        folder + "\" (add --demo for a sample meeting).",
                        kTitle);
        return 1;
    }
    const QString question =
        afrikaans ? "Geen Dravik Sport-suite is in \"" + folder +
                        "\" gevind nie.\n"
                        "Skep daar 'n leë suite, of een met die demobyeenkoms ('n voorbeeldbyeenkoms van drie dae) "
                        "om mee rond te kyk?"
                  : "No Dravik Sport suite was found in \"" + folder +
                        "\".\n"
                        "Create an empty one there, or one with the demo meeting (a sample three-day meeting) "
                        "to look around in?";
    const QStringList buttons = afrikaans ? QStringList{"Leë suite", "Demobyeenkoms", "Kanselleer"}
                                          : QStringList{"Empty suite", "Demo meeting", "Cancel"};
    const int choice = prompter.choose(nullptr, question, kTitle, buttons);
    if (choice != 0 && choice != 1)
        return 0;
    try {
        createSuiteFolder(loc.folder, choice == 1);
    } catch (const std::exception& e) {
        prompter.inform(nullptr, QString::fromStdString(e.what()), kTitle);
        return 1;
    }
    return std::nullopt;
}

int runProgram(QApplication& app)
{
    MessageBoxPrompter prompter;
    return runProgram(app, prompter);
}

int runProgram(QApplication& app, Prompter& prompter)
{
    QStringList args = QCoreApplication::arguments();
    std::optional<std::string> argument;
    if (args.size() > 1)
        argument = args.at(1).toStdString();
    SuiteLocation loc = locateSuite(argument, QCoreApplication::applicationDirPath().toStdString(),
                                    environment("XDG_DATA_HOME"), environment("HOME"));
    if (std::optional<int> exitCode = offerSuite(loc, prompter))
        return *exitCode;
    try {
        AppSession session(loc.folder, prompter);
        session.start();
        app.setQuitOnLastWindowClosed(false);
        return app.exec();
    } catch (const std::exception& e) {
        prompter.inform(nullptr, QString::fromStdString(e.what()), kTitle);
        return 1;
    }
}

} // namespace dravik
