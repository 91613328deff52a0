// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"

#include <string>
#include <string_view>
#include <vector>

namespace dravik::printing {

// The parts of a text separated by vertical bars ("It No|Time" gives two parts).
std::vector<std::string> splitBars(std::string_view text);

// Table columns from a format such as "<1.4cm|^3cm|>2.5cm": per column an
// alignment character ('<' left, '^' centre, '>' right) and a width in centimetres.
std::vector<Column> columnsFromFormat(std::string_view format);

// The columns of a table as they are printed and written to the document file:
// the table's own, or one per cell of its widest row when it names none; when
// together they are wider than the page's text, each narrowed in proportion.
struct LaidOutColumns {
    std::vector<Column> columns;
    double widthCm = 0; // all of them together
};
LaidOutColumns laidOutColumns(const Table& table, double contentWidthCm);

} // namespace dravik::printing
