#pragma once
#include "data/ReferenceData.h"
#include "generator/Schedule.h"
#include "platform/GridModel.h"
#include "programme/EditorState.h"
#include "programme/EventFields.h"
#include "programme/EventEntry.h"
#include "programme/Ordering.h"
#include "programme/Language.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace dravik {

class AppSession;
class GridTableModel;

// The main window; one instance per language (frmEng2 and frmAfr2) with the
// same controls and handlers and the texts of its language.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Language lang, AppSession& session);
    ~MainWindow() override;

    Language language() const { return lang_; }
    GridModel& programmeGrid() { return prog_; }
    const MeetingDetails& meeting() const { return meeting_; }
    int activeRecordSets() const { return editor_.activeRecordSets; }

    // Runs the activation steps: meeting details, lists, programme grid, record sets.
    // The session calls it before the window is first shown and when a language
    // switch shows it again, not whenever it regains focus: a closing message box
    // must not reload the grid over unsaved edits.
    void activate();
    void setMeetingCaption(const QString& caption);

    // Handlers, public so that tests can drive the window as a user would.
    void cmdSave_Click();
    void cmdHerlees_Click();
    void cmdAE_Click();
    void cmdEinde_Click();
    void cmdNProg_Click(int index);
    // The programme editor: every handler reads the controls, runs one editor
    // function and shows the result.
    void editorAction(const std::function<void(const EditorContext&)>& action);
    const EditorState& editorState() const { return editor_; }
    const EventFields& eventFields() const { return fields_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    QWidget* buildProgrammeTab();
    QWidget* buildRecordsTab();
    QWidget* buildExchangeTab();
    QWidget* buildPrintTab();
    QWidget* buildAnalysisTab();
    QWidget* buildGeneratorTab();
    void load();
    void checkExternalPrograms();
    void fillRecordSetLists();
    void loadProgramme();
    void connectEditor();
    EditorContext editorContext();
    void pullFields();
    void pushFields();
    void showResult(const EntryResult& result);
    void programmeViewCurrentChanged(const QModelIndex& current);
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString text(const char* name) const;
    int selectedAgeRange() const;
    void showGeneratorList(bool workingList);
    // No new-event entry and no move in progress, as after End Moves.
    void resetEditorState();

    Language lang_;
    AppSession& session_;
    GridModel prog_;
    GridModel rekords_;
    GridModel nlys_, nbane_, nitems_, npunte_;
    std::array<GridModel, 2> borde_;
    MeetingDetails meeting_;
    EditorState editor_;
    EventFields fields_;
    RenumberFields renumber_;
    bool syncingView_ = false;
    int printState_ = 0;
    double printFontSize_ = 12;
    std::string importFolder_;

    QTabWidget* tabVoor_ = nullptr;
    QLabel* lblMeet_ = nullptr;
    GridTableModel* progModel_ = nullptr;
    QTableView* flxProg_ = nullptr;
    QFrame *fraData_ = nullptr, *fraAction_ = nullptr, *fraNuut_ = nullptr, *fraWysig_ = nullptr,
           *fraMoveEnd_ = nullptr, *fraHerN_ = nullptr, *fraPRek_ = nullptr, *fraDisp_ = nullptr;
    QPushButton *cmdAdd_ = nullptr, *cmdClear_ = nullptr, *cmdDelete_ = nullptr, *cmdRenum_ = nullptr,
                *cmdSave_ = nullptr, *cmdMove_ = nullptr, *cmdWysig_ = nullptr, *cmdVolg_ = nullptr,
                *cmdHerlees_ = nullptr;
    QLineEdit *txtNumber_ = nullptr, *txtSub_ = nullptr, *txtTime_ = nullptr, *txtPoint_ = nullptr;
    std::array<QRadioButton*, 2> optGen_{};
    std::array<QRadioButton*, 2> optAmp_{};
    QComboBox *cmbAge_ = nullptr, *cmbItem_ = nullptr, *cmbTV_ = nullptr, *cmbLevel_ = nullptr,
              *cmbDagn_ = nullptr;
    QLabel* lblDagn_ = nullptr;
    QLineEdit *txtBegin_ = nullptr, *txtEind_ = nullptr, *txtNBegin_ = nullptr;
    std::array<QRadioButton*, 2> optHer_{};
    QCheckBox* chkHer_ = nullptr;
    QFrame* frareeks_ = nullptr;
    std::array<QRadioButton*, 4> optDisp_{}, optDisp1_{};
    QComboBox *cmbPRek_ = nullptr, *cmbPrekR_ = nullptr, *cmbIRek_ = nullptr, *cmbIRekR_ = nullptr;
    QComboBox *cmbFont_ = nullptr, *cmbDDae_ = nullptr;
    QLabel* lblDDag_ = nullptr;
    QGroupBox* fraDae_ = nullptr;
    std::array<QRadioButton*, 3> optDPR_{};
    QFrame *fraPAction_ = nullptr, *fraRAction_ = nullptr, *fraAnal_ = nullptr;
    QLineEdit* dirRug_ = nullptr;
    QListWidget* filRug_ = nullptr;
    QTableView* flxRekords_ = nullptr;
    GridTableModel* rekordsModel_ = nullptr;
    GridTableModel *nlysModel_ = nullptr, *nitemsModel_ = nullptr, *nbaneModel_ = nullptr, *npunteModel_ = nullptr;
    std::array<GridTableModel*, 2> bordeModels_{};
    QTableView *flxNLys_ = nullptr, *flxNitems_ = nullptr;
    QLineEdit* txtBeg_ = nullptr;
    std::array<QRadioButton*, 4> optNoud_{};
    // The estimate's round length and count, kept from "Lees Items": the Time
    // column holds start times once "Skep Program" has run.
    ScheduleSummary generatorSummary_;
};

} // namespace dravik
