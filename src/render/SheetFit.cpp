#include "render/SheetFit.h"

#include "render/RowHeights.h"
#include "render/TextDefaults.h"

#include <QFontMetricsF>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>
#include <variant>

namespace dravik::render {

using printing::Block;
using printing::Document;
using printing::Table;

namespace {

// Room kept free at the foot of a sheet, so rounding never pushes a row over.
constexpr double kSlackPt = 2.0;

double pointsToCm(double pt)
{
    return pt * kCmPerInch / 72.0;
}

// The room a cell's sides and rule take from its column.
double cellSidesCm()
{
    return pointsToCm(2 * kCellPaddingSidePt + kCellBorderPt);
}

QFont tableFont(const Table& t, const Document& doc, bool bold = false)
{
    QFont f = documentFont(t.fontSize > 0 ? t.fontSize : doc.fontSize());
    f.setBold(bold);
    return f;
}

double textCm(const QFontMetricsF& fm, const std::string& text)
{
    return fm.horizontalAdvance(QString::fromStdString(text)) / kDevicePerCm;
}

// The widest word of a cell, in cm.
double widestWordCm(const QFontMetricsF& fm, const std::string& cell)
{
    double widest = 0;
    for (const std::string& line : textLines(cell)) {
        std::size_t start = 0;
        while (start <= line.size()) {
            std::size_t end = line.find_first_of(" \t", start);
            if (end == std::string::npos)
                end = line.size();
            if (end > start)
                widest = std::max(widest, textCm(fm, line.substr(start, end - start)));
            start = end + 1;
        }
    }
    return widest;
}

// The widest line of a cell, in cm.
double widestLineCm(const QFontMetricsF& fm, const std::string& cell)
{
    double widest = 0;
    for (const std::string& line : textLines(cell))
        widest = std::max(widest, textCm(fm, line));
    return widest;
}

// Columns in proportion to the widths asked for, on the page's width when asked or
// when wider. A column is never narrower than its longest word, and a column whose
// text stays on one line with room to spare gives that room to the columns whose
// text wraps, in proportion to what they lack. Tables of the same columns and header
// (the pages of one printout) get the same widths, measured over all their rows.
void fitColumns(std::vector<Table*> group, const Document& doc, double pageCm)
{
    auto& cols = group.front()->columns;
    const Table& t = *group.front();
    const double asked = std::accumulate(cols.begin(), cols.end(), 0.0,
                                         [](double s, const printing::Column& c) { return s + c.widthCm; });
    if (cols.empty() || asked <= 0)
        return;
    const double total = t.fillPageWidth || asked > pageCm ? pageCm : asked;
    for (auto& c : cols)
        c.widthCm *= total / asked;
    if (cols.size() >= 2) {
        std::vector<double> need(cols.size(), 0), want(cols.size(), 0);
        const QFontMetricsF plain(tableFont(t, doc), referenceDevice()),
            bold(tableFont(t, doc, true), referenceDevice());
        for (std::size_t c = 0; c < cols.size(); ++c) {
            if (c < t.header.size()) {
                need[c] = widestWordCm(bold, t.header[c]);
                want[c] = widestLineCm(bold, t.header[c]);
            }
            for (const Table* table : group)
                for (const auto& row : table->rows)
                    if (c < row.size()) {
                        need[c] = std::max(need[c], widestWordCm(plain, row[c]));
                        want[c] = std::max(want[c], widestLineCm(plain, row[c]));
                    }
            need[c] += cellSidesCm() + 0.05;
            want[c] += cellSidesCm() + 0.05;
        }
        double lack = 0, room = 0;
        for (std::size_t c = 0; c < cols.size(); ++c) {
            lack += std::max(0.0, want[c] - cols[c].widthCm);
            room += std::max(0.0, cols[c].widthCm - std::max(need[c], want[c]));
        }
        const double given = std::min(lack, room);
        if (given > 0) {
            for (std::size_t c = 0; c < cols.size(); ++c) {
                if (want[c] > cols[c].widthCm)
                    cols[c].widthCm += given * (want[c] - cols[c].widthCm) / lack;
                else
                    cols[c].widthCm -= given * (cols[c].widthCm - std::max(need[c], want[c])) / room;
            }
        }
        lack = room = 0;
        for (std::size_t c = 0; c < cols.size(); ++c) {
            lack += std::max(0.0, need[c] - cols[c].widthCm);
            room += std::max(0.0, cols[c].widthCm - need[c]);
        }
        if (lack > 0) {
            const double share = room > 0 ? std::min(1.0, lack / room) : 0;
            for (std::size_t c = 0; c < cols.size(); ++c) {
                if (need[c] > cols[c].widthCm)
                    cols[c].widthCm = need[c];
                else
                    cols[c].widthCm -= (cols[c].widthCm - need[c]) * share;
            }
        }
    }
    for (Table* other : group)
        other->columns = cols;
}

int fieldCount(const std::string& line)
{
    return static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        out.push_back(line.substr(start, tab - start));
    out.push_back(line.substr(start));
    return out;
}

// Tab columns shared by every tab-column table: per count of fields, each field as
// wide as its widest text, and the room left spread between the fields, so the last
// field ends at the cell's edge.
TabColumns tabColumnsOf(const std::vector<Block>& blocks, const Document& doc)
{
    std::map<int, std::vector<double>> widest;
    double room = 0;
    double gap = 0;
    for (const Block& b : blocks) {
        const auto* t = std::get_if<Table>(&b);
        if (!t || !t->tabColumns || t->columns.empty())
            continue;
        const QFontMetricsF fm(tableFont(*t, doc), referenceDevice());
        gap = std::max(gap, textCm(fm, "  "));
        const double width = t->columns.front().widthCm - cellSidesCm();
        room = room > 0 ? std::min(room, width) : width;
        for (const auto& row : t->rows) {
            if (row.empty())
                continue;
            for (const std::string& line : textLines(row.front())) {
                const int n = fieldCount(line);
                if (n < 2)
                    continue;
                auto& w = widest[n];
                w.resize(n, 0);
                const auto fields = fieldsOf(line);
                for (int i = 0; i < n; ++i)
                    w[i] = std::max(w[i], textCm(fm, fields[i]));
            }
        }
    }
    TabColumns tabs;
    room *= 0.98; // a last field that ends just at the edge must not wrap
    for (const auto& [n, w] : widest) {
        const double used = std::accumulate(w.begin(), w.end(), 0.0);
        const double between = std::max(gap / 2, (room - used) / (n - 1));
        std::vector<double> stops;
        double x = 0;
        for (int i = 0; i + 1 < n; ++i) {
            x += w[i] + between;
            stops.push_back(x);
        }
        tabs[n] = std::move(stops);
    }
    return tabs;
}

// Cuts a row taller than `room` into a first part that fits and the rest, which
// starts again with the row's first line and the continued mark.
std::pair<MeasuredRow, MeasuredRow> splitRow(const MeasuredRow& row, double room, const std::string& mark)
{
    const std::vector<std::string> lines = textLines(row.cells.front());
    const auto& tops = row.lineTops;
    std::size_t k = 2;
    while (k < tops.size() && k < lines.size() && tops[k] <= room)
        ++k;
    k = std::max<std::size_t>(2, k - 1);
    MeasuredRow first = row, rest = row;
    const bool marked = lines.front().size() >= mark.size() &&
                        lines.front().compare(lines.front().size() - mark.size(), mark.size(), mark) == 0;
    std::string a, b = marked ? lines.front() : lines.front() + mark;
    for (std::size_t i = 0; i < k && i < lines.size(); ++i)
        a += (i ? "\n" : "") + lines[i];
    for (std::size_t i = k; i < lines.size(); ++i)
        b += "\n" + lines[i];
    first.cells.front() = a;
    rest.cells.front() = b;
    const double cut = k < tops.size() ? tops[k] : row.height;
    const double firstLine = tops.size() > 1 ? tops[1] - tops[0] : 0;
    first.height = cut;
    first.lineTops.assign(tops.begin(), tops.begin() + std::min(k, tops.size()));
    rest.height = row.height - cut + firstLine + tops.front();
    rest.lineTops = {tops.front()};
    for (std::size_t i = k; i < tops.size(); ++i)
        rest.lineTops.push_back(tops[i] - cut + firstLine + tops.front());
    return {first, rest};
}

// The rows of one page, sheet by sheet.
std::vector<std::vector<MeasuredRow>> packRows(std::vector<MeasuredRow> rows, double room, const Table& table)
{
    std::vector<std::vector<MeasuredRow>> sheets(1);
    double used = 0;
    const bool canSplit = !table.continuedMark.empty() && table.columns.size() <= 1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        MeasuredRow row = std::move(rows[i]);
        while (true) {
            if (used + row.height <= room || (sheets.back().empty() && (row.height <= room || !canSplit ||
                                                                        row.lineTops.size() < 3))) {
                used += row.height;
                sheets.back().push_back(std::move(row));
                break;
            }
            if (!sheets.back().empty()) {
                sheets.emplace_back();
                used = 0;
                continue;
            }
            auto [first, rest] = splitRow(row, room, table.continuedMark);
            sheets.back().push_back(std::move(first));
            sheets.emplace_back();
            used = 0;
            row = std::move(rest);
        }
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
    std::visit([&out](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, printing::Paragraph>)
            out.paragraph(v.text);
        else if constexpr (std::is_same_v<V, Table>)
            out.addTable(v);
        else if constexpr (std::is_same_v<V, printing::Picture>)
            out.drawPicture(v);
        else
            out.newPage();
    }, b);
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
        const auto sheets = packRows(std::move(m.rows), room, table);
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

std::optional<std::pair<Document, Document>> splitSheets(const Document& plan, double share)
{
    const std::vector<Block>& blocks = plan.blocks();
    const int target = std::max(1, static_cast<int>(std::lround(pagesStarted(plan) * share)));
    PageCount count;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const bool isBreak = std::holds_alternative<printing::PageBreak>(blocks[i]);
        const bool contentNext = i + 1 < blocks.size() && !std::holds_alternative<printing::PageBreak>(blocks[i + 1]);
        if (isBreak && count.onContent() && contentNext && count.pages == target) {
            std::pair<Document, Document> parts;
            for (Document* part : {&parts.first, &parts.second}) {
                part->setOrientation(plan.orientation());
                part->setFontSize(plan.fontSize());
                part->setMarginCm(plan.marginCm());
                part->startDoc();
            }
            for (std::size_t k = 0; k < blocks.size(); ++k)
                if (k != i)
                    addBlock(k < i ? parts.first : parts.second, blocks[k]);
            for (Document* part : {&parts.first, &parts.second})
                part->endDoc();
            return parts;
        }
        count.add(blocks[i]);
    }
    return std::nullopt;
}

} // namespace dravik::render
