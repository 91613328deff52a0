// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace dravik {

struct FormContext;

// Run after a Save of the programme or the records succeeded: publishes the web
// site into the web folder of the Print tab when one is set. A failure is shown
// to the user and leaves what was saved as it is.
void publishOnSave(FormContext& form, QWidget* parent);

} // namespace dravik
