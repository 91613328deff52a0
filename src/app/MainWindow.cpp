// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AnalysisTab.h"
#include "app/AppSession.h"
#include "app/ExchangeTab.h"
#include "app/GeneratorTab.h"
#include "app/PrintTab.h"
#include "app/ProgrammeTab.h"
#include "app/RecordsTab.h"
#include "app/TextTable.h"
#include "app/WidgetFactory.h"
#include "data/FolderSettings.h"
#include "data/Schema.h"
#include "programme/ProgrammeRow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace dravik {

namespace {

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

QString FormContext::text(const char* name) const
{
    return windowText(lang, name);
}

MainWindow::MainWindow(Language lang, AppSession& session)
    : lang_(lang), session_(session),
      prog_(pcol::Count), form_{lang, session, prog_, meeting_, recordSets_, printFontSize_}
{
    setObjectName(isEnglish(lang) ? "frmEng2" : "frmAfr2");
    setWindowTitle(form_.text("title"));
    setupProgrammeGrid(prog_, lang_);
    buildUi();
    connectTabs();
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildUi()
{
    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    tabVoor_ = new QTabWidget;
    tabVoor_->setObjectName("tabVoor");
    programmeTab_ = new ProgrammeTab(form_);
    recordsTab_ = new RecordsTab(form_);
    exchangeTab_ = new ExchangeTab(form_);
    printTab_ = new PrintTab(form_);
    analysisTab_ = new AnalysisTab(form_);
    generatorTab_ = new GeneratorTab(form_);
    QWidget* tabs[] = {programmeTab_, recordsTab_, exchangeTab_, printTab_, analysisTab_, generatorTab_};
    const char* names[] = {"tab0", "tab1", "tab2", "tab3", "tab4", "tab5"};
    for (int i = 0; i < 6; ++i)
        tabVoor_->addTab(tabs[i], form_.text(names[i]));
    outer->addWidget(tabVoor_, 1);

    auto* bottom = new QHBoxLayout;
    lblMeet_ = ui::make<QLabel>(lang_, "lblMeet");
    QFont bold = lblMeet_->font();
    bold.setBold(true);
    lblMeet_->setFont(bold);
    bottom->addWidget(lblMeet_, 1);
    auto* cmdAE = ui::make<QPushButton>(lang_, "cmdAE");
    auto* cmdEinde = ui::make<QPushButton>(lang_, "cmdEinde");
    bottom->addWidget(cmdAE);
    bottom->addWidget(cmdEinde);
    outer->addLayout(bottom);
    connect(cmdAE, &QPushButton::clicked, this, [this] { cmdAE_Click(); });
    connect(cmdEinde, &QPushButton::clicked, this, [this] { cmdEinde_Click(); });

    setCentralWidget(central);
    resize(1100, 720);
}

void MainWindow::connectTabs()
{
    // The print order and the display order are one choice that sorts the programme grid.
    connect(printTab_, &PrintTab::printOrderChosen, programmeTab_, &ProgrammeTab::displayOrderClicked);
    connect(programmeTab_, &ProgrammeTab::displayOrderChanged, printTab_, &PrintTab::showPrintOrder);
    printTab_->beforePrint = [this] { programmeTab_->resetEditorState(); };
    printTab_->displayedRecords = [this] {
        return PrintTab::DisplayedRecords{&recordsTab_->recordGrid(), recordsTab_->displayedSet()};
    };
    exchangeTab_->afterWriteToProgramme = [this] {
        programmeTab_->showGridFromTop();
        tabVoor_->setCurrentIndex(0);
    };
    exchangeTab_->afterExport = [this] { tabVoor_->setCurrentIndex(0); };
    printTab_->readAnalysis = [this] {
        return PrintTab::ReadAnalysis{&analysisTab_->analysisGrid(), &analysisTab_->labels()};
    };
    analysisTab_->displayedRecords = [this]() -> std::optional<DisplayedRecords> {
        const auto& set = recordsTab_->displayedSet();
        if (!set)
            return std::nullopt;
        return DisplayedRecords{recordsTab_->recordGrid(), *set};
    };
    // Stored record sets show at once in the lists that offer them.
    connect(recordsTab_, &RecordsTab::recordSetsSaved, this, [this] {
        recordSets_ = readRecordSetList(session_.store().atld61());
        programmeTab_->fillRecordSets();
        exchangeTab_->fillRecordSets();
    });
    generatorTab_->beforeTransfer = [this] { return confirmDiscardChanges(); };
    generatorTab_->afterTransfer = [this] {
        programmeTab_->resetEditorState();
        programmeTab_->loadProgramme();
    };
}

void MainWindow::load()
{
    DataStore& store = session_.openStore();
    tabVoor_->setCurrentIndex(0);
    const FolderSettings& folders = store.folders();
    if (!fileExists(folders.wordProcessorPath()))
        session_.prompter().inform(this, form_.text("msgMissingProgram"), form_.text("title"));
    session_.reloadReference();
    checkExternalPrograms();
    std::string logo = session_.programFolder() + suitefile::Logo;
    session_.logoPath = fileExists(logo) ? logo : std::string();
}

void MainWindow::checkExternalPrograms()
{
    const FolderSettings& folders = session_.store().folders();
    bool missing = !fileExists(folders.wordProcessorPath()) || !fileExists(folders.spreadsheetPath());
    if (missing)
        session_.prompter().inform(this, form_.text("msgMissingProgram"), form_.text("title"));
}

void MainWindow::setMeetingCaption(const QString& caption)
{
    lblMeet_->setText(caption);
}

void MainWindow::activate()
{
    DataStore& store = session_.store();
    session_.programme.ProgrammeChanged = false;

    store.atld00().moveFirst();
    meeting_ = LoadMeetingDetails(store.atld00());
    QString caption = QString::fromStdString(meetingCaption(meeting_));
    setMeetingCaption(caption);
    Language other = isEnglish(lang_) ? Language::Afrikaans : Language::English;
    session_.window(other).setMeetingCaption(caption);

    programmeTab_->resetForActivation();
    printTab_->fillDayLists();
    programmeTab_->loadProgramme();
    exchangeTab_->showImportFolder(store.folders().import);

    recordSets_ = readRecordSetList(store.atld61());
    recordsTab_->fillRecordSets();
    programmeTab_->fillRecordSets();
    exchangeTab_->fillRecordSets();

    printTab_->resetForActivation();
}

bool MainWindow::confirmDiscardChanges()
{
    return !session_.programme.ProgrammeChanged ||
           session_.prompter().ask(this, form_.text("msgExit"), form_.text("msgExitTitle"));
}

void MainWindow::cmdAE_Click()
{
    // Unsaved edits would be lost silently by the other window's reload: ask first.
    if (!confirmDiscardChanges())
        return;
    Language other = isEnglish(lang_) ? Language::Afrikaans : Language::English;
    session_.languageFlag = isEnglish(other) ? 1 : 0;
    session_.showWindow(other);
}

void MainWindow::cmdEinde_Click()
{
    if (!confirmDiscardChanges())
        return;
    session_.exitProgram();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (session_.exiting()) {
        event->accept();
        return;
    }
    // The title-bar close button is Exit, with the same question.
    event->ignore();
    cmdEinde_Click();
}

} // namespace dravik
