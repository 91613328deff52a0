// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/FormContext.h"
#include "generator/GeneratorRun.h"
#include "platform/GridModel.h"

#include <QWidget>

#include <array>
#include <functional>

class QLineEdit;
class QRadioButton;
class QTableView;

namespace dravik {

class GridTableModel;

// The Create Program tab: the generator's working list, heat sizes and age matrix,
// and the five buttons that read, trim, schedule, transfer and start clean.
class GeneratorTab : public QWidget {
    Q_OBJECT
public:
    explicit GeneratorTab(FormContext& form, QWidget* parent = nullptr);

    void cmdNProg_Click(int index);

    // Asked before "Dra oor" replaces the stored programme: true when the transfer may go on.
    std::function<bool()> beforeTransfer;
    // Told after "Dra oor" stored the new programme, so that the Compile tab shows it.
    std::function<void()> afterTransfer;

private:
    void buildStaticGrids();
    int selectedAgeRange() const;
    void showGeneratorList(bool workingList);

    FormContext& form_;
    GridModel nlys_, nbane_, nitems_, npunte_;
    std::array<GridModel, 2> borde_;
    GridTableModel *nlysModel_ = nullptr, *nitemsModel_ = nullptr;
    QTableView *flxNLys_ = nullptr, *flxNitems_ = nullptr;
    QLineEdit* txtBeg_ = nullptr;
    std::array<QRadioButton*, 4> optNoud_{};
    // The summary of "Lees Items" and whether the list was scheduled since.
    GeneratorRun run_{nlys_};
};

} // namespace dravik
