// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnalysisTab.h"

#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/GridTableModel.h"
#include "app/Prompter.h"
#include "app/WidgetFactory.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

namespace {

QLabel* namedLabel(const char* name, const QString& text = {})
{
    auto* l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

} // namespace

AnalysisTab::AnalysisTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    const AnalysisTexts& t = analysisTexts(form_.lang);
    auto* layout = new QHBoxLayout(this);
    setupAnalysisGrid(anal_, form_.lang);
    analModel_ = new GridTableModel(anal_, this);
    flxAnal_ = gridView("flxAnal", analModel_);
    const std::pair<int, int> widths[] = {{acol::Number, 60}, {acol::Event, 190},    {acol::Level, 40},
                                          {acol::Time, 55},   {acol::GenderAge, 60}, {acol::Athletes, 60},
                                          {acol::Record, 75}, {acol::Holder, 170},   {acol::Year, 50}};
    for (auto [col, width] : widths)
        flxAnal_->setColumnWidth(col, width);
    auto* left = new QVBoxLayout;
    left->addWidget(flxAnal_, 1);
    proAnal_ = new QProgressBar;
    proAnal_->setObjectName("proAnal");
    proAnal_->hide();
    left->addWidget(proAnal_);
    layout->addLayout(left, 3);

    auto* side = new QVBoxLayout;
    auto* cmdLees = new QPushButton(t.readData);
    cmdLees->setObjectName("cmdLees");
    cmdLees->setToolTip(t.readDataTip);
    connect(cmdLees, &QPushButton::clicked, this, [this] { cmdLees_Click(); });
    side->addWidget(cmdLees);

    auto* totals = new QGridLayout;
    lblItms_ = namedLabel("lblItms");
    lblAtl_ = namedLabel("lblAtl");
    lblDeel_ = namedLabel("lblDeel");
    lblGem_ = namedLabel("lblGem");
    lblRek_ = namedLabel("lblRek");
    lblReks_ = namedLabel("lblReks");
    int row = 0;
    for (auto [caption, value] : {std::pair{t.events, lblItms_},
                                  {t.athletes, lblAtl_},
                                  {t.participants, lblDeel_},
                                  {"", lblGem_},
                                  {t.eventsWithRecords, lblRek_}}) {
        totals->addWidget(new QLabel(caption), row, 0);
        totals->addWidget(value, row++, 1);
    }
    totals->addWidget(lblReks_, row, 0, 1, 2);
    side->addLayout(totals);

    auto* orderBox = new QGroupBox;
    orderBox->setObjectName("fraAOrde");
    auto* orders = new QVBoxLayout(orderBox);
    for (int i = 0; i < 2; ++i) {
        optAOrde_[i] = new QRadioButton(i == 0 ? t.orderEvents : t.orderNumber);
        optAOrde_[i]->setObjectName(i == 0 ? "optAOrde(0)" : "optAOrde(1)");
        orders->addWidget(optAOrde_[i]);
        connect(optAOrde_[i], &QRadioButton::clicked, this, [this] { optAOrde_Click(); });
    }
    optAOrde_[0]->setChecked(true);
    side->addWidget(orderBox);
    for (const std::string& line : analysisInstructions()) {
        auto* l = new QLabel(QString::fromStdString(line));
        l->setWordWrap(true);
        side->addWidget(l);
    }
    side->addStretch(1);
    layout->addLayout(side, 1);
}

AnalysisOrder AnalysisTab::order() const
{
    return optAOrde_[1]->isChecked() ? AnalysisOrder::Number : AnalysisOrder::Events;
}

void AnalysisTab::cmdLees_Click()
{
    AppSession& session = form_.session;
    std::optional<DisplayedRecords> shown = displayedRecords ? displayedRecords() : std::nullopt;
    AnalysisSources sources{form_.programme, session.reference().definitions, session.store(),
                            shown ? &*shown : nullptr};
    proAnal_->setValue(0);
    proAnal_->show();
    try {
        AnalysisResult result = readAnalysis(anal_, sources, form_.lang, labels_, order(), [this](int value, int max) {
            proAnal_->setMaximum(std::max(max, 1));
            proAnal_->setValue(value);
        });
        labels_ = result.labels;
    } catch (const std::exception& e) {
        session.prompter().inform(this, wordedError(e, form_.lang), form_.text("tab4"));
    }
    proAnal_->hide();
    showLabels();
}

void AnalysisTab::optAOrde_Click()
{
    SortAnalysis(anal_, order());
}

void AnalysisTab::showLabels()
{
    lblItms_->setText(QString::fromStdString(labels_.lblItms));
    lblAtl_->setText(QString::fromStdString(labels_.lblAtl));
    lblDeel_->setText(QString::fromStdString(labels_.lblDeel));
    lblGem_->setText(QString::fromStdString(labels_.lblGem));
    lblRek_->setText(QString::fromStdString(labels_.lblRek));
    lblReks_->setText(QString::fromStdString(labels_.lblReks));
}

} // namespace dravik
