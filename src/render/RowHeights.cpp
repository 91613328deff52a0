// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/RowHeights.h"

#include "render/TextDefaults.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <numeric>
#include <variant>

namespace dravik::render {

using printing::Block;
using printing::Document;
using printing::Table;

namespace {

// The page's blocks on one endless sheet, as the printed pages set them.
std::unique_ptr<QTextDocument> layOutPage(const Document& settings, const std::vector<Block>& blocks,
                                          const QPageLayout& page, const TabColumns& tabs)
{
    Document m;
    m.setOrientation(settings.orientation());
    m.setFontSize(settings.fontSize());
    m.setMarginCm(settings.marginCm());
    m.startDoc();
    for (const Block& b : blocks)
        std::visit(
            [&m](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, printing::Paragraph>)
                    m.paragraph(v.text);
                else if constexpr (std::is_same_v<V, Table>)
                    m.addTable(v);
                else if constexpr (std::is_same_v<V, printing::Picture>)
                    m.drawPicture(v);
            },
            b);
    return buildTextDocument(m, page, tabs, false);
}

// Where the rows of the page's first table start, on its endless sheet.
class LaidOutTable {
public:
    LaidOutTable(QTextDocument& laid, const Table& table, const QPageLayout& page) : layout_(laid.documentLayout())
    {
        top_ = page.margins(QPageLayout::Millimeter).top() / 10.0 * kDevicePerCm;
        const double bottom = page.margins(QPageLayout::Millimeter).bottom() / 10.0 * kDevicePerCm;
        whole_ = layout_->documentSize().height() - top_ - bottom;
        for (QTextFrame* f : laid.rootFrame()->childFrames())
            if ((table_ = qobject_cast<QTextTable*>(f)))
                break;
        if (!table_)
            return;
        frame_ = layout_->frameBoundingRect(table_);
        offset_ = cellTop(0) - frame_.top();
        headerRows_ = table.header.empty() ? 0 : 1;
    }

    bool found() const { return table_ != nullptr; }
    QTextTable& table() const { return *table_; }
    int headerRows() const { return headerRows_; }
    double whole() const { return whole_; }
    double head() const { return frame_.top() - top_; }
    double cellTop(int r) const
    {
        return layout_->blockBoundingRect(table_->cellAt(r, 0).firstCursorPosition().block()).top();
    }
    // A row's start; past the last row, the table's foot.
    double rowStart(int r) const { return r >= table_->rows() ? frame_.bottom() : cellTop(r) - offset_; }
    double header() const { return headerRows_ ? rowStart(1) - rowStart(0) : 0; }
    // The tops of the lines of a row's first cell, from the row's start.
    std::vector<double> lineTops(int r) const
    {
        std::vector<double> tops;
        const QTextTableCell cell = table_->cellAt(r, 0);
        const int last = cell.lastCursorPosition().block().blockNumber();
        for (QTextBlock b = cell.firstCursorPosition().block(); b.isValid() && b.blockNumber() <= last; b = b.next())
            tops.push_back(layout_->blockBoundingRect(b).top() - rowStart(r));
        return tops;
    }

private:
    QAbstractTextDocumentLayout* layout_;
    QTextTable* table_ = nullptr;
    QRectF frame_;
    double top_ = 0, whole_ = 0, offset_ = 0;
    int headerRows_ = 0;
};

// The width of text in the table's font, character by character.
class Advances {
public:
    explicit Advances(const QFont& font) : fm_(font, referenceDevice())
    {
        for (int c = 0; c < 256; ++c)
            latin_[c] = fm_.horizontalAdvance(QChar(c));
    }
    // Negative when the text holds a character this cannot measure alone.
    double width(QStringView text) const
    {
        double w = 0;
        for (QChar c : text) {
            if (c.unicode() < 256)
                w += latin_[c.unicode()];
            else if (c.isSurrogate())
                return -1;
            else
                w += fm_.horizontalAdvance(c);
        }
        return w;
    }

private:
    QFontMetricsF fm_;
    std::array<double, 256> latin_{};
};

constexpr int kUnsure = -1;

// How many lines one line of a cell takes at `width`: words wrap at spaces; a word
// wider than the column stands alone on its line. A line with tabs must keep on one line.
int wrappedLines(const QString& text, double width, const Advances& adv, const std::vector<double>& stops)
{
    if (text.contains(QLatin1Char('\t'))) {
        double x = 0;
        qsizetype start = 0;
        for (qsizetype tab; (tab = text.indexOf(QLatin1Char('\t'), start)) >= 0; start = tab + 1) {
            const double w = adv.width(QStringView(text).mid(start, tab - start));
            if (w < 0)
                return kUnsure;
            x += w;
            const auto stop = std::upper_bound(stops.begin(), stops.end(), x);
            if (stop == stops.end())
                return kUnsure;
            x = *stop;
        }
        const double w = adv.width(QStringView(text).mid(start));
        return w >= 0 && x + w <= width ? 1 : kUnsure;
    }
    const double space = adv.width(u" ");
    int lines = 1;
    double x = 0;
    bool wordOnLine = false;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == QLatin1Char(' ')) {
            x += space;
            ++i;
            continue;
        }
        qsizetype end = text.indexOf(QLatin1Char(' '), i);
        if (end < 0)
            end = text.size();
        // A word may also break after a hyphen between letters ("Mokoena-Van"), as
        // the layout breaks it.
        for (qsizetype from = i; from < end;) {
            qsizetype to = from + 1;
            while (to < end && !(text[to - 1] == QLatin1Char('-') && to - 1 > from && text[to - 2].isLetter() &&
                                 text[to].isLetter()))
                ++to;
            const double w = adv.width(QStringView(text).mid(from, to - from));
            if (w < 0)
                return kUnsure;
            if (x + w <= width || (x == 0 && !wordOnLine)) {
                x += w;
            } else {
                ++lines;
                x = w;
            }
            wordOnLine = true;
            from = to;
        }
        i = end;
    }
    return lines;
}

} // namespace

MeasuredPage layOutRows(const Document& settings, const std::vector<Block>& blocks, const Table& table,
                        const QPageLayout& page, const TabColumns& tabs, bool splitRows)
{
    auto laid = layOutPage(settings, blocks, page, tabs);
    const LaidOutTable t(*laid, table, page);
    MeasuredPage out;
    out.whole = t.whole();
    if (!t.found())
        return out;
    out.head = t.head();
    out.header = t.header();
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const int r = static_cast<int>(i) + t.headerRows();
        MeasuredRow row{table.rows[i], t.rowStart(r + 1) - t.rowStart(r), {}};
        if (splitRows)
            row.lineTops = t.lineTops(r);
        out.rows.push_back(std::move(row));
    }
    return out;
}

std::optional<MeasuredPage> reckonRows(const Document& settings, const std::vector<Block>& blocks, const Table& table,
                                       const QPageLayout& page, const TabColumns& tabs)
{
    if (table.rows.empty() || table.columns.empty())
        return std::nullopt;
    // The page with three sample rows in place of the table's own: one line, two
    // lines, one line.
    Table sample{table.columns, table.header, {}, table.fontSize, false, table.tabColumns, table.continuedMark};
    sample.rows = {std::vector<std::string>(table.columns.size(), "X"), {"X\nX"}, {"X"}};
    std::vector<Block> probe;
    for (const Block& b : blocks) {
        if (const auto* t = std::get_if<Table>(&b); t && t == &table)
            probe.push_back(sample);
        else
            probe.push_back(b);
    }
    auto laid = layOutPage(settings, probe, page, tabs);
    const LaidOutTable t(*laid, sample, page);
    if (!t.found())
        return std::nullopt;
    const int r0 = t.headerRows();
    const double oneLine = t.rowStart(r0 + 1) - t.rowStart(r0);
    const double perLine = t.rowStart(r0 + 2) - t.rowStart(r0 + 1) - oneLine;
    const double foot = t.rowStart(r0 + 3) - t.rowStart(r0 + 2) - oneLine;
    const double firstTop = t.lineTops(r0 + 1).front();
    std::vector<double> widths;
    for (int c = 0; c < t.table().columns(); ++c) {
        const QTextBlock b = t.table().cellAt(r0, c).firstCursorPosition().block();
        if (!b.layout() || b.layout()->lineCount() == 0)
            return std::nullopt;
        widths.push_back(b.layout()->lineAt(0).width());
    }

    const Advances adv(documentFont(table.fontSize > 0 ? table.fontSize : settings.fontSize()));
    std::map<int, std::vector<double>> stopsByFields;
    std::vector<double> defaultStops;
    const double widest = *std::max_element(widths.begin(), widths.end());
    for (double x = kTabStopCm; (x - kTabStopCm) * kDevicePerCm < widest; x += kTabStopCm)
        defaultStops.push_back(x * kDevicePerCm);
    for (const auto& [n, stops] : tabs) {
        auto& s = stopsByFields[n];
        for (double x : stops)
            s.push_back(x * kDevicePerCm);
    }

    MeasuredPage out;
    out.head = t.head();
    out.header = t.header();
    double rows = 0;
    for (const auto& cells : table.rows) {
        MeasuredRow row{cells, 0, {}};
        int tallest = 1;
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
            int lines = 0;
            for (const std::string& line : textLines(cells[c])) {
                const int fields = static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
                const auto own = table.tabColumns ? stopsByFields.find(fields) : stopsByFields.end();
                QString text = QString::fromStdString(line);
                if (own == stopsByFields.end())
                    text.replace(QLatin1String("\t"), QLatin1String(" \t"));
                if (c == 0)
                    row.lineTops.push_back(firstTop + lines * perLine);
                const int n = wrappedLines(text, widths[c], adv,
                                           own == stopsByFields.end() ? defaultStops : own->second);
                if (n == kUnsure)
                    return std::nullopt;
                lines += n;
            }
            tallest = std::max(tallest, lines);
        }
        row.height = oneLine + (tallest - 1) * perLine;
        rows += row.height;
        out.rows.push_back(std::move(row));
    }
    out.rows.back().height += foot;
    out.whole = t.whole() - (t.rowStart(r0 + 3) - t.rowStart(r0)) + rows + foot;
    return out;
}

} // namespace dravik::render
