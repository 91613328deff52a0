// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value texts of workbook XML (.xlsx and .ods) as the numbers a sheet cell holds.

#include <string>

namespace dravik::sheetvalue {

// A number as the file writes it ("12", "-0.1", "4.5E-2"); false for anything else.
bool number(const std::string& text, double& value);

// An ISO 8601 date, with or without a time ("2024-03-05", "1899-12-30T09:00:00"),
// as days since 30 December 1899; false for anything else.
bool dateSerial(const std::string& text, double& days);

// An ISO 8601 duration ("PT09H00M00S", "-PT2H24M", "P1DT12H") as days; false for anything else.
bool durationDays(const std::string& text, double& days);

// Whether a number format shows a date: it names a day, month-day or year
// ("dd/mm/yyyy", "yyyy-mm-dd hh:mm"), not only hours, minutes and seconds.
bool isDateFormat(const std::string& formatCode);

// Whether a built-in .xlsx number format (by its id) shows a date.
bool isBuiltInDateFormat(int id);

} // namespace dravik::sheetvalue
