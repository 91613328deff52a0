// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/OdsSheetReader.h"

#include "exchange/SheetValues.h"
#include "exchange/WorkbookPackage.h"
#include "exchange/ZipBuffer.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <stdexcept>

namespace dravik {

namespace {

using xlsx::attributeNamed;
using xlsx::localName;

bool named(pugi::xml_node n, const char* local)
{
    return n.type() == pugi::node_element && localName(n.name()) == local;
}

int repeat(pugi::xml_node n, const char* attribute)
{
    return std::max(1, std::atoi(attributeNamed(n, attribute).c_str()));
}

// The text of a paragraph: its spans and links, runs of blanks (text:s), tabs and line breaks.
void appendInline(pugi::xml_node parent, std::string& text)
{
    for (pugi::xml_node n : parent.children()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
            text += n.value();
            continue;
        }
        if (n.type() != pugi::node_element)
            continue;
        const std::string name = localName(n.name());
        if (name == "s")
            text.append(static_cast<size_t>(repeat(n, "c")), ' ');
        else if (name == "tab")
            text += '\t';
        else if (name == "line-break")
            text += '\n';
        else if (name != "note" && name != "annotation" && name != "bookmark" && name != "ruby-text")
            appendInline(n, text);
    }
}

// The cell's paragraphs, one line each; notes on the cell are no part of it.
std::string cellText(pugi::xml_node cell)
{
    std::string text;
    bool first = true;
    for (pugi::xml_node p : cell.children()) {
        if (!named(p, "p") && !named(p, "h"))
            continue;
        if (!first)
            text += '\n';
        first = false;
        appendInline(p, text);
    }
    return text;
}

// The value of an attribute of the office namespace (office:value and the
// like), told apart from calcext's attributes of the same local name.
std::string officeAttribute(pugi::xml_node cell, const char* local)
{
    for (pugi::xml_attribute a : cell.attributes()) {
        const std::string name = a.name();
        if (localName(a.name()) == local && name.rfind("calcext:", 0) != 0)
            return a.value();
    }
    return {};
}

SheetCell cellValue(pugi::xml_node cell)
{
    if (std::string(cell.attribute("calcext:value-type").value()) == "error") {
        std::string shown = cellText(cell);
        return SheetCell::ofUnreadable(shown.empty() ? "an error value" : shown);
    }
    const std::string type = officeAttribute(cell, "value-type");
    double number = 0;
    if (type == "float" || type == "percentage" || type == "currency") {
        const std::string value = officeAttribute(cell, "value");
        return sheetvalue::number(value, number) ? SheetCell::ofNumber(number) : SheetCell::ofUnreadable(value);
    }
    if (type == "date") {
        const std::string value = officeAttribute(cell, "date-value");
        return sheetvalue::dateSerial(value, number) ? SheetCell::ofDate(number) : SheetCell::ofUnreadable(value);
    }
    if (type == "time") {
        const std::string value = officeAttribute(cell, "time-value");
        return sheetvalue::durationDays(value, number) ? SheetCell::ofNumber(number) : SheetCell::ofUnreadable(value);
    }
    if (type == "boolean") {
        const std::string value = officeAttribute(cell, "boolean-value");
        return SheetCell::ofNumber(value == "true" || value == "1" ? 1 : 0);
    }
    if (type == "string") {
        for (pugi::xml_attribute a : cell.attributes())
            if (localName(a.name()) == "string-value")
                return SheetCell::ofText(a.value());
        return SheetCell::ofText(cellText(cell));
    }
    const std::string formula = attributeNamed(cell, "formula");
    if (!formula.empty()) {
        // "of:=A1+1" is written "=A1+1", as the spreadsheet program shows it.
        size_t equals = formula.find('=');
        return SheetCell::ofUnreadable(equals == std::string::npos ? formula : formula.substr(equals));
    }
    if (!type.empty())
        return SheetCell::ofUnreadable(cellText(cell));
    return {};
}

} // namespace

std::optional<Sheet> readOdsSheet(const std::string& bytes, int maxRows, int maxCols)
{
    ZipBuffer zip(bytes);
    std::optional<std::string> content = zip.read("content.xml");
    if (!content)
        return std::nullopt;
    pugi::xml_document doc;
    auto parsed = doc.load_buffer(content->data(), content->size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!parsed)
        throw std::runtime_error(std::string("its part content.xml is not readable XML (") + parsed.description() +
                                 ")");
    pugi::xml_node table = doc.find_node([](pugi::xml_node n) { return named(n, "table"); });
    if (!table)
        return std::nullopt;

    Sheet sheet(maxRows, maxCols);
    sheet.setName(attributeNamed(table, "name"));
    long long row = 0; // rows before this one
    // Rows may sit in groups and header sections; cells repeat across columns and rows.
    auto readRow = [&](pugi::xml_node n) {
        const int rowRepeat = repeat(n, "number-rows-repeated");
        int col = 0; // columns before this cell
        for (pugi::xml_node c : n.children()) {
            if (!named(c, "table-cell") && !named(c, "covered-table-cell"))
                continue;
            const int colRepeat = repeat(c, "number-columns-repeated");
            if (col < maxCols) {
                const SheetCell value = cellValue(c);
                if (value.kind != SheetCell::Kind::Empty) {
                    for (long long r = row; r < row + rowRepeat && r < maxRows; ++r)
                        for (int k = col; k < col + colRepeat && k < maxCols; ++k)
                            sheet.setCell(static_cast<int>(r + 1), k + 1, value);
                }
                // Below the rows read only column 1 counts: rows that hold an event number.
                if (col == 0 && !value.empty())
                    for (long long r = std::max<long long>(row, maxRows); r < row + rowRepeat; ++r)
                        sheet.countRowBelow();
            }
            col += colRepeat;
            if (col >= maxCols)
                break;
        }
        row += rowRepeat;
    };
    std::function<void(pugi::xml_node)> walk = [&](pugi::xml_node parent) {
        for (pugi::xml_node n : parent.children()) {
            if (named(n, "table-row-group") || named(n, "table-header-rows") || named(n, "table-rows"))
                walk(n);
            else if (named(n, "table-row"))
                readRow(n);
        }
    };
    walk(table);
    return sheet;
}

} // namespace dravik
