// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/Workbook.h"

#include <optional>
#include <string>

namespace dravik {

// Reads rows 1..maxRows and columns 1..maxCols of the first worksheet of an
// .xlsx package (its bytes), cell by cell as the file holds them: shared and
// inline strings with their rich-text runs, numbers (dated by their number
// format), booleans, the stored results of formulas, error values. Throws
// std::runtime_error with the reason when the package is damaged; nothing
// when it holds no worksheet.
std::optional<Sheet> readXlsxSheet(const std::string& bytes, int maxRows, int maxCols);

} // namespace dravik
