// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "analysis/Analysis.h"
#include "app/FormContext.h"
#include "platform/GridModel.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QProgressBar;
class QRadioButton;
class QTableView;

namespace dravik {

class GridTableModel;

// The Analyze tab: per event the competitors entered and the displayed set's
// record (flxAnal), with the meeting's totals; Read Data fills it.
class AnalysisTab : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisTab(FormContext& form, QWidget* parent = nullptr);

    void cmdLees_Click();
    void optAOrde_Click();

    const GridModel& analysisGrid() const { return anal_; }
    const AnalysisLabels& labels() const { return labels_; }

    // The record grid and set the Records tab shows; none before a Display.
    std::function<std::optional<DisplayedRecords>()> displayedRecords;

private:
    AnalysisOrder order() const;
    void showLabels();

    FormContext& form_;
    GridModel anal_;
    AnalysisLabels labels_;
    GridTableModel* analModel_ = nullptr;
    QTableView* flxAnal_ = nullptr;
    QProgressBar* proAnal_ = nullptr;
    std::array<QRadioButton*, 2> optAOrde_{};
    QLabel *lblItms_ = nullptr, *lblAtl_ = nullptr, *lblDeel_ = nullptr, *lblGem_ = nullptr, *lblRek_ = nullptr,
           *lblReks_ = nullptr;
};

} // namespace dravik
