// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/Workbook.h"

#include <optional>
#include <string>

namespace dravik {

// Reads rows 1..maxRows and columns 1..maxCols of the first table of an .ods
// package (its bytes), cell by cell as the file holds them: texts (with their
// spans, spaces and paragraphs), numbers, percentages, currencies, dates,
// times, booleans, the stored results of formulas, error values. Throws
// std::runtime_error with the reason when the package is damaged; nothing
// when it holds no table.
std::optional<Sheet> readOdsSheet(const std::string& bytes, int maxRows, int maxCols);

} // namespace dravik
