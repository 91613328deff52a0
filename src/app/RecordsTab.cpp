// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecordsTab.h"

#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/GridTableModel.h"
#include "app/Prompter.h"
#include "app/PublishOnSave.h"
#include "app/WidgetFactory.h"
#include "platform/StoreError.h"
#include "records/RecordGrid.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

RecordsTab::RecordsTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form), rekords_(setcol::Count)
{
    const Language lang = form_.lang;
    auto* layout = new QVBoxLayout(this);

    // The set list.
    fraStel_ = make<QGroupBox>(lang, "fraStel");
    auto* stel = new QVBoxLayout(fraStel_);
    rekords_.setHeader({"Naam", "Simb", "Verw", "Aktief", "Rekord"});
    rekords_.setColHidden(setcol::Position, true);
    rekordsModel_ = new GridTableModel(rekords_, this);
    rekordsModel_->setEditable(true);
    rekordsModel_->setEditableColumns({setcol::Naam, setcol::Simb});
    flxRekords_ = gridView("flxRekords", rekordsModel_);
    flxRekords_->setColumnWidth(setcol::Naam, 240);
    flxRekords_->horizontalHeader()->hide(); // the set list shows its sets only
    // A double click on a name or symbol edits it; on the mark column it toggles the mark.
    flxRekords_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked);
    stel->addWidget(flxRekords_, 1);
    auto* setButtons = new QHBoxLayout;
    for (const char* name : {"cmdSNuut", "cmdSSkraap", "cmdRSave", "cmdSLys", "cmdRekUit", "cmdRekIntrek"})
        setButtons->addWidget(make<QPushButton>(lang, name));
    setButtons->addStretch(1);
    txtRekstel_ = make<QLineEdit>(lang, "txtRekstel");
    txtRekstel_->setReadOnly(true);
    setButtons->addWidget(txtRekstel_);
    stel->addLayout(setButtons);
    layout->addWidget(fraStel_, 1);

    // The record editor of one set.
    fraRek_ = make<QGroupBox>(lang, "fraRek");
    auto* rek = new QVBoxLayout(fraRek_);
    setupRecordGrid(rek_, lang);
    rekModel_ = new GridTableModel(rek_, this);
    rekModel_->setEditable(true);
    rekModel_->setEditableColumns(
        {reccol::Surname, reccol::Name, reccol::Record, reccol::Year, reccol::Date, reccol::Team, reccol::Track});
    flxRek_ = gridView("flxRek", rekModel_);
    flxRek_->setColumnWidth(reccol::Event, 200);
    flxRek_->setColumnWidth(reccol::Team, 170);
    flxRek_->setColumnWidth(reccol::Track, 170);
    rek->addWidget(flxRek_, 1);
    proBarRek_ = new QProgressBar;
    proBarRek_->setObjectName("proBarRek");
    proBarRek_->hide();
    rek->addWidget(proBarRek_);
    auto* rekButtons = new QHBoxLayout;
    cmdRItems_ = make<QPushButton>(lang, "cmdRItems");
    for (const char* name : {"cmdRStoor", "cmdRKies"})
        rekButtons->addWidget(make<QPushButton>(lang, name));
    rekButtons->addWidget(cmdRItems_);
    rekButtons->addStretch(1);
    rek->addLayout(rekButtons);
    layout->addWidget(fraRek_, 1);
    fraRek_->hide();

    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    connect(button("cmdSNuut"), &QPushButton::clicked, this, [this] { cmdSNuut_Click(); });
    connect(button("cmdSSkraap"), &QPushButton::clicked, this, [this] { cmdSSkraap_Click(); });
    connect(button("cmdRSave"), &QPushButton::clicked, this, [this] { cmdRSave_Click(); });
    connect(button("cmdSLys"), &QPushButton::clicked, this, [this] { cmdSLys_Click(); });
    // The set list's Export answers in the Afrikaans window only.
    connect(button("cmdRekUit"), &QPushButton::clicked, this, [this] {
        if (isEnglish(form_.lang))
            return;
        form_.session.prompter().inform(
            this, rek_.rows() < 5 ? "Onvoldoende rekords in die stel." : "Rekord word uirgevoer.", "Rekord uitvoer");
    });
    connect(button("cmdRStoor"), &QPushButton::clicked, this, [this] { cmdRStoor_Click(); });
    // Select goes back to the set list to pick another set.
    connect(button("cmdRKies"), &QPushButton::clicked, this, [this] { showSetList(true); });
    connect(cmdRItems_, &QPushButton::clicked, this, [this] { cmdRItems_Click(); });
    connect(flxRekords_, &QTableView::clicked, this, [this](const QModelIndex& i) { pickRow(i.row() + 1); });
    connect(flxRekords_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.column() == setcol::Mark)
            toggleRow(i.row() + 1);
    });
}

void RecordsTab::fillRecordSets()
{
    rekords_.beginUpdate();
    fillRecordSetGrid(rekords_, form_.recordSets);
    rekords_.endUpdate();
    state_ = RecordSetListState{};
    state_.loadedFingerprint = form_.session.store().atld61().tableFingerprint();
    txtRekstel_->clear();
}

int RecordsTab::currentSetRow() const
{
    QModelIndex current = flxRekords_->currentIndex();
    return current.isValid() ? current.row() + 1 : state_.currentRow;
}

void RecordsTab::pickRow(int row)
{
    txtRekstel_->setText(QString::fromStdString(pickRecordSet(rekords_, row, state_)));
}

void RecordsTab::toggleRow(int row)
{
    toggleActiveMark(rekords_, row, state_);
}

void RecordsTab::cmdSNuut_Click()
{
    try {
        addRecordSet(rekords_, form_.session.store().atld61(), form_.lang);
        state_.loadedFingerprint = form_.session.store().atld61().tableFingerprint();
    } catch (const std::exception& e) {
        form_.session.prompter().inform(this, wordedError(e, form_.lang), form_.text("tab1"));
    }
}

void RecordsTab::cmdSSkraap_Click()
{
    removeRecordSet(rekords_, currentSetRow(), state_);
}

void RecordsTab::cmdRSave_Click()
{
    DataStore& store = form_.session.store();
    RecordsResult result;
    try {
        try {
            result = saveRecordSets(rekords_, store.atld61(), store.atld60(), state_, form_.lang);
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::Changed)
                throw;
            // Another window stored the sets since: overwrite them, or show what is stored.
            if (!form_.session.prompter().ask(this, form_.text("msgSetsChanged"), form_.text("msgSetsChangedTitle"))) {
                // The open set still holds the rows it read: read what is stored now.
                store.atld61().requery();
                form_.recordSets = readRecordSetList(store.atld61());
                fillRecordSets();
                emit recordSetsSaved();
                return;
            }
            state_.loadedFingerprint.reset();
            result = saveRecordSets(rekords_, store.atld61(), store.atld60(), state_, form_.lang);
            state_.loadedFingerprint = store.atld61().tableFingerprint();
        }
    } catch (const std::exception& e) {
        form_.session.prompter().inform(this, wordedError(e, form_.lang), form_.text("tab1"));
        return;
    }
    report(result);
    if (result.ok) {
        // The record editor still shows its set unless that set is gone; a renamed
        // set keeps its records under its new name.
        if (displayed_) {
            std::optional<RecordSetChoice> kept;
            for (int r = 1; r < rekords_.rows() && !kept; ++r)
                if (auto set = recordSetAt(rekords_, r); set && set->reference == displayed_->reference)
                    kept = set;
            displayed_ = kept;
        }
        emit recordSetsSaved();
        publishOnSave(form_, this);
    }
}

void RecordsTab::cmdSLys_Click()
{
    std::optional<RecordSetChoice> set = recordSetAt(rekords_, currentSetRow());
    if (!set) {
        form_.session.prompter().inform(this, form_.text("msgPickRecordSet"), form_.text("tab1"));
        return;
    }
    proBarRek_->setValue(0);
    proBarRek_->show();
    try {
        RecordDisplay shown = DisplayRecordSet(rek_, form_.session.store(), form_.meeting, *set, form_.lang,
                                               [this](int done, int total) {
                                                   proBarRek_->setMaximum(std::max(total, 1));
                                                   proBarRek_->setValue(done);
                                               });
        fraRek_->setTitle(QString::fromStdString(shown.frameCaption));
        cmdRItems_->setText(QString::fromStdString(shown.filterCaption));
        for (int c = 0; c < rek_.cols(); ++c)
            flxRek_->setColumnHidden(c, rek_.colHidden(c));
        for (int r = 0; r + 1 < rek_.rows(); ++r)
            flxRek_->setRowHidden(r, false);
        displayed_ = set;
        shownFingerprint_ = recordSetFingerprint(form_.session.store().meetingDatabase(), set->reference);
    } catch (const std::exception& e) {
        form_.session.prompter().inform(this, wordedError(e, form_.lang), form_.text("tab1"));
    }
    proBarRek_->hide();
    showSetList(!displayed_);
}

void RecordsTab::cmdRStoor_Click()
{
    RecordSet& atld60 = form_.session.store().atld60();
    RecordsResult result;
    try {
        try {
            result = saveRecordGrid(rek_, atld60, form_.lang, &shownFingerprint_);
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::Changed)
                throw;
            // Another window stored records of this set since Display: overwrite, or show what is stored.
            if (!form_.session.prompter().ask(this, form_.text("msgRecordsChanged"),
                                              form_.text("msgRecordsChangedTitle"))) {
                cmdSLys_Click();
                return;
            }
            std::optional<std::uint64_t> overwrite;
            result = saveRecordGrid(rek_, atld60, form_.lang, &overwrite);
            if (displayed_)
                shownFingerprint_ = recordSetFingerprint(atld60.database(), displayed_->reference);
        }
    } catch (const std::exception& e) {
        form_.session.prompter().inform(this, wordedError(e, form_.lang), form_.text("tab1"));
        return;
    }
    report(result);
    if (result.ok) {
        showSetList(true);
        publishOnSave(form_, this);
    }
}

void RecordsTab::cmdRItems_Click()
{
    EventFilter filter = pressEventFilter(rek_, cmdRItems_->text().toStdString());
    cmdRItems_->setText(QString::fromStdString(filter.caption));
    for (int r = 0; r + 1 < rek_.rows(); ++r)
        flxRek_->setRowHidden(r, false);
    for (int row : filter.hiddenRows)
        flxRek_->setRowHidden(row - 1, true);
}

void RecordsTab::showSetList(bool list)
{
    fraStel_->setVisible(list);
    fraRek_->setVisible(!list);
}

void RecordsTab::report(const RecordsResult& result)
{
    if (result.ok)
        return;
    form_.session.prompter().inform(this, QString::fromStdString(result.message), form_.text("tab1"));
    if (result.row > 0) {
        const bool editing = !fraRek_->isHidden();
        const GridModel& grid = editing ? rek_ : rekords_;
        QTableView* view = editing ? flxRek_ : flxRekords_;
        if (result.row < grid.rows())
            view->setCurrentIndex(view->model()->index(result.row - 1, 0));
    }
}

} // namespace dravik
