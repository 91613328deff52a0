// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/SharedStrings.h"
#include "exchange/SheetCells.h"
#include "exchange/WorkbookPackage.h"

#include <string>

namespace dravik::test {

// Empties a cell of an .xlsx workbook's first sheet, as a user deleting its value would.
inline void clearWorkbookCell(const std::string& file, int row, int col)
{
    xlsx::Package package(file, file + ": ");
    xlsx::WorkbookParts parts = xlsx::locateParts(package);
    pugi::xml_document sheet = xlsx::parseXml(package.read(parts.firstSheet), package, parts.firstSheet);
    xlsx::SharedStrings strings(package, parts);
    xlsx::SheetCells cells(sheet.document_element(), strings);
    cells.clearValue(row, col);
    package.write(parts.firstSheet, xlsx::savedXml(sheet));
    package.commit();
}

} // namespace dravik::test
