// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/FormContext.h"
#include "programme/EditorState.h"
#include "programme/EventEntry.h"
#include "programme/EventFields.h"
#include "programme/Ordering.h"
#include "records/CurrentEventRecord.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace dravik {

class GridTableModel;

// The Compile tab: the programme grid flxProg with the event fields, the entry,
// move, renumber and display-order panels, Save and Reload.
class ProgrammeTab : public QWidget {
    Q_OBJECT
public:
    explicit ProgrammeTab(FormContext& form, QWidget* parent = nullptr);

    // The activation's editor steps: panels, editing state, buttons and the
    // event-field lists of the meeting.
    void resetForActivation();
    // Loads the grid from the stored programme and shows the first row.
    void loadProgramme();
    // Shows the grid as it now stands (replaced by an import) from its first row.
    void showGridFromTop();
    // Active record sets of the records panel.
    void fillRecordSets();

    void cmdSave_Click();
    void cmdHerlees_Click();
    // fraPRek: Read shows the current event's record in the chosen set; Save corrects it.
    void cmdPRLees_Click();
    void cmdPRek_Click();
    // Every editor handler reads the controls, runs one editor function and shows the result.
    void editorAction(const std::function<void(const EditorContext&)>& action);
    // Runs a display-order choice (from this tab or the Print tab's print order).
    void displayOrderClicked(int index);
    // No new-event entry and no move in progress, as after End Moves.
    void resetEditorState();

    const EditorState& editorState() const { return editor_; }
    const EventFields& eventFields() const { return fields_; }

signals:
    // The display order shown changed; the Print tab's print order follows it.
    void displayOrderChanged(int index);

private:
    void buildUi();
    QWidget* buildEventFields();
    QWidget* buildRecordPanel();
    void connectEditor();
    void connectGrid();
    EditorContext editorContext();
    void pullFields();
    void pushFields();
    void showResult(const EntryResult& result);
    void programmeViewCurrentChanged(const QModelIndex& current);
    bool eventFilter(QObject* watched, QEvent* event) override;

    FormContext& form_;
    EditorState editor_;
    EventFields fields_;
    RenumberFields renumber_;
    bool syncingView_ = false;
    int shownDisplayOrder_ = -1;
    QString refusedCellTitle_; // title of the message for a grid cell refused

    GridTableModel* progModel_ = nullptr;
    QTableView* flxProg_ = nullptr;
    QFrame *fraData_ = nullptr, *fraAction_ = nullptr, *fraNuut_ = nullptr, *fraWysig_ = nullptr,
           *fraMoveEnd_ = nullptr, *fraHerN_ = nullptr, *fraDisp_ = nullptr, *frareeks_ = nullptr;
    QPushButton *cmdAdd_ = nullptr, *cmdClear_ = nullptr, *cmdDelete_ = nullptr, *cmdRenum_ = nullptr,
                *cmdSave_ = nullptr, *cmdMove_ = nullptr, *cmdWysig_ = nullptr, *cmdVolg_ = nullptr,
                *cmdHerlees_ = nullptr;
    QLineEdit *txtNumber_ = nullptr, *txtSub_ = nullptr, *txtTime_ = nullptr, *txtPoint_ = nullptr;
    std::array<QRadioButton*, 2> optGen_{};
    std::array<QRadioButton*, 2> optAmp_{};
    QComboBox *cmbAge_ = nullptr, *cmbItem_ = nullptr, *cmbTV_ = nullptr, *cmbLevel_ = nullptr, *cmbDagn_ = nullptr,
              *cmbPRek_ = nullptr, *cmbPrekR_ = nullptr;
    QLabel* lblDagn_ = nullptr;
    QLineEdit *txtBegin_ = nullptr, *txtEind_ = nullptr, *txtNBegin_ = nullptr;
    std::array<QRadioButton*, 2> optHer_{};
    QCheckBox* chkHer_ = nullptr;
    std::array<QRadioButton*, 4> optDisp_{};
    QGroupBox* fraPRek_ = nullptr;
    std::array<QLineEdit*, 5> txtPRek_{};
    QPushButton* cmdPRek_ = nullptr;
    CurrentEventRecord lastRead_; // what the last Read found
};

} // namespace dravik
