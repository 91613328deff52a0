// SPDX-License-Identifier: GPL-3.0-or-later
// The Create Program tab: the generator's working list, heat sizes and age matrix.
#include "app/GeneratorTab.h"
#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/GridTableModel.h"
#include "app/Prompter.h"
#include "app/PublishOnSave.h"
#include "app/TextTable.h"
#include "app/WidgetFactory.h"
#include "generator/AgeMatrix.h"
#include "generator/GeneratorError.h"
#include "generator/HeatSizeTable.h"
#include "generator/ProgrammeTransfer.h"
#include "generator/Schedule.h"
#include "generator/WorkingList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

namespace {

// Shown-only tables of the tab: the orders of event types and the venues per field event.
void fillStaticGrid(GridModel& g, const std::vector<std::string>& header,
                    const std::vector<std::pair<const char*, const char*>>& rows)
{
    g.setCols(2);
    g.setRows(1);
    g.setHeader(header);
    for (const auto& [item, value] : rows)
        g.addRow({item, value});
}

} // namespace

GeneratorTab::GeneratorTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    const Language lang = form_.lang;
    auto* layout = new QHBoxLayout(this);

    setupWorkingList(nlys_);
    setupAgeMatrix(nitems_);
    setupHeatSizeTable(nbane_);
    fillStaticGrid(borde_[0], {"Tipe item", "Volgorde"},
                   {{"Stap ", "1"},
                    {"3000m", "2"},
                    {"Kort hekkies", "3"},
                    {"200m", "4"},
                    {"800m", "5"},
                    {"Lang hekkies", "6"},
                    {"100m", "7"},
                    {"1500m", "8"},
                    {"400m", "9"}});
    fillStaticGrid(borde_[1], {"Tipe item", "Orde"},
                   {{"Stap ", "1"},
                    {"Hekkies", "2"},
                    {"Lang naellope", "3"},
                    {"1200/1500m", "4"},
                    {"Kort naellope", "5"},
                    {"400m", "6"}});
    fillStaticGrid(npunte_, {"Item", "Punte"},
                   {{"Gewigstoot", "2"},
                    {"Hoogspring", "2"},
                    {"Verspring", "1"},
                    {"Driesprong", "0"},
                    {"VS/DS", "1"},
                    {"Spiesgooi", "1"},
                    {"Diskusgooi", "1"},
                    {"Hammergooi", "1"},
                    {"Paalspring", "1"}});

    // The working list and the age matrix take turns in the same place.
    auto* lists = new QVBoxLayout;
    nlysModel_ = new GridTableModel(nlys_, this);
    flxNLys_ = gridView("flxNLys", nlysModel_);
    flxNLys_->setColumnWidth(2, 180);
    flxNLys_->hide();
    nitemsModel_ = new GridTableModel(nitems_, this);
    nitemsModel_->setEditable(true);
    flxNitems_ = gridView("flxNitems", nitemsModel_);
    flxNitems_->setSelectionBehavior(QAbstractItemView::SelectItems);
    for (int c = 0; c < nitems_.cols(); ++c)
        flxNitems_->setColumnWidth(c, c < 2 ? 40 : 52);
    lists->addWidget(flxNLys_, 1);
    lists->addWidget(flxNitems_, 1);
    layout->addLayout(lists, 3);

    auto* side = new QVBoxLayout;
    auto* start = new QHBoxLayout;
    start->addWidget(make<QLabel>(lang, "Label23"));
    txtBeg_ = make<QLineEdit>(lang, "txtBeg");
    txtBeg_->setText("08:00");
    txtBeg_->setMaximumWidth(70);
    start->addWidget(txtBeg_);
    side->addLayout(start);

    auto* buttons = new QGridLayout;
    static const char* const buttonNames[] = {"cmdNProg(0)", "cmdNProg(1)", "cmdNProg(2)", "cmdNProg(3)",
                                              "cmdNProg(4)"};
    for (int i = 0; i < 5; ++i) {
        auto* b = make<QPushButton>(lang, buttonNames[i]);
        buttons->addWidget(b, i / 2, i % 2);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdNProg_Click(i); });
    }
    side->addLayout(buttons);

    static const char* const checkNames[] = {"chkNProg(0)", "chkNProg(1)", "chkNProg(2)", "chkNProg(3)", "chkNProg(4)"};
    for (int i = 0; i < 5; ++i) {
        auto* c = make<QCheckBox>(lang, checkNames[i]);
        c->setChecked(i != 3);
        side->addWidget(c);
        if (i == 2)
            side->addWidget(make<QLabel>(lang, "Label22"));
    }

    auto* ages = new QGroupBox;
    ages->setObjectName("fraNoud");
    auto* ageRows = new QGridLayout(ages);
    ageRows->addWidget(make<QLabel>(lang, "Label24"), 0, 0, 1, 2);
    ageRows->addWidget(make<QLabel>(lang, "Label26"), 1, 0, 1, 2);
    static const char* const noudNames[] = {"optNoud(0)", "optNoud(1)", "optNoud(2)", "optNoud(3)"};
    for (int i = 0; i < 4; ++i) {
        optNoud_[i] = make<QRadioButton>(lang, noudNames[i]);
        ageRows->addWidget(optNoud_[i], 2 + i / 2, i % 2);
    }
    optNoud_[agerange::All]->setChecked(true);
    side->addWidget(ages);

    auto* nbaneModel = new GridTableModel(nbane_, this);
    nbaneModel->setEditable(true);
    auto* flxNBane = gridView("flxNBane", nbaneModel);
    flxNBane->setColumnWidth(0, 110);
    flxNBane->setColumnWidth(1, 60);
    flxNBane->setMinimumHeight(170);
    side->addWidget(flxNBane);

    auto* shown = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* bordeModel = new GridTableModel(borde_[i], this);
        auto* v = gridView(i == 0 ? "flxBorde(0)" : "flxBorde(1)", bordeModel);
        v->setColumnWidth(0, 100);
        v->setColumnWidth(1, 50);
        shown->addWidget(v);
    }
    auto* npunteModel = new GridTableModel(npunte_, this);
    auto* punte = gridView("flxNPunte", npunteModel);
    punte->setColumnWidth(0, 100);
    punte->setColumnWidth(1, 45);
    shown->addWidget(punte);
    side->addLayout(shown, 1);
    layout->addLayout(side, 2);

    connect(flxNLys_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { nlys_.setRow(current.isValid() ? current.row() + 1 : 0); });
}

int GeneratorTab::selectedAgeRange() const
{
    for (int i = 0; i < 4; ++i)
        if (optNoud_[i]->isChecked())
            return i;
    return agerange::All;
}

void GeneratorTab::showGeneratorList(bool workingList)
{
    flxNLys_->setVisible(workingList);
    flxNitems_->setVisible(!workingList);
    (workingList ? flxNLys_ : flxNitems_)->raise();
}

void GeneratorTab::cmdNProg_Click(int index)
{
    try {
        switch (index) {
        case 0: { // Lees Items
            DataStore& store = form_.session.store();
            WorkingListSummary found = run_.readItems(store.atld37(), form_.session.reference(), nbane_);
            if (found.empty()) {
                showDefaultAgeRows(nitems_, selectedAgeRange());
                showGeneratorList(false);
            } else {
                showGeneratorList(true);
                flxNLys_->setCurrentIndex(nlysModel_->index(0, 0));
            }
            break;
        }
        case 1: // Skraap Item
            run_.removeCurrentItem();
            break;
        case 2: { // Skep Program
            ScheduleReport report = run_.createProgramme(txtBeg_->text().toStdString());
            showGeneratorList(true);
            if (!report.warning().empty())
                form_.session.prompter().inform(this, QString::fromStdString(report.warning(form_.lang)),
                                                form_.text("tab5"));
            break;
        }
        case 3: { // Dra oor
            run_.checkReadyToTransfer();
            if (beforeTransfer && !beforeTransfer())
                break;
            run_.transfer(form_.session.store().atld40(), form_.lang,
                          {form_.meeting.days, form_.session.reference().definitions});
            // The editor shows the new programme at once, so that a later Save
            // cannot write the old one back over it.
            if (afterTransfer)
                afterTransfer();
            form_.session.programme.ProgrammeChanged = false; // the grid now shows what is stored
            form_.session.prompter().inform(this, form_.text("msgSaved"), form_.text("msgTransferTitle"));
            publishOnSave(form_, this);
            break;
        }
        case 4: // Begin skoon
            showDefaultAgeRows(nitems_, selectedAgeRange());
            showGeneratorList(false);
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        form_.session.prompter().inform(this, wordedError(e, form_.lang), form_.text("tab5"));
    }
}

} // namespace dravik
