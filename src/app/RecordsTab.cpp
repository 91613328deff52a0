#include "app/RecordsTab.h"

#include "app/GridTableModel.h"
#include "app/WidgetFactory.h"

#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

RecordsTab::RecordsTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form), rekords_(5)
{
    auto* layout = new QVBoxLayout(this);
    auto* fraStel = make<QGroupBox>(form_.lang, "fraStel");
    auto* stel = new QVBoxLayout(fraStel);
    rekords_.setHeader({"Naam", "Simb", "Verw", "Aktief", "Rekord"});
    rekords_.setColHidden(4, true);
    rekordsModel_ = new GridTableModel(rekords_, this);
    flxRekords_ = gridView("flxRekords", rekordsModel_);
    flxRekords_->setColumnWidth(0, 240);
    stel->addWidget(flxRekords_);
    layout->addWidget(fraStel, 1);
}

void RecordsTab::fillRecordSets()
{
    rekords_.beginUpdate();
    rekords_.setRows(1);
    for (const RecordSetEntry& set : form_.recordSets.all)
        rekords_.addRow({set.naam, set.simb, set.verw, set.active ? "A" : " ", std::to_string(set.position)});
    rekords_.endUpdate();
}

} // namespace dravik
