// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GridModel.h"

#include <algorithm>
#include <stdexcept>

namespace dravik {

GridModel::GridModel(int cols, int rows) : cols_(std::max(cols, 1)), hidden_(cols_, false), widths_(cols_, 900)
{
    setRows(std::max(rows, 0));
}

void GridModel::setRows(int n)
{
    n = std::max(n, 0);
    cells_.resize(n, std::vector<std::string>(cols_));
    if (row_ >= n)
        row_ = n > 1 ? n - 1 : 0;
    notifyLayout();
}

void GridModel::setCols(int n)
{
    cols_ = std::max(n, 1);
    for (auto& r : cells_)
        r.resize(cols_);
    hidden_.resize(cols_, false);
    widths_.resize(cols_, 900);
    col_ = std::min(col_, cols_ - 1);
    notifyLayout();
}

void GridModel::checkCell(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        throw std::out_of_range("grid cell " + std::to_string(row) + "," + std::to_string(col) +
                                " is outside the grid");
}

const std::string& GridModel::cell(int row, int col) const
{
    checkCell(row, col);
    return cells_[row][col];
}

void GridModel::setCell(int row, int col, std::string text)
{
    checkCell(row, col);
    if (cells_[row][col] == text)
        return;
    cells_[row][col] = std::move(text);
    if (updating_ > 0)
        pendingLayout_ = true;
    else if (listener_)
        listener_->cellChanged(row, col);
}

std::string GridModel::rowText(int row) const
{
    std::string out;
    for (int c = 0; c < cols_; ++c) {
        if (c)
            out += '\t';
        out += cell(row, c);
    }
    return out;
}

void GridModel::addItem(std::string_view line)
{
    std::vector<std::string> cells;
    cells.reserve(cols_);
    size_t start = 0;
    while (static_cast<int>(cells.size()) < cols_) {
        size_t tab = line.find('\t', start);
        cells.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    addRow(std::move(cells));
}

void GridModel::addRow(std::vector<std::string> cells)
{
    cells.resize(cols_);
    cells_.push_back(std::move(cells));
    notifyLayout();
}

void GridModel::setHeader(const std::vector<std::string>& texts)
{
    if (cells_.empty())
        cells_.emplace_back(cols_);
    for (int c = 0; c < cols_ && c < static_cast<int>(texts.size()); ++c)
        cells_[0][c] = texts[c];
    notifyLayout();
}

void GridModel::removeItem(int row)
{
    if (row < 0 || row >= rows())
        return;
    cells_.erase(cells_.begin() + row);
    if (row_ >= rows())
        row_ = std::max(rows() - 1, 0);
    notifyLayout();
}

void GridModel::moveRow(int from, int to)
{
    if (from < 0 || from >= rows() || to < 0 || to >= rows() || from == to)
        return;
    auto moved = std::move(cells_[from]);
    cells_.erase(cells_.begin() + from);
    cells_.insert(cells_.begin() + to, std::move(moved));
    notifyLayout();
}

void GridModel::moveColumn(int from, int to)
{
    if (from < 0 || from >= cols_ || to < 0 || to >= cols_ || from == to)
        return;
    auto shift = [&](auto& v) {
        auto value = v[from];
        v.erase(v.begin() + from);
        v.insert(v.begin() + to, value);
    };
    for (auto& r : cells_)
        shift(r);
    // vector<bool> has no references to move, so copy through a plain vector.
    std::vector<char> h(hidden_.begin(), hidden_.end());
    shift(h);
    hidden_.assign(h.begin(), h.end());
    shift(widths_);
    notifyLayout();
}

void GridModel::sortRows(
    int first, int last,
    const std::function<bool(const std::vector<std::string>&, const std::vector<std::string>&)>& less)
{
    first = std::max(first, 1);
    last = std::min(last, rows() - 1);
    if (first >= last)
        return;
    std::stable_sort(cells_.begin() + first, cells_.begin() + last + 1, less);
    notifyLayout();
}

void GridModel::setCurrent(int row, int col)
{
    row = std::clamp(row, 0, std::max(rows() - 1, 0));
    col = std::clamp(col, 0, cols_ - 1);
    if (row == row_ && col == col_)
        return;
    row_ = row;
    col_ = col;
    if (listener_)
        listener_->currentChanged(row_, col_);
}

void GridModel::setColHidden(int col, bool hidden)
{
    if (col >= 0 && col < cols_)
        hidden_[col] = hidden;
}

bool GridModel::colHidden(int col) const
{
    return col >= 0 && col < cols_ && hidden_[col];
}

void GridModel::setColWidth(int col, int twips)
{
    if (col >= 0 && col < cols_)
        widths_[col] = twips;
}

int GridModel::colWidth(int col) const
{
    return col >= 0 && col < cols_ ? widths_[col] : 0;
}

void GridModel::notifyLayout()
{
    if (updating_ > 0)
        pendingLayout_ = true;
    else if (listener_)
        listener_->layoutChanged();
}

void GridModel::endUpdate()
{
    if (updating_ > 0 && --updating_ == 0 && pendingLayout_) {
        pendingLayout_ = false;
        notifyLayout();
    }
}

} // namespace dravik
