// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/FormContext.h"
#include "exchange/ProgrammeImport.h"
#include "platform/GridModel.h"

#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;

namespace dravik {

class GridTableModel;

// The Import/Export tab: choose a workbook (drive, folder and file lists), read its
// programme sheet into the exchange grid flxBeide, move rows between that grid and
// the programme grid, export the grid into a workbook made from the template, and
// read or write the records of the set chosen in cmbIRek.
class ExchangeTab : public QWidget {
    Q_OBJECT
public:
    explicit ExchangeTab(FormContext& form, QWidget* parent = nullptr);

    // Points the folder and file lists at the import folder and remembers it.
    void showImportFolder(const std::string& folder);
    // The active record sets, with their references in the hidden list.
    void fillRecordSets();
    const std::string& currentFolder() const { return folder_; }
    const GridModel& exchangeGrid() const { return beide_; }

    void drvRug_Change(int index);
    void showFolder(const std::string& folder);
    void filRug_Click(const QString& file);
    void cmdInvoer_Click();
    void cmdProgLees_Click();
    void cmdUitvoer_Click();
    void cmdEdit_Click();
    void cmdRekLees_Click();
    void cmdRekIn_Click();

    // After "Write to Program" replaced the programme grid: the Compile tab shows it.
    std::function<void()> afterWriteToProgramme;
    // After Export: the window goes back to its first tab.
    std::function<void()> afterExport;

private:
    void fillDrives();
    void inform(const QString& message);
    double chosenSet() const;
    // "Read Records" (false) or "Write Records" (true) for the set chosen in cmbIRek.
    void exchangeRecords(bool write);

    FormContext& form_;
    std::string folder_;
    GridModel beide_;
    // Where the list of the workbook in the exchange grid ended; none once the
    // grid holds the programme's rows.
    ListEnd listEnd_;
    GridTableModel* beideModel_ = nullptr;
    QComboBox *drvRug_ = nullptr, *cmbIRek_ = nullptr, *cmbIRekR_ = nullptr;
    QListWidget *dirRug_ = nullptr, *filRug_ = nullptr;
    QLabel* lblPad_ = nullptr;
    QTableView* flxBeide_ = nullptr;
    QProgressBar* pbarRead_ = nullptr;
    QLineEdit* txtUit_ = nullptr;
    QPushButton* cmdInvoer_ = nullptr;
};

} // namespace dravik
