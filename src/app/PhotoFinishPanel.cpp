// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PhotoFinishPanel.h"

#include "app/AppSession.h"
#include "app/WidgetFactory.h"
#include "exchange/PhotoFinishFiles.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace dravik {

using namespace ui;

PhotoFinishPanel::PhotoFinishPanel(FormContext& form, std::function<std::string()> chosenFolder, QWidget* parent)
    : QWidget(parent), form_(form), chosenFolder_(std::move(chosenFolder))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* button = make<QPushButton>(form_.lang, "cmdLynx");
    cmbLynxDag_ = make<QComboBox>(form_.lang, "cmbLynxDag");
    layout->addWidget(button);
    layout->addWidget(cmbLynxDag_);
    spnLynxOffset_ = make<QSpinBox>(form_.lang, "spnLynxOffset");
    spnLynxOffset_->setRange(0, kMaxDayOffset);
    spnLynxOffset_->setSingleStep(1000);
    layout->addWidget(make<QLabel>(form_.lang, "lblLynxOffset"));
    layout->addWidget(spnLynxOffset_);
    layout->addStretch(1);
    // Like the Print tab's day list: every day, then days 1 to 3.
    cmbLynxDag_->addItem(form_.text("chkDDae"));
    for (int day = 1; day <= 3; ++day)
        cmbLynxDag_->addItem(QString::number(day));
    connect(button, &QPushButton::clicked, this, [this] { cmdLynx_Click(); });
}

void PhotoFinishPanel::cmdLynx_Click()
{
    QString told;
    try {
        const PhotoFinishReport done = exportPhotoFinish(
            form_.programme, form_.session.reference(), form_.session.store(), form_.lang,
            {std::max(cmbLynxDag_->currentIndex(), 0), spnLynxOffset_->value()}, chosenFolder_());
        told =
            form_.text("msgLynxWritten").arg(done.races).arg(done.competitors).arg(QString::fromStdString(done.folder));
    } catch (const std::exception& e) {
        told = QString::fromStdString(e.what());
    }
    form_.session.prompter().inform(this, told, form_.text("tab2"));
}

} // namespace dravik
