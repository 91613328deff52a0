// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing cells of a worksheet part in place.

#include "exchange/SharedStrings.h"

#include <map>
#include <string>
#include <vector>

namespace dravik::xlsx {

// Cells of the worksheet part, written in place so that everything else of
// the part (styles, widths, views, formulas) stays as it is.
class SheetCells {
public:
    // The worksheet element of the sheet part; new texts go into the shared strings.
    SheetCells(pugi::xml_node worksheet, SharedStrings& strings);

    // Rows at or below the given row that the sheet holds.
    std::vector<int> rowsFrom(int first) const;

    // The cell element of the row and column, else a null node.
    pugi::xml_node find(int row, int col) const;

    void setNumber(int row, int col, double value);

    // Empty text leaves the cell without a value (its style stays).
    void setText(int row, int col, const std::string& text);

    // Empties a cell; a formula stays, without its stored result.
    void clearValue(int row, int col);

    // The stored result of a formula cell; cells without a formula are left alone.
    void setFormulaText(int row, int col, const std::string& value);

private:
    std::string name(const char* local) const { return prefix_ + local; }

    static void setAttribute(pugi::xml_node n, const char* attr, const char* value);
    // A formula cell with its stored result removed.
    pugi::xml_node formulaCell(int row, int col);
    // Without value, children and type; the style stays.
    static void clear(pugi::xml_node c);
    // The row's element, added in row order when the sheet has none.
    pugi::xml_node rowNode(int row);
    // The cell emptied, added in column order when the row has none.
    pugi::xml_node clearedCell(int row, int col);

    pugi::xml_node worksheet_;
    SharedStrings& strings_;
    pugi::xml_node data_;
    std::string prefix_;
    std::map<int, pugi::xml_node> rows_;
};

} // namespace dravik::xlsx
