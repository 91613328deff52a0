// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/FormContext.h"

#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QSpinBox;

namespace dravik {

// The photo-finish start lists on the Import/Export tab: "Photo-finish"
// (cmdLynx) writes lynx.evt, lynx.ppl and lynx.sch of the programme grid into
// the folder chosen in the folder list, for every day or the day chosen in
// cmbLynxDag; the day offset (spnLynxOffset) numbers each day apart.
class PhotoFinishPanel : public QWidget {
    Q_OBJECT
public:
    PhotoFinishPanel(FormContext& form, std::function<std::string()> chosenFolder, QWidget* parent = nullptr);

    void cmdLynx_Click();

private:
    FormContext& form_;
    std::function<std::string()> chosenFolder_;
    QComboBox* cmbLynxDag_ = nullptr;
    QSpinBox* spnLynxOffset_ = nullptr;
};

} // namespace dravik
