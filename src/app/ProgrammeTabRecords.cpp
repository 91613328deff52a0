// SPDX-License-Identifier: GPL-3.0-or-later
// The Compile tab's records panel fraPRek: the record of the event in the fields.
#include "app/AppSession.h"
#include "app/ProgrammeTab.h"
#include "app/Prompter.h"
#include "app/PublishOnSave.h"
#include "app/WidgetFactory.h"
#include "platform/TextNumber.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dravik {

using namespace ui;

QWidget* ProgrammeTab::buildRecordPanel()
{
    const Language lang = form_.lang;
    fraPRek_ = make<QGroupBox>(lang, "fraPRek");
    auto* grid = new QGridLayout(fraPRek_);
    grid->addWidget(make<QLabel>(lang, "lblPRek"), 0, 0);
    cmbPRek_ = make<QComboBox>(lang, "cmbPRek");
    cmbPrekR_ = make<QComboBox>(lang, "cmbPrekR", fraPRek_);
    cmbPrekR_->hide();
    grid->addWidget(cmbPRek_, 0, 1);
    // The hidden list of set references follows the visible list of set names.
    // Another set takes Save away until the next Read.
    connect(cmbPRek_, &QComboBox::currentIndexChanged, this, [this](int i) {
        cmbPrekR_->setCurrentIndex(i);
        fields_.cmdPRekEnabled = editor_.recordsFound = false;
        cmdPRek_->setEnabled(false);
    });
    for (int i = 0; i < 5; ++i) {
        std::string label = "lblPRek" + std::to_string(i), box = "txtPRek(" + std::to_string(i) + ")";
        grid->addWidget(make<QLabel>(lang, label.c_str()), i + 1, 0);
        txtPRek_[i] = make<QLineEdit>(lang, box.c_str());
        grid->addWidget(txtPRek_[i], i + 1, 1);
    }
    auto* cmdPRLees = make<QPushButton>(lang, "cmdPRLees");
    cmdPRek_ = make<QPushButton>(lang, "cmdPRek");
    cmdPRek_->setEnabled(false);
    grid->addWidget(cmdPRLees, 6, 0);
    grid->addWidget(cmdPRek_, 6, 1);
    connect(cmdPRLees, &QPushButton::clicked, this, [this] { cmdPRLees_Click(); });
    connect(cmdPRek_, &QPushButton::clicked, this, [this] { cmdPRek_Click(); });
    fraPRek_->hide();
    return fraPRek_;
}

void ProgrammeTab::cmdPRLees_Click()
{
    pullFields();
    double set = textToNumber(cmbPrekR_->currentText().toStdString());
    double definition = textToNumber(fields_.events.tvText());
    const DefinitionList& definitions = form_.session.reference().definitions;
    lastRead_ = cmbPrekR_->currentIndex() >= 0
                    ? readCurrentEventRecord(form_.session.store().atld60(), set, definition,
                                             definitions.at(definitions.find(definition)).tipe)
                    : CurrentEventRecord{};
    const RecordFields& f = lastRead_.fields;
    fields_.txtPRek = {f.naam, f.van, f.plek, f.jaar, f.record};
    fields_.cmdPRekEnabled = lastRead_.found;
    editor_.recordsFound = lastRead_.found;
    pushFields();
}

void ProgrammeTab::cmdPRek_Click()
{
    pullFields();
    double set = textToNumber(cmbPrekR_->currentText().toStdString());
    if (!fields_.cmdPRekEnabled || !lastRead_.savesInto(set, textToNumber(fields_.events.tvText())))
        return;
    const auto& t = fields_.txtPRek;
    RecordsResult result = saveCurrentEventRecord(form_.session.store().atld60(), lastRead_,
                                                  RecordFields{t[0], t[1], t[2], t[3], t[4]}, form_.lang);
    if (!result.ok) {
        form_.session.prompter().inform(this, QString::fromStdString(result.message), form_.text("fraPRek"));
        return;
    }
    // The boxes now show what is stored.
    cmdPRLees_Click();
    publishOnSave(form_, this);
}

} // namespace dravik
