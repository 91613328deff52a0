// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/Workbook.h"
#include "support/WorkbookEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dravik;
namespace fs = std::filesystem;

// Texts written into a workbook whose string table holds a rich-text entry,
// ends in an extension list and names its elements with a prefix, as
// spreadsheet programs write it: each cell shows its own text when the
// workbook is read again, and the list stays last.
TEST(SharedStrings, WrittenTextsReadBackBehindRichEntriesAndExtensions)
{
    test::TempFolder dir;
    const fs::path file = dir.path() / "strings.xlsx";
    fs::copy_file(test::workbookFile("cell-kinds.xlsx"), file);
    test::writeWorkbookPart(file.string(), "xl/sharedStrings.xml",
                            R"(<x:sst xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="9">)"
                            R"(<x:si><x:t>Shared</x:t></x:si><x:si><x:r><x:t>Rich</x:t></x:r></x:si>)"
                            R"(<x:extLst><x:ext uri="x"/></x:extLst></x:sst>)");
    const std::vector<std::string> texts{"Rich", "Shared", " lead", "trail ", "New", "New"};
    test::editFirstSheet(file.string(), [&](xlsx::SheetCells& cells) {
        for (size_t i = 0; i < texts.size(); ++i)
            cells.setText(1, static_cast<int>(i) + 1, texts[i]);
    });
    Sheet sheet = readFirstSheet(file.string(), 1, 6);
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(sheet.cell(1, static_cast<int>(i) + 1).asText(), texts[i]) << "column " << i + 1;

    xlsx::Package package(file.string(), "");
    pugi::xml_document table = xlsx::parseXml(package.read("xl/sharedStrings.xml"), package, "table");
    pugi::xml_node sst = table.document_element();
    EXPECT_EQ(std::count_if(table.children().begin(), table.children().end(),
                            [](pugi::xml_node n) { return n.type() == pugi::node_element; }),
              1); // one table
    EXPECT_STREQ(sst.last_child().name(), "x:extLst");
    EXPECT_EQ(sst.attribute("uniqueCount").as_int(), 6); // Shared, Rich, and the four new texts
    // Spreadsheet programs drop the spaces around a text unless told to keep them.
    std::vector<std::string> kept;
    for (pugi::xml_node si : sst.children("x:si"))
        if (si.child("x:t").attribute("xml:space"))
            kept.push_back(si.child("x:t").text().get());
    EXPECT_EQ(kept, (std::vector<std::string>{" lead", "trail "}));
    EXPECT_TRUE(sst.attribute("count").empty());
}
