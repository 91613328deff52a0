#include "app/AppSession.h"
#include "app/MainWindow.h"
#include "app/ScriptedPrompter.h"
#include "data/SuiteSetup.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// "Photo-finish" writes the chosen day's start lists into the import folder,
// in either window; all days of the demo (numbered from 1 each day) are refused.
TEST(PhotoFinishPanelTest, WritesTheChosenDayInBothWindows)
{
    test::TempFolder dir;
    createSuiteFolder(dir.path().string(), true);
    const fs::path camera = dir.path() / "camera";
    fs::create_directories(camera);
    SQLite::Database((dir.path() / "Dsd07.mdb").string(), SQLite::OPEN_READWRITE)
        .exec("UPDATE Paths SET Import = '" + camera.string() + "'");
    test::ScriptedPrompter prompter;
    AppSession session(dir.folder(), prompter);
    const struct {
        Language lang;
        QString caption;
        int day;
        QString told;
    } windows[] = {{Language::English, "Photo-finish", 1, "competitors were written to lynx.evt"},
                   {Language::Afrikaans, "Fotofinish", 2, "deelnemers is na lynx.evt"}};
    for (const auto& w : windows) {
        session.showWindow(w.lang);
        MainWindow& window = *session.existingWindow(w.lang);
        auto* button = window.findChild<QAbstractButton*>("cmdLynx");
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), w.caption);
        auto* days = window.findChild<QComboBox*>("cmbLynxDag");
        ASSERT_EQ(days->count(), 4); // all days, 1, 2, 3

        days->setCurrentIndex(0);
        prompter.told.clear();
        button->click();
        EXPECT_TRUE(prompter.told.value(0).contains("start again")) << prompter.told.value(0).toStdString();
        EXPECT_TRUE(fs::is_empty(camera));

        days->setCurrentIndex(w.day);
        prompter.told.clear();
        button->click();
        const QString told = prompter.told.value(0);
        EXPECT_TRUE(told.contains(w.told) && told.contains(QString::fromStdString(camera.string())))
            << told.toStdString();
        EXPECT_TRUE(fs::exists(camera / "lynx.sch"));
        fs::remove(camera / "lynx.evt");
        fs::remove(camera / "lynx.ppl");
        fs::remove(camera / "lynx.sch");
    }
    session.exitProgram();
}

} // namespace
