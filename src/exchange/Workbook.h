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
};

// A workbook that cannot be read or written, or exchange rows that cannot be
// stored. The message (English) names the file and the reason; the kind and the
// facts (file, row, value) let a window word it in its own language.
class ExchangeError : public WordedError<ExchangeErrorKind> {
public:
    using WordedError::WordedError;
};

// One cell's value. Formula cells give their value; a time of day is a number
// (the fraction of a day), except where the file format hands it over as text.
struct SheetCell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;

    static SheetCell ofNumber(double v) { return {Kind::Number, v, {}}; }
    static SheetCell ofText(std::string t) { return {Kind::Text, 0, std::move(t)}; }

    bool empty() const;
    // Numbers as the grids show them ("12", "6.45"); text as it stands.
    std::string asText() const;
    // Numbers as they are; text by its leading number; empty is 0.
    double asNumber() const;
};

// The cells of one worksheet, addressed from row 1 and column 1 as a spreadsheet
// counts them. Cells outside what was read are empty.
class Sheet {
public:
    Sheet() = default;
    Sheet(int rows, int cols);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    const SheetCell& cell(int row, int col) const;
    void setCell(int row, int col, SheetCell value);
    // Rows below the ones read that hold a value in column 1.
    int rowsBelow() const { return rowsBelow_; }
    void countRowBelow() { ++rowsBelow_; }

private:
    int rowsBelow_ = 0;
    int rows_ = 0;
    int cols_ = 0;
    std::vector<SheetCell> cells_;
};

// Opens a workbook (.xlsx or .ods through orcus/ixion, legacy .xls through
// freexl; the format is told by the file's contents), reads rows 1..maxRows and
// columns 1..maxCols of its first worksheet and closes it again. Throws
// ExchangeError naming the file and the reason for anything that is not a
// readable workbook.
Sheet readFirstSheet(const std::string& path, int maxRows, int maxCols);

// True for the names the file list offers: .xlsx, .ods and .xls, in any case.
bool isWorkbookFileName(const std::string& name);

} // namespace dravik
