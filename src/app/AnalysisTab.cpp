#include "app/AnalysisTab.h"

#include <QVBoxLayout>

namespace dravik {

AnalysisTab::AnalysisTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
}

} // namespace dravik
