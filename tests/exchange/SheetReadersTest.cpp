// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "support/WorkbookEdit.h"

#include <gtest/gtest.h>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

// A copy of a LibreOffice workbook with one part written anew.
fs::path withPart(const std::string& workbook, const fs::path& copy, const std::string& part, const std::string& xml)
{
    fs::copy_file(test::workbookFile(workbook), copy, fs::copy_options::overwrite_existing);
    test::writeWorkbookPart(copy.string(), part, xml);
    return copy;
}

// Each cell as test::shownCell shows it; a row a line.
std::vector<std::string> shownRows(const Sheet& sheet)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= sheet.rows(); ++r) {
        std::string line;
        for (int c = 1; c <= sheet.cols(); ++c)
            line += (c > 1 ? "|" : "") + test::shownCell(sheet.cell(r, c));
        rows.push_back(line);
    }
    return rows;
}

// Cells an .xlsx worksheet can hold, with and without their references, and
// rows below the ones read that hold something in column 1.
TEST(SheetReaders, XlsxCellsOfEveryKind)
{
    test::TempFolder dir;
    const std::string sheetXml =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
        R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>999</v></c><c r="C1" t="b"><v>0</v></c>)"
        R"(<c r="D1" t="str"><f>"x"</f><v>x</v></c><c r="E1" t="e"><v>#REF!</v></c>)"
        R"(<c r="F1" t="d"><v>2024-03-05T12:00:00</v></c><c r="G1"><f>A1</f></c><c r="H1"><v>1e3</v></c></row>)"
        R"(<row><c t="inlineStr"><is><t xml:space="preserve"> sp </t></is></c><c><v>2</v></c><c r="E2"><v>x5</v></c>)"
        R"(<c><v>6</v></c><c r="G2" s="1"><v>0.5</v></c><c r="H2" s="2"><v>45356.25</v></c>)"
        R"(<c r="I2"><v>9</v></c></row>)"
        R"(<row r="2000"><c r="A2000"><v>1</v></c></row><row r="2001"><c r="B2001"><v>1</v></c></row>)"
        R"(<row r="2002"><c r="A2002" t="s"><v>0</v></c></row>)"
        R"(</sheetData></worksheet>)";
    const fs::path file = withPart("cell-kinds.xlsx", dir.path() / "cells.xlsx", "xl/worksheets/sheet1.xml", sheetXml);
    Sheet sheet = readFirstSheet(file.string(), 3, 8);
    EXPECT_EQ(sheet.name(), "Program");
    EXPECT_EQ(shownRows(sheet),
              (std::vector<std::string>{
                  "t Dravik Sport - Program|? shared string 999, which the workbook does not hold|n 0|t x|? #REF!|"
                  "nd 45356.5|? =A1|n 1000",
                  "t  sp |n 2|- |- |? x5|n 6|n 0.5|nd 45356.25",
                  "- |- |- |- |- |- |- |- ",
              }));
    EXPECT_EQ(sheet.rowsBelow(), 2);
}

// Cells an .ods table can hold: repeated across columns and rows, in header
// rows and groups, texts with their spaces, tabs, breaks and spans.
TEST(SheetReaders, OdsCellsOfEveryKind)
{
    test::TempFolder dir;
    const std::string content =
        R"(<?xml version="1.0" encoding="UTF-8"?>)"
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
        R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
        R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
        R"(xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0">)"
        R"(<office:body><office:spreadsheet><table:table table:name="Blad1"><table:table-header-rows><table:table-row>)"
        R"(<table:table-cell office:value-type="boolean" office:boolean-value="true"/>)"
        R"(<table:table-cell office:value-type="boolean" office:boolean-value="false"/>)"
        R"(<table:table-cell office:value-type="percentage" office:value="0.25"/>)"
        R"(<table:table-cell office:value-type="currency" office:value="12.5"/>)"
        R"(<table:table-cell office:value-type="float" office:value="abc"/>)"
        R"(<table:table-cell office:value-type="date" office:date-value="2024-03-05"/>)"
        R"(<table:table-cell office:value-type="time" office:time-value="PT12H"/>)"
        R"(<table:table-cell table:formula="of:=[.A1]+1"/>)"
        R"(</table:table-row></table:table-header-rows><table:table-row-group><table:table-row>)"
        R"(<table:table-cell office:value-type="string"><text:p>a<text:s text:c="3"/>b<text:tab/>c<text:line-break/>)"
        R"(d</text:p><text:p>e<text:span>f<text:a>g</text:a></text:span><text:note><text:note-body><text:p>N</text:p>)"
        R"(</text:note-body></text:note><text:ruby><text:ruby-base>R</text:ruby-base>)"
        R"(<text:ruby-text>x</text:ruby-text>)"
        R"(</text:ruby><text:bookmark text:name="m"/><text:s/></text:p><office:annotation><text:p>remark</text:p>)"
        R"(</office:annotation></table:table-cell>)"
        R"(<table:table-cell office:value-type="string" office:string-value="given"><text:p>shown</text:p>)"
        R"(</table:table-cell><table:covered-table-cell/>)"
        R"(<table:table-cell table:number-columns-repeated="2" office:value-type="float" office:value="7"/>)"
        R"(<table:table-cell office:value-type="time" office:time-value="PT6H"/>)"
        R"~(<table:table-cell table:formula="of:=NA()" office:value-type="string" office:string-value="" )~"
        R"(calcext:value-type="error"><text:p>#N/A</text:p></table:table-cell>)"
        R"(<table:table-cell office:value-type="float" office:value="8"/>)"
        R"(<table:table-cell office:value-type="float" office:value="9"/>)"
        R"(</table:table-row></table:table-row-group>)"
        R"(<table:table-row table:number-rows-repeated="2"><table:table-cell office:value-type="float" )"
        R"(office:value="9"/></table:table-row>)"
        R"(<table:table-row table:number-rows-repeated="1000"><table:table-cell table:number-columns-repeated="5"/>)"
        R"(</table:table-row><table:table-row table:number-rows-repeated="3"><table:table-cell )"
        R"(office:value-type="float" office:value="1"/></table:table-row>)"
        R"(</table:table></office:spreadsheet></office:body></office:document-content>)";
    const fs::path file = withPart("cell-kinds.ods", dir.path() / "cells.ods", "content.xml", content);
    Sheet sheet = readFirstSheet(file.string(), 5, 8);
    EXPECT_EQ(sheet.name(), "Blad1");
    EXPECT_EQ(shownRows(sheet), (std::vector<std::string>{
                                    "n 1|n 0|n 0.25|n 12.5|? abc|nd 45356|n 0.5|? =[.A1]+1",
                                    "t a   b\tc\nd\nefgR |t given|- |n 7|n 7|n 0.25|? #N/A|n 8",
                                    "n 9|- |- |- |- |- |- |- ",
                                    "n 9|- |- |- |- |- |- |- ",
                                    "- |- |- |- |- |- |- |- ",
                                }));
    EXPECT_EQ(sheet.rowsBelow(), 3);
}

} // namespace
