#pragma once
#include "app/FormContext.h"

#include <QWidget>

namespace dravik {

// The Analyze tab: counts of events, athletes, competitors and records per event.
class AnalysisTab : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisTab(FormContext& form, QWidget* parent = nullptr);

private:
    FormContext& form_;
};

} // namespace dravik
