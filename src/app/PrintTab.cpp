#include "app/PrintTab.h"

#include "app/WidgetFactory.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

PrintTab::PrintTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    const Language lang = form_.lang;
    auto* layout = new QVBoxLayout(this);
    auto* what = new QHBoxLayout;
    static const char* const dprNames[] = {"optDPR(0)", "optDPR(1)", "optDPR(2)"};
    for (int i = 0; i < 3; ++i) {
        optDPR_[i] = make<QRadioButton>(lang, dprNames[i]);
        what->addWidget(optDPR_[i]);
        connect(optDPR_[i], &QRadioButton::clicked, this, [this, i] { optDPR_Click(i); });
    }
    what->addStretch(1);
    layout->addLayout(what);

    fraPAction_ = panel("fraPAction");
    auto* paction = new QGridLayout(fraPAction_);
    auto* fraPOrde = make<QGroupBox>(lang, "fraPOrde");
    auto* porde = new QVBoxLayout(fraPOrde);
    for (int i = 0; i < 4; ++i) {
        optDisp1_[i] = make<QRadioButton>(lang, QString("optDisp1(%1)").arg(i).toUtf8().constData());
        porde->addWidget(optDisp1_[i]);
        connect(optDisp1_[i], &QRadioButton::clicked, this, [this, i] { emit printOrderChosen(i); });
    }
    paction->addWidget(fraPOrde, 0, 0, 3, 1);
    paction->addWidget(make<QLabel>(lang, "lblFont"), 0, 1);
    cmbFont_ = make<QComboBox>(lang, "cmbFont");
    paction->addWidget(cmbFont_, 0, 2);
    fraDae_ = make<QGroupBox>(lang, "fraDae");
    auto* dae = new QHBoxLayout(fraDae_);
    lblDDag_ = make<QLabel>(lang, "lblDDag");
    cmbDDae_ = make<QComboBox>(lang, "cmbDDae");
    dae->addWidget(lblDDag_);
    dae->addWidget(cmbDDae_);
    paction->addWidget(fraDae_, 1, 1, 1, 2);
    layout->addWidget(fraPAction_);

    fraRAction_ = panel("fraRAction");
    layout->addWidget(fraRAction_);
    fraAnal_ = panel("fraAnal");
    fraAnal_->hide();
    layout->addWidget(fraAnal_);
    layout->addStretch(1);
}

void PrintTab::fillDayLists()
{
    lblDDag_->hide();
    cmbDDae_->clear();
    for (const char* day : {"1", "2", "3"})
        cmbDDae_->addItem(day);
    bool severalDays = form_.meeting.days != 1;
    fraDae_->setVisible(severalDays);
    if (severalDays)
        cmbDDae_->hide();
}

void PrintTab::resetForActivation()
{
    printState_ = 0;
    cmbFont_->clear();
    for (int size = 6; size <= 16; ++size)
        cmbFont_->addItem(QString::number(size) + " pt");
    cmbFont_->setCurrentIndex(6);
    form_.printFontSize = 12;
    optDPR_[0]->setChecked(true);
    fraPAction_->show();
    fraRAction_->hide();
}

void PrintTab::showPrintOrder(int index)
{
    for (int i = 0; i < 4; ++i)
        optDisp1_[i]->setChecked(i == index);
}

void PrintTab::optDPR_Click(int index)
{
    fraPAction_->setVisible(index == 0);
    fraRAction_->setVisible(index == 1);
    fraAnal_->setVisible(index == 2);
}

} // namespace dravik
