// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dravik {

// Told about changes so that a view can follow the grid.
class GridListener {
public:
    virtual ~GridListener() = default;
    virtual void cellChanged(int row, int col) = 0;
    // Rows or columns were added, removed, moved or sorted.
    virtual void layoutChanged() = 0;
    virtual void currentChanged(int row, int col) = 0;
};

// A grid of text cells: row 0 is the fixed header row, data rows follow.
// Rows are appended from one tab-joined line, removed, moved and sorted;
// columns can be moved and hidden. Knows nothing of what the cells mean.
class GridModel {
public:
    explicit GridModel(int cols = 1, int rows = 1);

    int rows() const { return static_cast<int>(cells_.size()); }
    int cols() const { return cols_; }
    // Keeps the first n rows, or adds empty rows up to n.
    void setRows(int n);
    void setCols(int n);

    const std::string& cell(int row, int col) const;
    void setCell(int row, int col, std::string text);
    const std::vector<std::string>& rowCells(int row) const { return cells_.at(row); }
    std::string rowText(int row) const;

    // Appends a row from a tab-separated line; missing fields are empty, extra ones dropped.
    void addItem(std::string_view tabLine);
    void addRow(std::vector<std::string> cells);
    // Sets row 0 from a list of header texts.
    void setHeader(const std::vector<std::string>& texts);
    void removeItem(int row);
    // Moves row `from` to position `to`; the rows in between shift by one.
    void moveRow(int from, int to);
    // Moves column `from` to position `to`, with its width and hidden flag.
    void moveColumn(int from, int to);
    // Stable sort of the data rows first..last with a "less" on whole rows.
    void sortRows(int first, int last,
                  const std::function<bool(const std::vector<std::string>&, const std::vector<std::string>&)>& less);

    int row() const { return row_; }
    int col() const { return col_; }
    void setCurrent(int row, int col);
    void setRow(int row) { setCurrent(row, col_); }

    void setColHidden(int col, bool hidden);
    bool colHidden(int col) const;
    void setColWidth(int col, int twips);
    int colWidth(int col) const;

    void setListener(GridListener* listener) { listener_ = listener; }

    // Holds back layout notifications until the matching endUpdate, which sends one.
    void beginUpdate() { ++updating_; }
    void endUpdate();

private:
    void checkCell(int row, int col) const;
    void notifyLayout();

    int cols_;
    std::vector<std::vector<std::string>> cells_;
    std::vector<bool> hidden_;
    std::vector<int> widths_;
    int row_ = 0;
    int col_ = 0;
    GridListener* listener_ = nullptr;
    int updating_ = 0;
    bool pendingLayout_ = false;
};

} // namespace dravik
