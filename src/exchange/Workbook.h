// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/WordedError.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace dravik {

enum class ExchangeErrorKind {
    Other,
    NotWorkbook,      // facts: file, reason
    NoProgrammeSheet, // facts: file
    CannotWrite,      // facts: file, reason
    BadRecord,        // facts: event, event name, record text
    UnreadableCell,   // facts: file, sheet, cell (C7), what it holds
    TimeOutsideDay,   // facts: file, sheet, cell, the number
};

// A workbook that cannot be read or written, or exchange rows that cannot be
// stored. The message (English) names the file and the reason; the kind and the
// facts (file, row, value) let a window word it in its own language.
class ExchangeError : public WordedError<ExchangeErrorKind> {
public:
    using WordedError::WordedError;
};

// One cell's value. Formula cells give the value the workbook stored with them;
// booleans are the numbers 1 and 0; a date or time is a number (days since
// 30 December 1899, a time of day the fraction of a day), except where the file
// format hands it over as text. A cell whose value cannot be known (an error
// value such as #N/A, a formula stored without its result) is Unreadable, its
// text saying what it holds.
struct SheetCell {
    enum class Kind { Empty, Number, Text, Unreadable };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;
    // A number shown as a date (with or without a time): its whole part is a day.
    bool dated = false;

    static SheetCell ofNumber(double v) { return {Kind::Number, v, {}}; }
    static SheetCell ofDate(double v) { return {Kind::Number, v, {}, true}; }
    static SheetCell ofText(std::string t) { return {Kind::Text, 0, std::move(t)}; }
    static SheetCell ofUnreadable(std::string what) { return {Kind::Unreadable, 0, std::move(what)}; }

    bool empty() const;
    // Numbers as the grids show them ("12", "6.45"); text as it stands; an
    // unreadable cell what it holds.
    std::string asText() const;
    // Numbers as they are; text by its leading number; empty and unreadable are 0.
    double asNumber() const;
};

// The cells of one worksheet, addressed from row 1 and column 1 as a spreadsheet
// counts them. Cells outside what was read are empty.
class Sheet {
public:
    Sheet() = default;
    Sheet(int rows, int cols);

    // The worksheet's name as its tab shows it.
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    const SheetCell& cell(int row, int col) const;
    void setCell(int row, int col, SheetCell value);
    // Rows below the ones read that hold a value in column 1.
    int rowsBelow() const { return rowsBelow_; }
    void countRowBelow() { ++rowsBelow_; }

private:
    std::string name_;
    int rowsBelow_ = 0;
    int rows_ = 0;
    int cols_ = 0;
    std::vector<SheetCell> cells_;
};

// A cell's reference as a spreadsheet shows it: row 7, column 3 is "C7".
std::string cellReference(int row, int col);

// Opens a workbook (.xlsx and .ods read cell by cell from their XML, legacy
// .xls through freexl; the format is told by the file's contents), reads rows
// 1..maxRows and columns 1..maxCols of its first worksheet and closes it again.
// Throws ExchangeError naming the file and the reason for anything that is not
// a readable workbook.
Sheet readFirstSheet(const std::string& path, int maxRows, int maxCols);

// True for the names the file list offers: .xlsx, .ods and .xls, in any case.
bool isWorkbookFileName(const std::string& name);

} // namespace dravik
