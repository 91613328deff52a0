// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbook's table of shared strings, as the cells of a sheet refer to it.

#include "exchange/WorkbookPackage.h"

#include <map>
#include <string>

namespace dravik::xlsx {

// The workbook's table of shared strings: texts the cells refer to by index.
class SharedStrings {
public:
    // Reads the table, or adds an empty one to a workbook that has none.
    SharedStrings(Package& package, const WorkbookParts& parts);

    // The index of a (non-empty) text, added to the table when it is not there yet.
    int index(const std::string& text);

    // Writes the table back into the package.
    void save(Package& package);

private:
    std::string part_;
    pugi::xml_document doc_;
    std::string prefix_;
    std::map<std::string, int> index_;
    int count_ = 0;
};

} // namespace dravik::xlsx
