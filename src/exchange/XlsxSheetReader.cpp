// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/XlsxSheetReader.h"

#include "exchange/SheetValues.h"
#include "exchange/WorkbookPackage.h"
#include "exchange/ZipBuffer.h"

#include <pugixml.hpp>

#include <cctype>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <vector>

namespace dravik {

namespace {

using xlsx::attributeNamed;
using xlsx::childNamed;
using xlsx::localName;

bool named(pugi::xml_node n, const char* local)
{
    return n.type() == pugi::node_element && localName(n.name()) == local;
}

pugi::xml_document parsedPart(const ZipBuffer& zip, const std::string& part)
{
    std::optional<std::string> data = zip.read(part);
    if (!data)
        throw std::runtime_error("its part " + part + " is missing");
    pugi::xml_document doc;
    auto result = doc.load_buffer(data->data(), data->size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!result)
        throw std::runtime_error("its part " + part + " is not readable XML (" + result.description() + ")");
    return doc;
}

struct Relationship {
    std::string type, part;
};

// The relationships of a part by id.
std::map<std::string, Relationship> relationships(const ZipBuffer& zip, const std::string& part)
{
    std::map<std::string, Relationship> rels;
    const std::string folder = xlsx::folderOf(part);
    const std::string relsPart = xlsx::relsOf(part);
    if (!zip.read(relsPart))
        return rels;
    pugi::xml_document doc = parsedPart(zip, relsPart);
    for (pugi::xml_node rel : doc.document_element().children())
        if (named(rel, "Relationship") && attributeNamed(rel, "TargetMode") != "External")
            rels[attributeNamed(rel, "Id")] = {attributeNamed(rel, "Type"),
                                               xlsx::resolveTarget(folder, attributeNamed(rel, "Target"))};
    return rels;
}

const Relationship* ofType(const std::map<std::string, Relationship>& rels, const std::string& typeTail)
{
    for (const auto& [id, rel] : rels)
        if (rel.type.size() >= typeTail.size() &&
            rel.type.compare(rel.type.size() - typeTail.size(), typeTail.size(), typeTail) == 0)
            return &rel;
    return nullptr;
}

// The text of a shared string or an inline string: its plain text, or its
// rich-text runs one after the other; phonetic guides are no part of it.
std::string itemText(pugi::xml_node item)
{
    std::string text;
    for (pugi::xml_node n : item.children()) {
        if (named(n, "t"))
            text += n.text().get();
        else if (named(n, "r"))
            for (pugi::xml_node t : n.children())
                if (named(t, "t"))
                    text += t.text().get();
    }
    return text;
}

std::vector<std::string> sharedStrings(const ZipBuffer& zip, const Relationship* rel)
{
    std::vector<std::string> strings;
    if (!rel)
        return strings;
    pugi::xml_document doc = parsedPart(zip, rel->part);
    for (pugi::xml_node si : doc.document_element().children())
        if (named(si, "si"))
            strings.push_back(itemText(si));
    return strings;
}

// For each cell style (the cell's s attribute), whether its number format shows a date.
std::vector<bool> datedStyles(const ZipBuffer& zip, const Relationship* rel)
{
    std::vector<bool> dated;
    if (!rel)
        return dated;
    pugi::xml_document doc = parsedPart(zip, rel->part);
    pugi::xml_node styles = doc.document_element();
    std::map<int, bool> customDated;
    for (pugi::xml_node f : childNamed(styles, "numFmts").children())
        if (named(f, "numFmt"))
            customDated[std::atoi(attributeNamed(f, "numFmtId").c_str())] = sheetvalue::isDateFormat(
                attributeNamed(f, "formatCode"));
    for (pugi::xml_node xf : childNamed(styles, "cellXfs").children()) {
        if (!named(xf, "xf"))
            continue;
        int id = std::atoi(attributeNamed(xf, "numFmtId").c_str());
        auto custom = customDated.find(id);
        dated.push_back(custom != customDated.end() ? custom->second : sheetvalue::isBuiltInDateFormat(id));
    }
    return dated;
}

// "C7" as row 7, column 3; false when the text is no cell reference.
bool parseReference(const std::string& ref, int& row, int& col)
{
    size_t i = 0;
    col = 0;
    while (i < ref.size() && std::isalpha(static_cast<unsigned char>(ref[i])) && col <= 16384)
        col = col * 26 + (std::toupper(static_cast<unsigned char>(ref[i++])) - 'A' + 1);
    row = 0;
    size_t digitsFrom = i;
    while (i < ref.size() && std::isdigit(static_cast<unsigned char>(ref[i])) && row <= 1048576)
        row = row * 10 + (ref[i++] - '0');
    return col > 0 && i > digitsFrom && i == ref.size();
}

struct Tables {
    std::vector<std::string> strings;
    std::vector<bool> dated;
};

SheetCell cellValue(pugi::xml_node c, const Tables& tables)
{
    const std::string type = attributeNamed(c, "t");
    pugi::xml_node v = childNamed(c, "v"), f = childNamed(c, "f");
    if (type == "inlineStr") {
        if (pugi::xml_node is = childNamed(c, "is"))
            return SheetCell::ofText(itemText(is));
    }
    const std::string value = v ? v.text().get() : "";
    if (type == "e")
        return SheetCell::ofUnreadable(value.empty() ? "an error value" : value);
    // A formula stored without its result (an empty value, as programs that do
    // not work formulas out write it) gives nothing to read.
    if (!v || (value.empty() && type != "str")) {
        if (f)
            return SheetCell::ofUnreadable("=" + std::string(f.text().get()));
        return {};
    }
    double number = 0;
    if (type == "s") {
        if (!sheetvalue::number(value, number) || number < 0 || number >= static_cast<double>(tables.strings.size()))
            return SheetCell::ofUnreadable("shared string " + value + ", which the workbook does not hold");
        return SheetCell::ofText(tables.strings[static_cast<size_t>(number)]);
    }
    if (type == "str" || type == "inlineStr")
        return SheetCell::ofText(value);
    if (type == "b")
        return SheetCell::ofNumber(value == "1" || value == "true" ? 1 : 0);
    if (type == "d")
        return sheetvalue::dateSerial(value, number) ? SheetCell::ofDate(number) : SheetCell::ofUnreadable(value);
    if (!sheetvalue::number(value, number))
        return SheetCell::ofUnreadable(value);
    const int style = std::atoi(attributeNamed(c, "s").c_str());
    if (style >= 0 && static_cast<size_t>(style) < tables.dated.size() && tables.dated[style])
        return SheetCell::ofDate(number);
    return SheetCell::ofNumber(number);
}

} // namespace

std::optional<Sheet> readXlsxSheet(const std::string& bytes, int maxRows, int maxCols)
{
    ZipBuffer zip(bytes);
    const auto top = relationships(zip, "");
    const Relationship* office = ofType(top, "/officeDocument");
    if (!office || !zip.read(office->part))
        return std::nullopt;
    pugi::xml_document workbook = parsedPart(zip, office->part);
    pugi::xml_node first = childNamed(childNamed(workbook.document_element(), "sheets"), "sheet");
    const auto rels = relationships(zip, office->part);
    auto sheetRel = rels.find(attributeNamed(first, "id"));
    if (!first || sheetRel == rels.end())
        return std::nullopt;

    Tables tables{sharedStrings(zip, ofType(rels, "/sharedStrings")), datedStyles(zip, ofType(rels, "/styles"))};
    pugi::xml_document worksheet = parsedPart(zip, sheetRel->second.part);
    Sheet sheet(maxRows, maxCols);
    sheet.setName(attributeNamed(first, "name"));
    int rowNo = 0;
    for (pugi::xml_node row : childNamed(worksheet.document_element(), "sheetData").children()) {
        if (!named(row, "row"))
            continue;
        const std::string r = attributeNamed(row, "r");
        rowNo = r.empty() ? rowNo + 1 : std::atoi(r.c_str());
        int colNo = 0;
        for (pugi::xml_node c : row.children()) {
            if (!named(c, "c"))
                continue;
            int refRow = 0, refCol = 0;
            colNo = parseReference(attributeNamed(c, "r"), refRow, refCol) ? refCol : colNo + 1;
            if (rowNo > maxRows) {
                // Below the rows read only column 1 counts: rows that hold an event number.
                if (colNo == 1 && !cellValue(c, tables).empty())
                    sheet.countRowBelow();
                continue;
            }
            if (colNo <= maxCols)
                sheet.setCell(rowNo, colNo, cellValue(c, tables));
        }
    }
    return sheet;
}

} // namespace dravik
