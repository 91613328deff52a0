// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik {

namespace suitefile {
// The workbook the programme export starts from, in the program folder.
inline constexpr const char* ExchangeTemplate = "ItemRek.xlsx";
} // namespace suitefile

// Layout of the standard exchange template: headings in rows 1 to 5, event rows
// from row 6 up to the last row the import reads, with formulas in columns 9 and 15
// that take the event name and the definition number out of column 8
// ("100m - 0012" gives "100m" and 12).
namespace exchangetemplate {
inline constexpr int FirstEventRow = 6;
inline constexpr int LastEventRow = 1000;
} // namespace exchangetemplate

// Writes the standard exchange template workbook (.xlsx) to the file.
// Throws StoreError naming the file when it cannot be written.
void writeExchangeTemplate(const std::string& file);

} // namespace dravik
