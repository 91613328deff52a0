// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widths of a printout's table columns and tab columns, measured from their text.

#include "printing/Document.h"
#include "render/TextDocumentBuilder.h"

#include <QFont>

#include <vector>

namespace dravik::render {

// The room a cell's sides and rule take from its column, in cm.
double cellSidesCm();

// The font of a table's cells: its own size, else the document's.
QFont tableFont(const printing::Table& t, const printing::Document& doc, bool bold = false);

// Column widths from their text at the table's size: every column as wide as its
// widest line when the page holds them all, the room left shared in proportion to
// the widths asked for; on a page too narrow for that, every column keeps its
// widest unbreakable piece and the rest goes to the columns whose lines must wrap.
// Tables of the same columns and header (the pages of one printout) get the same
// widths, measured over all their rows.
void fitColumns(std::vector<printing::Table*> group, const printing::Document& doc, double pageCm);

// Tab columns shared by every tab-column table: per count of fields, each field as
// wide as its widest text, and the room left spread between the fields.
TabColumns tabColumnsOf(const std::vector<printing::Block>& blocks, const printing::Document& doc);

} // namespace dravik::render
