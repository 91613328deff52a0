// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Document.h"

#include "platform/PrintableText.h"

namespace dravik::printing {

void Document::startDoc()
{
    blocks_.clear();
    finished_ = false;
}

void Document::endDoc()
{
    finished_ = true;
}

void Document::paragraph(std::string text)
{
    blocks_.emplace_back(Paragraph{std::move(text)});
}

void Document::addTable(Table table)
{
    // Cells set in tab columns hold tabs of their own; elsewhere a tab or other control
    // character comes from the data and prints as a space.
    if (!table.tabColumns) {
        for (auto& cell : table.header)
            cell = printableCell(cell);
        for (auto& row : table.rows)
            for (auto& cell : row)
                cell = printableCell(cell);
    }
    blocks_.emplace_back(std::move(table));
}

void Document::drawPicture(Picture picture)
{
    blocks_.emplace_back(std::move(picture));
}

void Document::newPage()
{
    blocks_.emplace_back(PageBreak{});
}

std::vector<std::vector<const Block*>> Document::pages() const
{
    std::vector<std::vector<const Block*>> out(1);
    for (const Block& b : blocks_) {
        if (std::holds_alternative<PageBreak>(b))
            out.emplace_back();
        else
            out.back().push_back(&b);
    }
    return out;
}

std::vector<const Table*> Document::tables() const
{
    std::vector<const Table*> out;
    for (const Block& b : blocks_)
        if (const auto* t = std::get_if<Table>(&b))
            out.push_back(t);
    return out;
}

} // namespace dravik::printing
