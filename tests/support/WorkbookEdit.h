// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/SharedStrings.h"
#include "exchange/SheetCells.h"
#include "exchange/WorkbookPackage.h"

#include <functional>
#include <string>

namespace dravik::test {

// Writes one part of an .xlsx workbook anew, as another program might have written it.
inline void writeWorkbookPart(const std::string& file, const std::string& part, const std::string& xml)
{
    xlsx::Package package(file, file + ": ");
    package.write(part, xml);
    package.commit();
}

// Changes cells of an .xlsx workbook's first sheet in place, as a user would.
inline void editFirstSheet(const std::string& file, const std::function<void(xlsx::SheetCells&)>& edit)
{
    xlsx::Package package(file, file + ": ");
    xlsx::WorkbookParts parts = xlsx::locateParts(package);
    pugi::xml_document sheet = xlsx::parseXml(package.read(parts.firstSheet), package, parts.firstSheet);
    xlsx::SharedStrings strings(package, parts);
    xlsx::SheetCells cells(sheet.document_element(), strings);
    edit(cells);
    package.write(parts.firstSheet, xlsx::savedXml(sheet));
    strings.save(package);
    package.commit();
}

// Empties a cell of an .xlsx workbook's first sheet, as a user deleting its value would.
inline void clearWorkbookCell(const std::string& file, int row, int col)
{
    editFirstSheet(file, [&](xlsx::SheetCells& cells) { cells.clearValue(row, col); });
}

} // namespace dravik::test
