// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppTestSupport.h"

#include <QSpinBox>

#include <fstream>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// "Photo-finish" writes the chosen day's start lists into the import folder,
// in either window; all days of the demo (numbered from 1 each day) are refused
// unless a day offset numbers each day apart.
TEST(PhotoFinishPanelTest, WritesTheChosenDayInBothWindows)
{
    test::SuiteSession s;
    const fs::path camera = s.dir.path() / "camera";
    fs::create_directories(camera);
    s.exec("Dsd07.mdb", "UPDATE Paths SET Import = '" + camera.string() + "'");
    const struct {
        Language lang;
        int day;
        QString told, refused;
    } windows[] = {{Language::English, 1, "competitors were written to lynx.evt", "start again"},
                   {Language::Afrikaans, 2, "deelnemers is na lynx.evt", "begin weer"}};
    for (const auto& w : windows) {
        s.session.showWindow(w.lang);
        MainWindow& window = *s.session.existingWindow(w.lang);
        auto* days = test::child<QComboBox>(window, "cmbLynxDag");
        ASSERT_EQ(days->count(), 4); // all days, 1, 2, 3

        days->setCurrentIndex(0);
        s.prompter.told.clear();
        test::click(window, "cmdLynx");
        EXPECT_TRUE(s.prompter.told.value(0).contains(w.refused)) << s.prompter.told.value(0).toStdString();
        EXPECT_TRUE(fs::is_empty(camera));

        days->setCurrentIndex(w.day);
        s.prompter.told.clear();
        test::click(window, "cmdLynx");
        const QString told = s.prompter.told.value(0);
        EXPECT_TRUE(told.contains(w.told) && told.contains(QString::fromStdString(camera.string())))
            << told.toStdString();
        EXPECT_TRUE(fs::exists(camera / "lynx.sch"));
        for (const char* file : {"lynx.evt", "lynx.ppl", "lynx.sch"})
            fs::remove(camera / file);

        // With a day offset every day goes into the folder at once.
        auto* offset = test::child<QSpinBox>(window, "spnLynxOffset");
        days->setCurrentIndex(0);
        offset->setValue(1000);
        s.prompter.told.clear();
        test::click(window, "cmdLynx");
        EXPECT_TRUE(s.prompter.told.value(0).contains(w.told)) << s.prompter.told.value(0).toStdString();
        std::ifstream evt(camera / "lynx.evt");
        const std::string events(std::istreambuf_iterator<char>(evt), {});
        EXPECT_NE(events.find("\r\n2001,1,1,"), std::string::npos) << "day 3's event 1";
        offset->setValue(0);
        for (const char* file : {"lynx.evt", "lynx.ppl", "lynx.sch"})
            fs::remove(camera / file);
    }
    s.session.exitProgram();
}

} // namespace
