// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "analysis/Analysis.h"
#include "app/FormContext.h"
#include "printing/Document.h"
#include "printing/DocumentEdit.h"
#include "printing/PrintOptions.h"
#include "printing/Printouts.h"
#include "records/RecordSetEditor.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace dravik {

class PreviewWindow;

// The Print tab: what to print and how, Display (the preview window frmPP) and
// Edit (the last document in the word processor).
class PrintTab : public QWidget {
    Q_OBJECT
public:
    explicit PrintTab(FormContext& form, QWidget* parent = nullptr);
    ~PrintTab() override;

    // The activation's day lists: cmbDDae holds 1 to 3; the day frame shows for a meeting of several days.
    void fillDayLists();
    // The activation's print steps: font sizes, what to print, print state.
    void resetForActivation();
    // Shows the display order chosen on the Compile tab as the print order.
    void showPrintOrder(int index);

    // The options as the controls show them.
    printing::PrintOptions options() const;
    printing::PrintWhat what() const;

    void cmdPView_Click();
    void cmdPEdit_Click();
    // Web page: the programme as the Program choice prints it, written as a web page
    // into Data/Web and opened in the system's browser.
    void cmdWeb_Click();
    // Keeps the web folder: every Save of the programme or the records publishes
    // the web site there ("" publishes nothing).
    void cmdWebFolder_Click();
    void showWebFolder();
    // PrintSelection: builds the chosen printout into the preview's document and
    // writes its document file. Returns false when nothing could be printed.
    bool PrintSelection();

    const printing::Document& document() const { return document_; }
    PreviewWindow* previewWindow() const;

    // Run before printing or editing: the Compile tab leaves any entry, move or renumbering.
    std::function<void()> beforePrint;
    // The record grid and the set the Records tab shows, for the records report.
    struct DisplayedRecords {
        const GridModel* grid = nullptr;
        std::optional<RecordSetChoice> set;
    };
    std::function<DisplayedRecords()> displayedRecords;
    // The analysis grid and totals the Analyze tab read last.
    struct ReadAnalysis {
        const GridModel* grid = nullptr;
        const AnalysisLabels* labels = nullptr;
    };
    std::function<ReadAnalysis()> readAnalysis;
    // Opens a page in the system's browser; false when there is none. Tests stand in for it.
    std::function<bool(const QString& file)> openInBrowser;

signals:
    // A print order was chosen; the Compile tab's grid is re-sorted the same way.
    void printOrderChosen(int index);

private:
    QLineEdit* txtWebFolder_ = nullptr;
    QWidget* buildProgrammeOptions();
    QWidget* buildGateOptions();
    QWidget* buildRecordColumns();
    QWidget* buildAnalysisSteps();
    void optDPR_Click(int index);
    void Check1_Click();
    void showOptionFrames();
    void showRecordOption(printing::RecordsIncluded records);
    // The records report of the set the Records tab shows; false with a message when none is shown.
    bool printRecords(const std::string& documentFile);
    // The analysis the Analyze tab read; false with a message when it has read none.
    bool printAnalysis(const std::string& documentFile);

    FormContext& form_;
    int printState_ = 0;
    printing::PrintState state_;
    printing::Document document_;

    std::array<QRadioButton*, 3> optDPR_{};
    std::array<QRadioButton*, 2> optPrt_{};
    std::array<QRadioButton*, 4> optDisp1_{};
    std::array<QRadioButton*, 3> optRec_{};
    std::array<QRadioButton*, 3> optRDat_{};
    std::array<QRadioButton*, 2> optVol_{};
    std::array<QRadioButton*, 3> optPlace_{};
    std::array<QCheckBox*, 2> chkPopt_{};
    std::array<QCheckBox*, 10> Check1_{};
    QCheckBox *chkDDae_ = nullptr, *chkTaal_ = nullptr;
    QCheckBox* chkIds_ = nullptr; // the competitor IDs in the gate programme
    QFrame *fraPAction_ = nullptr, *fraRAction_ = nullptr, *fraAnal_ = nullptr, *fraRDat_ = nullptr,
           *fraGate_ = nullptr, *fraVoor_ = nullptr;
    QComboBox *cmbFont_ = nullptr, *cmbDDae_ = nullptr;
    QLabel* lblDDag_ = nullptr;
    QGroupBox* fraDae_ = nullptr;
    QProgressBar* proBar_ = nullptr;
};

} // namespace dravik
