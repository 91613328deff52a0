// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/ColumnFit.h"

#include "render/RowHeights.h"
#include "render/TextDefaults.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace dravik::render {

using printing::Block;
using printing::Document;
using printing::Table;

namespace {

double pointsToCm(double pt)
{
    return pt * kCmPerInch / 72.0;
}

// The width of a text: as laid out, or as the row heights reckon it character by
// character (see RowHeights.h) when that is wider, so a column that holds its text on
// one line is reckoned to hold it too.
double textCm(const QFontMetricsF& fm, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    double sum = 0;
    for (QChar c : t) {
        if (c.isSurrogate()) {
            sum = 0;
            break;
        }
        sum += fm.horizontalAdvance(c);
    }
    return std::max(sum, fm.horizontalAdvance(t)) / kDevicePerCm;
}

// The widest word of a cell, in cm.
double widestWordCm(const QFontMetricsF& fm, const std::string& cell)
{
    double widest = 0;
    for (const std::string& line : textLines(cell)) {
        std::vector<std::string> words;
        std::size_t start = 0;
        while (start <= line.size()) {
            std::size_t end = line.find_first_of(" \t", start);
            if (end == std::string::npos)
                end = line.size();
            if (end > start)
                words.push_back(line.substr(start, end - start));
            start = end + 1;
        }
        for (const std::string& word : words)
            widest = std::max(widest, textCm(fm, word));
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

} // namespace

// The room a cell's sides and rule take from its column.
double cellSidesCm()
{
    return pointsToCm(2 * kCellPaddingSidePt + kCellBorderPt);
}

QFont tableFont(const Table& t, const Document& doc, bool bold)
{
    QFont f = documentFont(t.fontSize > 0 ? t.fontSize : doc.fontSize());
    f.setBold(bold);
    return f;
}

// Column widths from their text at the table's size: every column as wide as its
// widest line when the page holds them all, the room left shared in proportion to the
// widths asked for (up to those widths, or the page's width when the table asks for
// it). On a page too narrow for that, every column keeps its widest unbreakable piece
// and the rest of the page goes to the columns whose lines must wrap, in proportion
// to what they lack. Tables of the same columns and header (the pages of one
// printout) get the same widths, measured over all their rows.
void fitColumns(std::vector<Table*> group, const Document& doc, double pageCm)
{
    auto& cols = group.front()->columns;
    const Table& t = *group.front();
    const double asked = std::accumulate(cols.begin(), cols.end(), 0.0,
                                         [](double s, const printing::Column& c) { return s + c.widthCm; });
    if (cols.empty() || asked <= 0)
        return;
    const double total = t.fillPageWidth || asked > pageCm ? pageCm : asked;
    if (cols.size() < 2) {
        for (auto& c : cols)
            c.widthCm *= total / asked;
        for (Table* other : group)
            other->columns = cols;
        return;
    }
    std::vector<double> need(cols.size(), 0), want(cols.size(), 0);
    const QFontMetricsF plain(tableFont(t, doc), referenceDevice()), bold(tableFont(t, doc, true), referenceDevice());
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
        // An empty column keeps a little room for what is written in by hand.
        need[c] += cellSidesCm() + 0.05;
        want[c] = std::max(want[c] + cellSidesCm() + 0.05, need[c]);
    }
    const double wanted = std::accumulate(want.begin(), want.end(), 0.0);
    const double needed = std::accumulate(need.begin(), need.end(), 0.0);
    if (wanted <= pageCm) {
        // Every line on one line; the room up to the table's width goes to the columns
        // that asked for more than their text, in proportion to what they asked for.
        const double target = std::max(wanted, std::min(total, pageCm));
        const double extra = target - wanted;
        double spare = 0;
        for (std::size_t c = 0; c < cols.size(); ++c)
            spare += std::max(0.0, cols[c].widthCm * total / asked - want[c]);
        for (std::size_t c = 0; c < cols.size(); ++c) {
            const double more = std::max(0.0, cols[c].widthCm * total / asked - want[c]);
            cols[c].widthCm = want[c] + (spare > 0 ? extra * more / spare : extra / cols.size());
        }
    } else if (needed < pageCm) {
        // Some lines wrap: each column its widest word; then the columns that need
        // least more to hold their lines whole get it, the short ones first ("It No",
        // "Girls - 8", "M - 10.36"), and what is left goes to the long texts (names,
        // teams) in proportion to what they lack.
        std::vector<std::size_t> order(cols.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return want[a] - need[a] < want[b] - need[b]; });
        double left = pageCm - needed, lack = wanted - needed;
        for (std::size_t c = 0; c < cols.size(); ++c)
            cols[c].widthCm = need[c];
        for (std::size_t c : order) {
            const double more = want[c] - need[c];
            if (more > left)
                break;
            cols[c].widthCm = want[c];
            left -= more;
            lack -= more;
        }
        for (std::size_t c = 0; c < cols.size(); ++c)
            if (cols[c].widthCm < want[c] && lack > 0)
                cols[c].widthCm += left * (want[c] - need[c]) / lack;
    } else {
        for (std::size_t c = 0; c < cols.size(); ++c)
            cols[c].widthCm = need[c] * pageCm / needed;
    }
    for (Table* other : group)
        other->columns = cols;
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
    for (auto& [n, w] : widest) {
        // One line too long for the cell (a long event name) would push the fields of
        // every line after it: the widest field is narrowed to make room, so only that
        // line's later fields move.
        const double over = std::accumulate(w.begin(), w.end(), 0.0) + (n - 1) * gap - room;
        if (over > 0) {
            auto most = std::max_element(w.begin(), w.end());
            *most = std::max(*most / 2, *most - over);
        }
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

} // namespace dravik::render
