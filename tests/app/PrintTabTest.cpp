// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrintTab.h"
#include "app/AppTestSupport.h"
#include "app/PreviewWindow.h"
#include "data/WebFolderSetting.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <fstream>

using namespace dravik;
using namespace dravik::test;

namespace {

// The demo meeting, with a stand-in word processor that notes the file it was given.
class PrintTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(s.dir.path() / "Data");
        std::string writer = s.dir.folder() + "writer";
        std::ofstream(writer) << "#!/bin/sh\nprintf '%s' \"$1\" > \"" << s.dir.folder() << "opened.txt\"\n";
        std::filesystem::permissions(writer, std::filesystem::perms::owner_all);
        s.exec("Dsd07.mdb", "UPDATE Paths SET Word = '" + s.dir.folder() + "', WP = 'writer', Excel = '" +
                                s.dir.folder() + "', SH = 'writer', Data = '" + s.dir.folder() + "Data'");
    }

    SuiteSession s;
    ScriptedPrompter& prompter = s.prompter;
    AppSession& session = s.session;
};

TEST_F(PrintTabTest, OptionsShowTheirFramesAndRecordAndEventStayTickedAndPrintOrderIsTheDisplayOrder)
{
    MainWindow& w = session.start();
    auto shown = [&](const char* frame) { return !child<QWidget>(w, frame)->isHidden(); };
    struct Step {
        const char* control;
        const char* frame;
        bool visible;
    };
    const Step steps[] = {
        {"optPrt(1)", "fraGate", true},  {"optPrt(0)", "fraGate", false},    {"optRec(2)", "fraRDat", true},
        {"optRec(1)", "fraRDat", false}, {"optDPR(1)", "fraRAction", true},  {"optDPR(1)", "fraPAction", false},
        {"optDPR(2)", "fraAnal", true},  {"optDPR(2)", "fraRAction", false}, {"optDPR(0)", "fraPAction", true},
        {"chkDDae", "cmbDDae", true},    {"chkDDae", "cmbDDae", false},
    };
    for (const Step& step : steps) {
        click(w, step.control);
        EXPECT_EQ(shown(step.frame), step.visible) << step.control << " " << step.frame;
    }
    click(w, "optPrt(1)");
    click(w, "chkPopt(1)");
    EXPECT_TRUE(shown("fraVoor"));

    for (int i = 0; i < 10; ++i) {
        click(w, "Check1(" + std::to_string(i) + ")");
        EXPECT_TRUE(child<QCheckBox>(w, "Check1(8)")->isChecked() && child<QCheckBox>(w, "Check1(9)")->isChecked())
            << "after Check1(" << i << ")";
    }
    EXPECT_FALSE(child<QCheckBox>(w, "Check1(0)")->isChecked());

    // The print order is the display order of the Compile tab, both ways.
    click(w, "optDisp1(1)");
    EXPECT_TRUE(child<QRadioButton>(w, "optDisp(1)")->isChecked());
    click(w, "optDisp(2)");
    EXPECT_TRUE(child<QRadioButton>(w, "optDisp1(2)")->isChecked()) << "the print order shows the display order";

    child<QComboBox>(w, "cmbFont")->setCurrentIndex(3);
    EXPECT_EQ(w.printTab().options().fontSize, 9);

    click(w, "chkIds");
    EXPECT_TRUE(w.printTab().options().ids);

    // A new activation chooses "Program" again, with its frame only.
    click(w, "optDPR(2)");
    w.activate();
    EXPECT_TRUE(shown("fraPAction"));
    EXPECT_FALSE(shown("fraAnal") || shown("fraRAction"));
    session.exitProgram();
}

TEST_F(PrintTabTest, DisplayShowsThePagesAndWritesTheDocumentThatEditOpensAndTheWebPage)
{
    MainWindow& w = session.start();
    // The web page is written into the data folder and opened, or said where it is.
    QString opened;
    w.printTab().openInBrowser = [&](const QString& file) { return opened = file, false; };
    prompter.told.clear();
    click(w, "cmdWeb");
    const std::string index = s.dir.folder() + "Data/Web/index.html";
    EXPECT_GT(std::filesystem::file_size(index), 1000u);
    EXPECT_EQ(opened.toStdString(), index);
    EXPECT_EQ(prompter.told.size(), 1) << "no browser: the message says where the page is";
    prompter.told.clear();
    click(w, "optPrt(1)");
    click(w, "chkPopt(0)");
    click(w, "cmdPView");
    EXPECT_TRUE(prompter.told.isEmpty()) << prompter.told.join("\n").toStdString();
    PreviewWindow* preview = w.printTab().previewWindow();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_GT(preview->pageCount(), 1);
    std::string document = s.dir.folder() + "Data/Program.odt";
    EXPECT_TRUE(std::filesystem::file_size(document) > 0);

    click(w, "cmdPView"); // a second Display reuses the preview window
    EXPECT_EQ(w.printTab().previewWindow(), preview);
    // The program has one preview window; the Afrikaans window titles it in Afrikaans.
    session.showWindow(Language::Afrikaans);
    MainWindow& af = *session.existingWindow(Language::Afrikaans);
    click(af, "cmdPView");
    EXPECT_EQ(af.printTab().previewWindow(), preview);
    EXPECT_EQ(preview->windowTitle(), "Dravik Sport - Program (Drukker)");
    session.showWindow(Language::English);

    click(w, "cmdPEdit");
    QString note = s.dir.folder().c_str() + QString("opened.txt");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(note) && QFile(note).size() > 0, 5000);
    QFile file(note);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), document) << "the word processor gets the document as its one argument";
    session.exitProgram();
}

TEST_F(PrintTabTest, EditSaysWhatIsMissingInBothWindows)
{
    s.setTaal(0);
    MainWindow& af = session.start();
    click(af, "optDPR(1)");
    prompter.told.clear();
    click(af, "cmdPEdit");
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told.value(0).contains("Rekords.odt")) << prompter.told.value(0).toStdString();
    session.exitProgram();

    s.exec("Dsd07.mdb", "UPDATE Paths SET WP = 'no-such-writer'");
    AppSession again(s.dir.folder(), prompter);
    MainWindow& af2 = again.start();
    prompter.told.clear();
    click(af2, "cmdPEdit");
    EXPECT_EQ(prompter.told.value(0), ": Please set the path to your word/spreadsheet processor.");
    again.exitProgram();
}

// The web folder typed on the Print tab is kept for the suite; every Save then
// publishes the site there, and a folder that cannot be written is told after
// the Save said it saved.
TEST_F(PrintTabTest, WebFolderIsKeptAndEverySavePublishesThere)
{
    MainWindow& w = session.start();
    const std::string web = s.dir.folder() + "site";
    const std::string blocker = s.dir.folder() + "a-file";
    std::ofstream(blocker) << "keep";
    child<QLineEdit>(w, "txtWebFolder")->setText(QString::fromStdString(blocker));
    click(w, "cmdWebFolder");
    EXPECT_EQ(readWebFolderSetting(s.dir.folder()), blocker);
    prompter.told.clear();
    click(w, "cmdSave");
    ASSERT_EQ(prompter.told.size(), 2) << prompter.told.join("\n").toStdString();
    EXPECT_TRUE(prompter.told[0].endsWith("Current data was saved.")) << prompter.told[0].toStdString();
    EXPECT_TRUE(prompter.told[1].contains("was not published into " + QString::fromStdString(blocker)));
    EXPECT_TRUE(std::filesystem::is_regular_file(blocker));

    child<QLineEdit>(w, "txtWebFolder")->setText(QString::fromStdString(web));
    prompter.told.clear();
    click(w, "cmdWebFolder");
    EXPECT_TRUE(prompter.told.value(0).contains("web site into")) << prompter.told.value(0).toStdString();
    click(w, "cmdSave");
    EXPECT_TRUE(std::filesystem::exists(web + "/index.html"));
    session.exitProgram();
}

} // namespace
