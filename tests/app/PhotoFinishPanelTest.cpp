// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppTestSupport.h"

#include <QSpinBox>

#include <fstream>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// "Photo-finish" writes the chosen day's start lists into the import folder and
// says so; all days of the demo (numbered from 1 each day) are refused unless a
// day offset numbers each day apart.
TEST(PhotoFinishPanelTest, WritesTheChosenDayOrAllDaysWithAnOffset)
{
    test::SuiteSession s;
    const fs::path camera = s.dir.path() / "camera";
    fs::create_directories(camera);
    s.exec("Dsd07.mdb", "UPDATE Paths SET Import = '" + camera.string() + "'");
    MainWindow& w = s.session.start();
    auto* days = test::child<QComboBox>(w, "cmbLynxDag");
    ASSERT_EQ(days->count(), 4); // all days, 1, 2, 3
    auto lynx = [&] {
        s.prompter.told.clear();
        test::click(w, "cmdLynx");
        return s.prompter.told.value(0).toStdString();
    };

    days->setCurrentIndex(0);
    EXPECT_NE(lynx().find("start again"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(camera));

    days->setCurrentIndex(2);
    const std::string told = lynx();
    EXPECT_NE(told.find("competitors were written to lynx.evt"), std::string::npos) << told;
    EXPECT_NE(told.find(camera.string()), std::string::npos) << told;

    // With a day offset every day goes into the folder at once.
    days->setCurrentIndex(0);
    test::child<QSpinBox>(w, "spnLynxOffset")->setValue(1000);
    EXPECT_NE(lynx().find("competitors were written"), std::string::npos);
    std::ifstream evt(camera / "lynx.evt");
    const std::string events(std::istreambuf_iterator<char>(evt), {});
    EXPECT_NE(events.find("\r\n2001,1,1,"), std::string::npos) << "day 3's event 1";
    s.session.exitProgram();
}

} // namespace
