// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "render/TextDocumentBuilder.h"

#include <QPageLayout>

#include <optional>
#include <string>
#include <vector>

namespace dravik::render {

// One table row as it goes on a sheet: its cells, its height and, for a row that may
// be split, the top of each of its first column's lines, from the row's top.
struct MeasuredRow {
    std::vector<std::string> cells;
    double height = 0;
    std::vector<double> lineTops;
};

// One page's blocks on an endless sheet: the height above its first table, the
// table's header row and each of its rows, and the whole page, in device pixels.
struct MeasuredPage {
    double head = 0, header = 0, whole = 0;
    std::vector<MeasuredRow> rows;
};

// The page laid out in full, as it prints.
MeasuredPage layOutRows(const printing::Document& settings, const std::vector<printing::Block>& blocks,
                        const printing::Table& table, const QPageLayout& page, const TabColumns& tabs, bool splitRows);

// The same heights reckoned from the width of each character: only the page's head,
// header row and a few sample rows are laid out, which give the height of a line and
// of a row's frame, and the width each column gives its text. Words wrap at spaces
// and after a hyphen between letters, as the layout wraps them; where the layout
// wraps elsewhere a row may be reckoned taller or shorter than it lays out, so the
// sheets planned from it are checked against the laid-out pages.
// Empty when the page holds text it cannot reckon (a tab that runs past its column,
// characters outside the basic plane).
std::optional<MeasuredPage> reckonRows(const printing::Document& settings, const std::vector<printing::Block>& blocks,
                                       const printing::Table& table, const QPageLayout& page, const TabColumns& tabs);

} // namespace dravik::render
