#include "app/MainWindow.h"

#include "app/AppSession.h"
#include "app/GridTableModel.h"
#include "app/TextTable.h"
#include "data/FolderSettings.h"
#include "data/Schema.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include <filesystem>

namespace dravik {

namespace {

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

MainWindow::MainWindow(Language lang, AppSession& session)
    : lang_(lang), session_(session), prog_(pcol::Count), rekords_(5)
{
    setObjectName(isEnglish(lang) ? "frmEng2" : "frmAfr2");
    setWindowTitle(text("title"));
    setupProgrammeGrid(prog_, lang_);
    buildUi();
    connectEditor();
    load();
}

MainWindow::~MainWindow() = default;

QString MainWindow::text(const char* name) const
{
    return windowText(lang_, name);
}

void MainWindow::load()
{
    DataStore& store = session_.openStore();
    tabVoor_->setCurrentIndex(0);
    const FolderSettings& folders = store.folders();
    if (!fileExists(folders.wordProcessorPath()))
        session_.prompter().inform(this, text("msgMissingProgram"), text("title"));
    editor_.endMoves();
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
        session_.prompter().inform(this, text("msgMissingProgram"), text("title"));
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

    EditorPanels& panels = fields_.panels;
    panels.fraData = false;
    panels.fraAction = true;
    panels.fraMoveEnd = false;
    panels.fraNuut = false;
    panels.fraHerN = false;
    printState_ = 0;
    editor_.endMoves();
    for (QPushButton* b : {cmdAdd_, cmdClear_, cmdDelete_, cmdRenum_, cmdSave_, cmdMove_})
        b->show();

    // Levels, ages and days of the event fields; the current age starts at the lowest age.
    fillEventFieldLists(fields_, lang_, meeting_);
    editor_.currentAge = meeting_.minAgeIndex;

    lblDDag_->hide();
    cmbDDae_->clear();
    for (const char* day : {"1", "2", "3"})
        cmbDDae_->addItem(day);
    if (meeting_.days == 1) {
        lblDagn_->hide();
        cmbDagn_->hide();
        fraDae_->hide();
    } else {
        lblDagn_->show();
        cmbDagn_->show();
        fraDae_->show();
        cmbDDae_->hide();
        fields_.cmbDagn.select(0);
    }
    pushFields();

    loadProgramme();

    importFolder_ = store.folders().import;
    dirRug_->setText(QString::fromStdString(importFolder_));
    filRug_->clear();
    QDir importDir(QString::fromStdString(importFolder_));
    if (!importFolder_.empty() && importDir.exists())
        filRug_->addItems(importDir.entryList({"*.xls"}, QDir::Files, QDir::Name));

    fillRecordSetLists();

    cmbFont_->clear();
    for (int size = 6; size <= 16; ++size)
        cmbFont_->addItem(QString::number(size) + " pt");
    cmbFont_->setCurrentIndex(6);
    printFontSize_ = 12;

    optDPR_[0]->setChecked(true);
    fraPAction_->show();
    fraRAction_->hide();
}

void MainWindow::loadProgramme()
{
    loadProgrammeGrid(session_.store().atld40(), session_.reference(), lang_, prog_);
    if (prog_.rows() > 1) {
        editor_.previousGender = prog_.cell(1, pcol::Gender);
        editor_.previousAge = textToNumber(prog_.cell(1, pcol::Age));
        editorAction([](const EditorContext& ctx) { ShowEventFields(ctx); });
    } else {
        pushFields();
    }
}

void MainWindow::fillRecordSetLists()
{
    RecordSet& sets = session_.store().atld61();
    rekords_.setRows(1);
    for (QComboBox* c : {cmbPRek_, cmbIRek_, cmbPrekR_, cmbIRekR_})
        c->clear();
    editor_.activeRecordSets = 0;
    for (sets.moveFirst(); !sets.eof(); sets.moveNext()) {
        std::string naam = sets.field("Naam").text(), simb = sets.field("Simb").text(),
                    verw = sets.field("Verw").text();
        bool active = sets.field("Aktief").number() == 1;
        rekords_.addRow({naam, simb, verw, active ? "A" : " ", std::to_string(sets.absolutePosition())});
        if (active) {
            QString entry = QString::fromStdString(naam + " - (" + simb + ")");
            cmbPRek_->addItem(entry);
            cmbIRek_->addItem(entry);
            cmbPrekR_->addItem(QString::fromStdString(verw));
            cmbIRekR_->addItem(QString::fromStdString(verw));
            ++editor_.activeRecordSets;
        }
    }
    if (editor_.activeRecordSets > 0) {
        cmbPRek_->setCurrentIndex(0);
        cmbPrekR_->setCurrentIndex(0);
    }
}

void MainWindow::resetEditorState()
{
    editor_.endMoves();
    fields_.panels.fraNuut = fields_.panels.fraMoveEnd = fields_.panels.fraHerN = fields_.panels.fraWysig = false;
    fields_.panels.fraData = fields_.panels.fraPRek = false;
    fields_.panels.fraAction = true;
    pushFields();
}

void MainWindow::cmdHerlees_Click()
{
    loadProgramme();
}

void MainWindow::cmdSave_Click()
{
    try {
        saveProgrammeGrid(prog_, lang_, session_.store().atld40());
    } catch (const std::exception& e) {
        // The stored programme is as it was; the grid keeps the user's work.
        session_.prompter().inform(this, QString::fromStdString(e.what()), text("msgSaveFailedTitle"));
        return;
    }
    session_.programme.ProgrammeChanged = false;
    resetEditorState();
    session_.prompter().inform(this, text("msgSaved"), text("msgSavedTitle"));
}

void MainWindow::cmdAE_Click()
{
    // Unsaved edits would be lost silently by the other window's reload: ask first.
    if (session_.programme.ProgrammeChanged && !session_.prompter().ask(this, text("msgExit"), text("msgExitTitle")))
        return;
    Language other = isEnglish(lang_) ? Language::Afrikaans : Language::English;
    session_.languageFlag = isEnglish(other) ? 1 : 0;
    session_.showWindow(other);
}

void MainWindow::cmdEinde_Click()
{
    if (session_.programme.ProgrammeChanged && !session_.prompter().ask(this, text("msgExit"), text("msgExitTitle")))
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
