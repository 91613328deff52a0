// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

class QFrame;
class QTableView;
class QWidget;

namespace dravik {

class GridTableModel;

namespace ui {

// A control named after its control name, with its caption and tool tip from
// the window's text table when it has them.
template <typename W>
W* make(Language lang, const char* name, QWidget* parent = nullptr);

QFrame* panel(const char* name);

// A view of a grid with the grid's column widths and hidden columns.
QTableView* gridView(const char* name, GridTableModel* model);

} // namespace ui
} // namespace dravik
