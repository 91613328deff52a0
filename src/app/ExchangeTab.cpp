#include "app/ExchangeTab.h"

#include "app/WidgetFactory.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace dravik {

using namespace ui;

ExchangeTab::ExchangeTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    const Language lang = form_.lang;
    auto* layout = new QGridLayout(this);
    dirRug_ = make<QLineEdit>(lang, "dirRug");
    dirRug_->setReadOnly(true);
    filRug_ = make<QListWidget>(lang, "filRug");
    layout->addWidget(dirRug_, 0, 0, 1, 2);
    layout->addWidget(filRug_, 1, 0, 1, 2);
    layout->addWidget(make<QLabel>(lang, "lblIRek"), 2, 0);
    cmbIRek_ = make<QComboBox>(lang, "cmbIRek");
    cmbIRekR_ = make<QComboBox>(lang, "cmbIRekR", this);
    cmbIRekR_->hide();
    layout->addWidget(cmbIRek_, 2, 1);
    // The hidden list of set references follows the visible list of set names.
    connect(cmbIRek_, &QComboBox::currentIndexChanged, this, [this](int i) { cmbIRekR_->setCurrentIndex(i); });
    layout->setRowStretch(1, 1);
}

void ExchangeTab::showImportFolder(const std::string& folder)
{
    importFolder_ = folder;
    dirRug_->setText(QString::fromStdString(folder));
    filRug_->clear();
    QDir importDir(QString::fromStdString(folder));
    if (!folder.empty() && importDir.exists())
        filRug_->addItems(importDir.entryList({"*.xls"}, QDir::Files, QDir::Name));
}

void ExchangeTab::fillRecordSets()
{
    cmbIRek_->clear();
    cmbIRekR_->clear();
    for (const RecordSetEntry& set : form_.recordSets.active) {
        cmbIRek_->addItem(QString::fromStdString(set.listText()));
        cmbIRekR_->addItem(QString::fromStdString(set.verw));
    }
}

} // namespace dravik
