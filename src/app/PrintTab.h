#pragma once
#include "app/FormContext.h"

#include <QWidget>

#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace dravik {

// The Print tab: what to print, how, and the buttons that show or edit it.
class PrintTab : public QWidget {
    Q_OBJECT
public:
    explicit PrintTab(FormContext& form, QWidget* parent = nullptr);

    // The activation's day lists: cmbDDae holds 1 to 3; the day frame shows for a meeting of several days.
    void fillDayLists();
    // The activation's print steps: font sizes, what to print, print state.
    void resetForActivation();
    // Shows the display order chosen on the Compile tab as the print order.
    void showPrintOrder(int index);

signals:
    // A print order was chosen; the Compile tab's grid is re-sorted the same way.
    void printOrderChosen(int index);

private:
    void optDPR_Click(int index);

    FormContext& form_;
    int printState_ = 0;
    std::array<QRadioButton*, 3> optDPR_{};
    std::array<QRadioButton*, 4> optDisp1_{};
    QFrame *fraPAction_ = nullptr, *fraRAction_ = nullptr, *fraAnal_ = nullptr;
    QComboBox *cmbFont_ = nullptr, *cmbDDae_ = nullptr;
    QLabel* lblDDag_ = nullptr;
    QGroupBox* fraDae_ = nullptr;
};

} // namespace dravik
