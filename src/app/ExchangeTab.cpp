// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExchangeTab.h"
#include "app/PublishOnSave.h"

#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/GridTableModel.h"
#include "app/PhotoFinishPanel.h"
#include "app/Prompter.h"
#include "app/WidgetFactory.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ImportShrink.h"
#include "exchange/ProgrammeExport.h"
#include "exchange/ProgrammeImport.h"
#include "platform/TextNumber.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <filesystem>

namespace dravik {

using namespace ui;

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    return (std::filesystem::path(folder) / name).string();
}

} // namespace

ExchangeTab::ExchangeTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    const Language lang = form_.lang;
    auto* layout = new QHBoxLayout(this);

    // The file choice: drive, folder and workbook lists.
    auto* files = new QVBoxLayout;
    drvRug_ = make<QComboBox>(lang, "drvRug");
    lblPad_ = new QLabel;
    lblPad_->setObjectName("lblPad");
    lblPad_->setWordWrap(true);
    dirRug_ = make<QListWidget>(lang, "dirRug");
    filRug_ = make<QListWidget>(lang, "filRug");
    files->addWidget(drvRug_);
    files->addWidget(lblPad_);
    files->addWidget(dirRug_, 1);
    files->addWidget(filRug_, 1);
    auto* sets = new QHBoxLayout;
    sets->addWidget(make<QLabel>(lang, "lblIRek"));
    cmbIRek_ = make<QComboBox>(lang, "cmbIRek");
    cmbIRekR_ = make<QComboBox>(lang, "cmbIRekR", this);
    cmbIRekR_->hide();
    sets->addWidget(cmbIRek_, 1);
    files->addLayout(sets);
    layout->addLayout(files, 1);

    // The exchange grid and its buttons.
    auto* right = new QVBoxLayout;
    setupExchangeGrid(beide_);
    beideModel_ = new GridTableModel(beide_, this);
    beideModel_->setEditable(true);
    beideModel_->setEditableColumns({xcol::Number, xcol::Sub, xcol::Time, xcol::Place, xcol::Record, xcol::Year,
                                     xcol::Name, xcol::Surname, xcol::Team});
    flxBeide_ = gridView("flxBeide", beideModel_);
    flxBeide_->setColumnWidth(xcol::Event, 180);
    right->addWidget(flxBeide_, 1);
    pbarRead_ = new QProgressBar;
    pbarRead_->setObjectName("pbarRead");
    pbarRead_->hide();
    right->addWidget(pbarRead_);
    auto* buttons = new QGridLayout;
    const char* const names[] = {"cmdInvoer", "cmdProgLees", "cmdUitvoer", "cmdEdit", "cmdRekLees", "cmdRekIn"};
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(make<QPushButton>(lang, names[i]), i / 3, i % 3);
    txtUit_ = make<QLineEdit>(lang, "txtUit");
    buttons->addWidget(txtUit_, 2, 0, 1, 3);
    right->addLayout(buttons);
    right->addWidget(new PhotoFinishPanel(form_, [this] { return folder_; }));
    layout->addLayout(right, 3);

    auto on = [this](const char* name, void (ExchangeTab::*handler)()) {
        connect(findChild<QPushButton*>(name), &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on("cmdInvoer", &ExchangeTab::cmdInvoer_Click);
    on("cmdProgLees", &ExchangeTab::cmdProgLees_Click);
    on("cmdUitvoer", &ExchangeTab::cmdUitvoer_Click);
    on("cmdEdit", &ExchangeTab::cmdEdit_Click);
    on("cmdRekLees", &ExchangeTab::cmdRekLees_Click);
    on("cmdRekIn", &ExchangeTab::cmdRekIn_Click);
    // "Write to Program" only once the exchange grid holds rows read from a workbook or the programme.
    cmdInvoer_ = findChild<QPushButton*>("cmdInvoer");
    cmdInvoer_->setEnabled(false);
    connect(cmbIRek_, &QComboBox::currentIndexChanged, this, [this](int i) { cmbIRekR_->setCurrentIndex(i); });
    connect(drvRug_, &QComboBox::activated, this, [this](int i) { drvRug_Change(i); });
    connect(dirRug_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        showFolder(QDir(qs(folder_)).absoluteFilePath(item->text()).toStdString());
    });
    connect(filRug_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { filRug_Click(item->text()); });
}

void ExchangeTab::fillDrives()
{
    // On this system the "drives" are the file-system roots, the home folder and the import folder.
    drvRug_->clear();
    for (const QFileInfo& root : QDir::drives())
        drvRug_->addItem(root.absoluteFilePath());
    drvRug_->addItem(QDir::homePath());
    if (!folder_.empty())
        drvRug_->addItem(qs(folder_));
    drvRug_->setCurrentIndex(drvRug_->count() - 1);
}

void ExchangeTab::showImportFolder(const std::string& folder)
{
    folder_ = folder;
    fillDrives();
    showFolder(folder);
}

void ExchangeTab::drvRug_Change(int index)
{
    QString drive = drvRug_->itemText(index);
    // A drive that cannot be read leaves the lists at the program's own folder.
    showFolder(QDir(drive).isReadable() ? drive.toStdString() : form_.session.programFolder());
}

void ExchangeTab::showFolder(const std::string& folder)
{
    QDir dir(qs(folder));
    folder_ = dir.exists() ? QDir::cleanPath(dir.absolutePath()).toStdString() : folder;
    lblPad_->setText(qs(folder_));
    dirRug_->clear();
    filRug_->clear();
    if (!dir.exists())
        return;
    if (!dir.isRoot())
        dirRug_->addItem("..");
    dirRug_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    filRug_->addItems(dir.entryList({"*.xlsx", "*.ods", "*.xls"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void ExchangeTab::fillRecordSets()
{
    cmbIRek_->clear();
    cmbIRekR_->clear();
    for (const RecordSetEntry& set : form_.recordSets.active) {
        cmbIRek_->addItem(qs(set.listText()));
        cmbIRekR_->addItem(qs(set.verw));
    }
}

void ExchangeTab::inform(const QString& message)
{
    form_.session.prompter().inform(this, message, form_.text("tab2"));
}

void ExchangeTab::filRug_Click(const QString& file)
{
    const std::string path = joinPath(folder_, file.toStdString());
    pbarRead_->setRange(0, 50);
    pbarRead_->setValue(0);
    pbarRead_->show();
    int notRead = 0;
    try {
        importWorkbook(
            path, form_.session.reference().definitions, beide_, [this](int rows) { pbarRead_->setValue(rows % 50); },
            &notRead, &listEnd_);
    } catch (const std::exception& e) {
        pbarRead_->hide();
        inform(wordedError(e, form_.lang));
        return;
    }
    pbarRead_->hide();
    flxBeide_->show();
    cmdInvoer_->setEnabled(beide_.rows() > 1);
    if (notRead > 0)
        inform(form_.text("msgRowsNotRead").arg(notRead));
}

void ExchangeTab::cmdInvoer_Click()
{
    ImportShrink shrink = checkImportShrink(listEnd_, beide_.rows() - 1, form_.programme.rows() - 1, form_.lang);
    if (shrink.needsConsent && !form_.session.prompter().ask(this, qs(shrink.question), form_.text("tab2")))
        return;
    ProgrammeWrite done = writeToProgramme(beide_, form_.lang, form_.meeting.days, form_.programme);
    if (!done.ok()) {
        // The programme grid is as it was.
        form_.session.prompter().inform(this, qs(done.refused.message), qs(done.refused.title));
        return;
    }
    // The programme grid now differs from what is stored until the Compile tab's Save.
    form_.session.programme.ProgrammeChanged = true;
    if (afterWriteToProgramme)
        afterWriteToProgramme();
}

void ExchangeTab::cmdProgLees_Click()
{
    readFromProgramme(form_.programme, form_.session.reference().definitions, beide_);
    listEnd_ = {};
    cmdInvoer_->setEnabled(beide_.rows() > 1);
}

void ExchangeTab::cmdUitvoer_Click()
{
    if (form_.programme.rows() >= 2) {
        const std::string typed = trimmed(txtUit_->text().toStdString());
        if (!typed.empty() && typed.front() == '.') {
            inform(form_.text("msgHiddenName").arg(qs(typed)));
            return;
        }
        const std::string name = outputWorkbookName(typed);
        txtUit_->setText(qs(name));
        const std::string target = joinPath(folder_, name);
        std::error_code ec;
        if (std::filesystem::exists(target, ec) &&
            !form_.session.prompter().ask(this, form_.text("msgOverwriteWorkbook").arg(qs(target)), form_.text("tab2")))
            return;
        try {
            ExportReport done = exportWorkbook(beide_, exchangeTemplatePath(form_.session.programFolder()), target);
            showFolder(folder_);
            QString told = form_.text("msgExported").arg(done.rowsWritten).arg(qs(done.file));
            if (done.rowsBeyondImport > 0)
                told += "\n" + form_.text("msgBeyondImport").arg(done.rowsBeyondImport);
            inform(told);
        } catch (const std::exception& e) {
            inform(wordedError(e, form_.lang));
            return;
        }
    }
    if (afterExport)
        afterExport();
}

void ExchangeTab::cmdEdit_Click()
{
    const std::string program = form_.session.store().folders().spreadsheetPath();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(program, ec)) {
        form_.session.prompter().inform(this, form_.text("msgNoSpreadsheet"), QString());
        return;
    }
    QListWidgetItem* chosen = filRug_->currentItem();
    const std::string workbook = chosen ? joinPath(folder_, chosen->text().toStdString()) : folder_;
    // The workbook path is one argument, blanks and all; the program is not waited for.
    if (!QProcess::startDetached(qs(program), {qs(workbook)}))
        inform(form_.text("msgNoSpreadsheetStart").arg(qs(workbook), qs(program)));
}

double ExchangeTab::chosenSet() const
{
    return textToNumber(cmbIRekR_->currentText().toStdString());
}

void ExchangeTab::exchangeRecords(bool write)
{
    // The progress bar shows while the exchange grid's rows are read or written.
    pbarRead_->setRange(0, std::max(beide_.rows() - 1, 1));
    pbarRead_->setValue(0);
    pbarRead_->show();
    pbarRead_->repaint();
    try {
        RecordSet& atld60 = form_.session.store().atld60();
        int rows = write ? writeRecords(atld60, chosenSet(), beide_) : readRecords(atld60, chosenSet(), beide_);
        pbarRead_->hide();
        inform(form_.text(write ? "msgRecordsWritten" : "msgRecordsRead").arg(rows));
        if (write)
            publishOnSave(form_, this);
    } catch (const std::exception& e) {
        pbarRead_->hide();
        form_.session.prompter().inform(this, wordedError(e, form_.lang),
                                        form_.text(write ? "msgWriteRecordsTitle" : "msgReadRecordsTitle"));
    }
}

void ExchangeTab::cmdRekLees_Click()
{
    exchangeRecords(false);
}

void ExchangeTab::cmdRekIn_Click()
{
    exchangeRecords(true);
}

} // namespace dravik
