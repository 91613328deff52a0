// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/FormContext.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "programme/Language.h"
#include "records/RecordSetList.h"

#include <QMainWindow>

class QLabel;
class QTabWidget;

namespace dravik {

class AppSession;
class AnalysisTab;
class ExchangeTab;
class GeneratorTab;
class PrintTab;
class ProgrammeTab;
class RecordsTab;

// The main window; one instance per language (frmEng2 and frmAfr2) with the
// same controls and handlers and the texts of its language. It assembles the
// six tabs, keeps what they share and runs load and activation.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Language lang, AppSession& session);
    ~MainWindow() override;

    Language language() const { return lang_; }
    GridModel& programmeGrid() { return prog_; }
    const MeetingDetails& meeting() const { return meeting_; }
    const RecordSetList& recordSets() const { return recordSets_; }

    ProgrammeTab& programmeTab() { return *programmeTab_; }
    RecordsTab& recordsTab() { return *recordsTab_; }
    ExchangeTab& exchangeTab() { return *exchangeTab_; }
    PrintTab& printTab() { return *printTab_; }
    AnalysisTab& analysisTab() { return *analysisTab_; }
    GeneratorTab& generatorTab() { return *generatorTab_; }

    // Runs the activation steps: meeting details, lists, programme grid, record sets.
    // The session calls it before the window is first shown and when a language
    // switch shows it again, not whenever it regains focus: a closing message box
    // must not reload the grid over unsaved edits.
    void activate();
    void setMeetingCaption(const QString& caption);

    void cmdAE_Click();
    void cmdEinde_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void connectTabs();
    void load();
    void checkExternalPrograms();
    // The exit question when the grid holds unsaved changes; true to go on.
    bool confirmDiscardChanges();

    Language lang_;
    AppSession& session_;
    GridModel prog_;
    MeetingDetails meeting_;
    RecordSetList recordSets_;
    double printFontSize_ = 12;
    FormContext form_;

    QTabWidget* tabVoor_ = nullptr;
    QLabel* lblMeet_ = nullptr;
    ProgrammeTab* programmeTab_ = nullptr;
    RecordsTab* recordsTab_ = nullptr;
    ExchangeTab* exchangeTab_ = nullptr;
    PrintTab* printTab_ = nullptr;
    AnalysisTab* analysisTab_ = nullptr;
    GeneratorTab* generatorTab_ = nullptr;
};

} // namespace dravik
