#pragma once
#include "app/FormContext.h"
#include "platform/GridModel.h"

#include <QWidget>

class QTableView;

namespace dravik {

class GridTableModel;

// The Records tab: the record sets of the meeting in flxRekords.
class RecordsTab : public QWidget {
    Q_OBJECT
public:
    explicit RecordsTab(FormContext& form, QWidget* parent = nullptr);

    // One grid row per record set: Naam, Simb, Verw, "A" for an active set, position.
    void fillRecordSets();
    const GridModel& recordSetGrid() const { return rekords_; }

private:
    FormContext& form_;
    GridModel rekords_;
    GridTableModel* rekordsModel_ = nullptr;
    QTableView* flxRekords_ = nullptr;
};

} // namespace dravik
