// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SheetFit.h"

#include "render/ColumnFit.h"
#include "render/RowHeights.h"
#include "render/TextDefaults.h"

#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <variant>

namespace dravik::render {

using printing::Block;
using printing::Document;
using printing::Table;

namespace {

// Room kept free at the foot of a sheet, so rounding never pushes a row over.
constexpr double kSlackPt = 2.0;
// A block cut over sheets breaks its lines a little short of the column's edge, so
// the pages never wrap them again.
constexpr double kWrapShare = 0.97;

std::string trimmedMark(const std::string& mark)
{
    const std::size_t start = mark.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : mark.substr(start);
}

// A line of a block that a continued sheet may start with: text of its own (names,
// a heat's header), not a line set in tab columns (a heading, the fill-in lines)
// and not a blank one.
bool mayStartSheet(const std::string& line)
{
    return line.find('\t') == std::string::npos && line.find_first_not_of(' ') != std::string::npos;
}

// The lines of a block's text as they print, one per printed line: a line too wide
// for the column is broken where it would wrap, between entrants (after a run of
// spaces) where they fit, else between words. Lines in tab columns stay whole.
std::vector<std::string> printedLines(const std::string& cell, const QFont& font, double width)
{
    std::vector<std::string> out;
    // Measured as the pages lay it out: the fallback fonts of other scripts and
    // right-to-left runs included.
    auto wide = [&](const std::string& text) {
        const std::size_t end = text.find_last_not_of(' ');
        if (end == std::string::npos)
            return 0.0;
        QTextLayout layout(QString::fromStdString(text.substr(0, end + 1)), font, referenceDevice());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e9);
        layout.endLayout();
        return line.naturalTextWidth();
    };
    // Pieces that may not be broken further: entrants (a name and the spaces after it),
    // or words when `gap` is a single space.
    auto pieces = [](const std::string& line, std::size_t gap) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        while (start < line.size()) {
            std::size_t at = line.find(std::string(gap, ' '), start);
            if (at == std::string::npos) {
                parts.push_back(line.substr(start));
                break;
            }
            at = line.find_first_not_of(' ', at);
            if (at == std::string::npos)
                at = line.size();
            parts.push_back(line.substr(start, at - start));
            start = at;
        }
        return parts;
    };
    std::function<void(const std::string&, std::size_t)> wrap = [&](const std::string& line, std::size_t gap) {
        std::string current;
        for (const std::string& part : pieces(line, gap)) {
            if (!current.empty() && wide(current + part) > width) {
                out.push_back(current);
                current.clear();
            }
            if (current.empty() && wide(part) > width && gap > 1)
                wrap(part, 1);
            else
                current += part;
        }
        if (!current.empty() || line.empty())
            out.push_back(current);
    };
    for (const std::string& line : textLines(cell)) {
        if (line.find('\t') != std::string::npos || wide(line) <= width)
            out.push_back(line);
        else
            wrap(line, 3);
    }
    return out;
}

// Cuts a block taller than a sheet into parts: the first part fills `first` (the
// room left on the sheet it starts on), the others `room` each, every part after the
// first led by the block's first line and the continued mark. A part ends between two
// entrants or before a heat's header, never before the fill-in lines alone, and the
// last part keeps two lines of names where the block has them. Empty when the block
// has no place to be cut in `first`.
std::vector<MeasuredRow> cutRow(const MeasuredRow& row, double first, double room, const std::string& mark,
                                const QFont& font, double width)
{
    const auto& tops = row.lineTops;
    if (tops.size() < 2)
        return {};
    // Every printed line is as tall as the block's first (a heading on one line); the
    // cell's padding above its first line is kept below its last, too.
    const double perLine = tops[1] - tops[0];
    const double pad = tops[0];
    const std::vector<std::string> lines = printedLines(row.cells.front(), font, width);
    auto tall = [&](std::size_t count) { return 2 * pad + static_cast<double>(count) * perLine; };
    // A part is planned a line short of its room: the sheet never runs over onto a
    // page without the running head.
    auto fits = [&](std::size_t count, double space) { return tall(count + 1) <= space; };
    // The continued heading: the first line and the mark; a first line set in tab
    // columns already reaches the cell's edge, so the mark goes on a line of its own.
    std::string head = lines.front();
    std::size_t headLines = 1;
    if (!head.ends_with(mark) && !head.ends_with(trimmedMark(mark))) {
        if (head.find('\t') == std::string::npos) {
            head += mark;
        } else {
            head += "\n" + trimmedMark(mark);
            headLines = 2;
        }
    }

    std::vector<std::size_t> cuts; // a part may start at these lines
    for (std::size_t i = 2; i < lines.size(); ++i)
        // Never after the first line of a group (a heat's header, the first line of
        // names), which would stand alone at the foot of the sheet.
        if (mayStartSheet(lines[i]) && !(mayStartSheet(lines[i - 1]) && !mayStartSheet(lines[i - 2])))
            cuts.push_back(i);
    // The last part keeps two lines of names where the block has them.
    if (cuts.size() > 2)
        cuts.pop_back();
    std::vector<MeasuredRow> parts;
    std::size_t from = 0;
    double space = first;
    while (true) {
        const std::size_t lead = parts.empty() ? 0 : headLines; // the continued heading
        if (fits(lead + lines.size() - from, space))
            break;
        std::size_t cut = 0;
        for (std::size_t c : cuts)
            if (c > from + (lead ? 0 : 1) && fits(lead + c - from, space))
                cut = c;
        if (cut == 0) {
            if (parts.empty())
                return {};
            break; // nothing fits: the rest runs on as it is
        }
        MeasuredRow part = row;
        std::string text = lead ? head : std::string();
        for (std::size_t i = from; i < cut; ++i)
            text += (text.empty() && !lead && i == from ? "" : "\n") + lines[i];
        part.cells.front() = text;
        part.height = tall(lead + cut - from);
        part.lineTops.clear();
        parts.push_back(std::move(part));
        from = cut;
        space = room;
    }
    MeasuredRow rest = row;
    std::string text = parts.empty() ? std::string() : head;
    for (std::size_t i = from; i < lines.size(); ++i)
        text += (text.empty() && parts.empty() && i == from ? "" : "\n") + lines[i];
    rest.cells.front() = text;
    rest.height = tall((parts.empty() ? 0 : headLines) + lines.size() - from);
    rest.lineTops.clear();
    parts.push_back(std::move(rest));
    return parts;
}

// The rows of one page, sheet by sheet. A block taller than a sheet starts on the
// sheet in hand when a good part of it is still free, and continues over the next.
std::vector<std::vector<MeasuredRow>> packRows(std::vector<MeasuredRow> rows, double room, const Table& table,
                                               const QFont& font, double width)
{
    std::vector<std::vector<MeasuredRow>> sheets(1);
    double used = 0;
    const bool canSplit = !table.continuedMark.empty() && table.columns.size() <= 1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        MeasuredRow row = std::move(rows[i]);
        if (used + row.height <= room) {
            used += row.height;
            sheets.back().push_back(std::move(row));
            continue;
        }
        if (canSplit && row.height > room) {
            std::vector<MeasuredRow> parts;
            if (room - used >= room / 4)
                parts = cutRow(row, room - used, room, table.continuedMark, font, width);
            if (parts.empty()) {
                if (!sheets.back().empty()) {
                    sheets.emplace_back();
                    used = 0;
                }
                parts = cutRow(row, room, room, table.continuedMark, font, width);
            }
            if (!parts.empty()) {
                for (std::size_t p = 0; p < parts.size(); ++p) {
                    if (p > 0) {
                        sheets.emplace_back();
                        used = 0;
                    }
                    used += parts[p].height;
                    sheets.back().push_back(std::move(parts[p]));
                }
                continue;
            }
        }
        if (!sheets.back().empty()) {
            sheets.emplace_back();
            used = 0;
        }
        used += row.height;
        sheets.back().push_back(std::move(row));
    }
    // A single stray row takes a companion from the sheet before it.
    if (sheets.size() > 1 && sheets.back().size() == 1 && sheets[sheets.size() - 2].size() >= 3) {
        auto& before = sheets[sheets.size() - 2];
        if (before.back().height + sheets.back().front().height <= room) {
            sheets.back().insert(sheets.back().begin(), std::move(before.back()));
            before.pop_back();
        }
    }
    return sheets;
}

void addBlock(Document& out, const Block& b)
{
    std::visit(
        [&out](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, printing::Paragraph>)
                out.paragraph(v.text);
            else if constexpr (std::is_same_v<V, Table>)
                out.addTable(v);
            else if constexpr (std::is_same_v<V, printing::Picture>)
                out.drawPicture(v);
            else
                out.newPage();
        },
        b);
}

} // namespace

SheetPlan planSheets(const Document& doc, const QPageLayout& page, RowHeights heights)
{
    const QRectF full = page.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = page.margins(QPageLayout::Millimeter);
    const double pageCm = (full.width() - margins.left() - margins.right()) / 10.0;
    const double sheet = (full.height() - margins.top() - margins.bottom()) / 10.0 * kDevicePerCm -
                         (kSlackPt + kCellBorderPt) * kDevicePerPoint;

    std::vector<Block> blocks = doc.blocks();
    std::map<std::string, std::vector<Table*>> groups;
    for (Block& b : blocks) {
        if (auto* t = std::get_if<Table>(&b)) {
            std::string key = std::to_string(t->fontSize);
            for (const auto& c : t->columns)
                key += "|" + std::to_string(c.widthCm);
            for (const auto& h : t->header)
                key += "|" + h;
            groups[key].push_back(t);
        }
    }
    for (auto& [key, group] : groups)
        fitColumns(group, doc, pageCm);

    SheetPlan plan;
    plan.tabs = tabColumnsOf(blocks, doc);
    Document& out = plan.doc;
    out.setOrientation(doc.orientation());
    out.setFontSize(doc.fontSize());
    out.setMarginCm(doc.marginCm());
    out.setExportFile(doc.exportFile());
    out.startDoc();

    std::vector<Block> pageBlocks;
    auto flush = [&] {
        const auto tableAt = std::find_if(pageBlocks.begin(), pageBlocks.end(),
                                          [](const Block& b) { return std::holds_alternative<Table>(b); });
        if (tableAt == pageBlocks.end()) {
            for (const Block& b : pageBlocks)
                addBlock(out, b);
            return;
        }
        const Table& table = std::get<Table>(*tableAt);
        std::optional<MeasuredPage> reckoned;
        if (heights == RowHeights::Reckoned)
            reckoned = reckonRows(doc, pageBlocks, table, page, plan.tabs);
        MeasuredPage m = reckoned ? std::move(*reckoned)
                                  : layOutRows(doc, pageBlocks, table, page, plan.tabs, !table.continuedMark.empty());
        if (m.whole <= sheet) {
            for (const Block& b : pageBlocks)
                addBlock(out, b);
            return;
        }
        const double room = sheet - m.head - m.header;
        const double width = table.columns.empty()
                                 ? 0
                                 : (table.columns.front().widthCm - cellSidesCm()) * kDevicePerCm * kWrapShare;
        const auto sheets = packRows(std::move(m.rows), room, table, tableFont(table, doc), width);
        for (std::size_t s = 0; s < sheets.size(); ++s) {
            if (s > 0)
                out.newPage();
            for (auto b = pageBlocks.begin(); b != tableAt; ++b)
                addBlock(out, *b);
            Table part{table.columns, table.header, {}, table.fontSize, false, table.tabColumns, table.continuedMark};
            for (const MeasuredRow& r : sheets[s])
                part.rows.push_back(r.cells);
            out.addTable(std::move(part));
        }
        for (auto b = tableAt + 1; b != pageBlocks.end(); ++b)
            addBlock(out, *b);
    };
    for (const Block& b : blocks) {
        if (std::holds_alternative<printing::PageBreak>(b)) {
            flush();
            pageBlocks.clear();
            out.newPage();
        } else {
            pageBlocks.push_back(b);
        }
    }
    flush();
    if (doc.finished())
        out.endDoc();
    return plan;
}

} // namespace dravik::render

namespace dravik::render {

FittedSheets fitSheets(const Document& doc, const QPageLayout& page)
{
    FittedSheets out{planSheets(doc, page, RowHeights::Reckoned), nullptr};
    out.pages = buildTextDocument(out.plan.doc, page, out.plan.tabs);
    if (out.pages->pageCount() > pagesStarted(out.plan.doc)) {
        out.plan = planSheets(doc, page, RowHeights::LaidOut);
        out.pages = buildTextDocument(out.plan.doc, page, out.plan.tabs);
    }
    return out;
}

} // namespace dravik::render
