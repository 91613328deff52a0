#include "app/StartUp.h"

#include "app/AppSession.h"
#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "data/SuiteLocation.h"
#include "data/SuiteSetup.h"

#include <QApplication>
#include <QCoreApplication>
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
    QString folder = QString::fromStdString(loc.folder);
    if (!loc.holdsSuite) {
        if (loc.fromArgument) {
            prompter.inform(nullptr,
                            "The folder \"" + folder + "\" holds no Dravik Sport suite (Dsd05.mdb is missing).\n"
                            "To create one, run: dravik setup \"" + folder + "\" (add --demo for a sample meeting).",
                            kTitle);
            return 1;
        }
        if (!prompter.ask(nullptr,
                          "No Dravik Sport suite was found in \"" + folder + "\".\nCreate an empty one there?",
                          kTitle))
            return 0;
        try {
            createSuiteFolder(loc.folder, false);
        } catch (const std::exception& e) {
            prompter.inform(nullptr, QString::fromStdString(e.what()), kTitle);
            return 1;
        }
    }
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
