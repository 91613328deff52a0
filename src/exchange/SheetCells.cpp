// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/SheetCells.h"

#include "platform/TextNumber.h"

namespace dravik::xlsx {

namespace {

std::string columnLetters(int col)
{
    std::string s;
    for (; col > 0; col = (col - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (col - 1) % 26));
    return s;
}

// Row and column of a cell reference such as "AB12"; false when it is none.
bool parseReference(const char* ref, int& row, int& col)
{
    row = col = 0;
    const char* p = ref;
    for (; *p >= 'A' && *p <= 'Z'; ++p)
        col = col * 26 + (*p - 'A' + 1);
    for (; *p >= '0' && *p <= '9'; ++p)
        row = row * 10 + (*p - '0');
    return *p == '\0' && row > 0 && col > 0;
}

} // namespace

SheetCells::SheetCells(pugi::xml_node worksheet, SharedStrings& strings) : worksheet_(worksheet), strings_(strings)
{
    std::string root = worksheet.name();
    size_t colon = root.find(':');
    prefix_ = colon == std::string::npos ? "" : root.substr(0, colon + 1);
    data_ = childNamed(worksheet, "sheetData");
    if (!data_)
        data_ = worksheet.append_child(name("sheetData").c_str());
    int next = 1;
    for (pugi::xml_node row : data_.children()) {
        if (row.type() != pugi::node_element || localName(row.name()) != "row")
            continue;
        int r = row.attribute("r").as_int(next);
        rows_[r] = row;
        next = r + 1;
    }
    // The stored extent would no longer be right; it is optional.
    if (pugi::xml_node dim = childNamed(worksheet, "dimension"))
        worksheet.remove_child(dim);
}

std::vector<int> SheetCells::rowsFrom(int first) const
{
    std::vector<int> out;
    for (auto it = rows_.lower_bound(first); it != rows_.end(); ++it)
        out.push_back(it->first);
    return out;
}

pugi::xml_node SheetCells::find(int row, int col) const
{
    auto it = rows_.find(row);
    if (it == rows_.end())
        return {};
    int next = 1;
    for (pugi::xml_node c : it->second.children()) {
        if (c.type() != pugi::node_element || localName(c.name()) != "c")
            continue;
        int r = 0, k = next;
        if (pugi::xml_attribute ref = c.attribute("r"))
            parseReference(ref.value(), r, k);
        if (k == col)
            return c;
        if (k > col)
            return {};
        next = k + 1;
    }
    return {};
}

void SheetCells::setNumber(int row, int col, double value)
{
    pugi::xml_node c = clearedCell(row, col);
    c.append_child(name("v").c_str()).text().set(formatNumber(value).c_str());
}

void SheetCells::setText(int row, int col, const std::string& text)
{
    if (text.empty()) {
        if (pugi::xml_node c = find(row, col))
            clear(c);
        return;
    }
    pugi::xml_node c = clearedCell(row, col);
    c.append_attribute("t").set_value("s");
    c.append_child(name("v").c_str()).text().set(strings_.index(text));
}

void SheetCells::clearValue(int row, int col)
{
    if (!formulaCell(row, col))
        if (pugi::xml_node c = find(row, col))
            clear(c);
}

void SheetCells::setFormulaText(int row, int col, const std::string& value)
{
    if (pugi::xml_node c = formulaCell(row, col)) {
        setAttribute(c, "t", "str");
        c.append_child(name("v").c_str()).text().set(value.c_str());
    }
}

void SheetCells::setAttribute(pugi::xml_node n, const char* attr, const char* value)
{
    pugi::xml_attribute a = n.attribute(attr);
    if (!a)
        a = n.append_attribute(attr);
    a.set_value(value);
}

pugi::xml_node SheetCells::formulaCell(int row, int col)
{
    pugi::xml_node c = find(row, col);
    if (!c || !childNamed(c, "f"))
        return {};
    while (pugi::xml_node v = childNamed(c, "v"))
        c.remove_child(v);
    while (pugi::xml_node is = childNamed(c, "is"))
        c.remove_child(is);
    return c;
}

void SheetCells::clear(pugi::xml_node c)
{
    while (pugi::xml_node child = c.first_child())
        c.remove_child(child);
    c.remove_attribute("t");
}

pugi::xml_node SheetCells::rowNode(int row)
{
    auto it = rows_.find(row);
    if (it != rows_.end()) {
        // Cells may go past the row's stated span; the span is only a hint.
        it->second.remove_attribute("spans");
        return it->second;
    }
    auto after = rows_.upper_bound(row);
    pugi::xml_node node = after == rows_.end() ? data_.append_child(name("row").c_str())
                                               : data_.insert_child_before(name("row").c_str(), after->second);
    node.append_attribute("r").set_value(row);
    rows_[row] = node;
    return node;
}

pugi::xml_node SheetCells::clearedCell(int row, int col)
{
    if (pugi::xml_node c = find(row, col)) {
        clear(c);
        if (!c.attribute("r"))
            c.prepend_attribute("r").set_value((columnLetters(col) + std::to_string(row)).c_str());
        return c;
    }
    pugi::xml_node r = rowNode(row);
    // Before the first cell that lies to the right.
    pugi::xml_node before;
    int next = 1;
    for (pugi::xml_node c : r.children()) {
        if (c.type() != pugi::node_element || localName(c.name()) != "c")
            continue;
        int rr = 0, k = next;
        if (pugi::xml_attribute ref = c.attribute("r"))
            parseReference(ref.value(), rr, k);
        else // every cell of the row needs its reference once one is placed among them
            c.prepend_attribute("r").set_value((columnLetters(k) + std::to_string(row)).c_str());
        if (k > col) {
            before = c;
            break;
        }
        next = k + 1;
    }
    pugi::xml_node c = before ? r.insert_child_before(name("c").c_str(), before) : r.append_child(name("c").c_str());
    c.append_attribute("r").set_value((columnLetters(col) + std::to_string(row)).c_str());
    return c;
}

} // namespace dravik::xlsx
