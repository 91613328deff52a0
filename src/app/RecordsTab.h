// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/FormContext.h"
#include "platform/GridModel.h"
#include "records/RecordSetEditor.h"

#include <QWidget>

#include <optional>

class QFrame;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace dravik {

class GridTableModel;

// The Records tab: the record sets of the meeting (flxRekords with New, Delete,
// Save and Display) and the record editor of one set (flxRek with Save and the
// event filter). One shows at a time.
class RecordsTab : public QWidget {
    Q_OBJECT
public:
    explicit RecordsTab(FormContext& form, QWidget* parent = nullptr);

    // One grid row per record set, from the list the activation read.
    void fillRecordSets();
    const GridModel& recordSetGrid() const { return rekords_; }
    const GridModel& recordGrid() const { return rek_; }
    // The set the record editor shows; none before a Display.
    const std::optional<RecordSetChoice>& displayedSet() const { return displayed_; }

    void cmdSNuut_Click();
    void cmdSSkraap_Click();
    void cmdRSave_Click();
    void cmdSLys_Click();
    void cmdRStoor_Click();
    void cmdRItems_Click();
    void pickRow(int row);
    void toggleRow(int row);

signals:
    // The record sets were stored: the window's set lists are read again.
    void recordSetsSaved();

private:
    void showSetList(bool list);
    void report(const RecordsResult& result);
    int currentSetRow() const;

    FormContext& form_;
    GridModel rekords_;
    GridModel rek_;
    RecordSetListState state_;
    std::optional<RecordSetChoice> displayed_;
    // The displayed set's records as Display showed them; Save checks it.
    std::optional<std::uint64_t> shownFingerprint_;
    GridTableModel *rekordsModel_ = nullptr, *rekModel_ = nullptr;
    QTableView *flxRekords_ = nullptr, *flxRek_ = nullptr;
    QGroupBox *fraStel_ = nullptr, *fraRek_ = nullptr;
    QLineEdit* txtRekstel_ = nullptr;
    QPushButton* cmdRItems_ = nullptr;
    QProgressBar* proBarRek_ = nullptr;
};

} // namespace dravik
