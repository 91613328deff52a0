// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"
#include "app/AppTestSupport.h"
#include "data/SuiteLocation.h"
#include "support/TestSupport.h"

#include <QLocale>
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

using namespace dravik;

// Start-up without a suite: the default folder is created on the user's choice,
// empty or with the demo meeting; a folder named on the command line is never created.
TEST(StartUpTest, OffersAnEmptySuiteOrTheDemoMeeting)
{
    // named: the folder was named on the command line; blocked: a file stands where
    // the folder should be; choice: button chosen: 0 empty, 1 demo, 2 cancel; suite: a
    // suite is there afterwards; programme: and it holds a stored programme
    struct Case {
        const char* name;
        QLocale::Language language;
        bool named;
        bool blocked;
        int choice;
        std::optional<int> exitCode;
        bool suite;
        bool programme;
    };
    const Case cases[] = {
        {"empty", QLocale::English, false, false, 0, std::nullopt, true, false},
        {"demo", QLocale::English, false, false, 1, std::nullopt, true, true},
        {"cancel", QLocale::English, false, false, 2, 0, false, false},
        {"demo in Afrikaans", QLocale::Afrikaans, false, false, 1, std::nullopt, true, true},
        {"named folder", QLocale::English, true, false, 1, 1, false, false},
        {"cannot create", QLocale::English, false, true, 1, 1, false, false},
    };
    std::map<QLocale::Language, QString> questions;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder home;
        if (c.blocked)
            std::ofstream(home.path() / "dravik-sport") << "not a folder";
        SuiteLocation loc = c.named ? locateSuite((home.path() / "meeting").string(), "", "", "")
                                    : locateSuite(std::nullopt, "", home.path().string(), "");
        QLocale::setDefault(QLocale(c.language));
        test::ScriptedPrompter prompter;
        prompter.choices = {c.choice};
        EXPECT_EQ(offerSuite(loc, prompter), c.exitCode);
        QLocale::setDefault(QLocale(QLocale::English));

        EXPECT_EQ(folderHoldsSuite(loc.folder), c.suite);
        EXPECT_EQ(prompter.asked.size(), c.named ? 0 : 1);
        EXPECT_EQ(prompter.told.size(), c.exitCode == 1 ? 1 : 0) << prompter.told.join("\n").toStdString();
        if (!prompter.asked.empty()) {
            EXPECT_TRUE(prompter.asked[0].contains(QString::fromStdString(loc.folder)));
            questions[c.language] = prompter.asked[0];
        }
        if (c.suite) {
            SQLite::Database meeting(loc.folder + "Dsd00.mdb");
            EXPECT_EQ(meeting.execAndGet("SELECT count(*) FROM Atld40").getInt() > 0, c.programme);
        }
    }
    EXPECT_NE(questions[QLocale::English], questions[QLocale::Afrikaans])
        << "the question follows the system's language";
}
