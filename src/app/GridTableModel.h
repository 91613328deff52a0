// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/GridModel.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace dravik {

// Shows a GridModel in a Qt view: grid row 0 is the horizontal header, grid
// rows 1.. are the view's rows 0... Cell edits go back into the grid through
// an optional check that can refuse them.
class GridTableModel : public QAbstractTableModel, public GridListener {
    Q_OBJECT
public:
    explicit GridTableModel(GridModel& grid, QObject* parent = nullptr);
    ~GridTableModel() override;

    GridModel& grid() { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void setEditable(bool editable) { editable_ = editable; }
    // Only these columns take typing (all columns when the list is empty).
    void setEditableColumns(std::vector<int> cols) { editableCols_ = std::move(cols); }
    // Called before a typed cell text is stored; return an empty string to accept,
    // or the message that refuses it.
    void setEditCheck(std::function<QString(int gridRow, int col, const QString& text)> check)
    {
        check_ = std::move(check);
    }

    void cellChanged(int row, int col) override;
    void layoutChanged() override;
    void currentChanged(int row, int col) override;

signals:
    void gridCurrentChanged(int gridRow, int col);
    void editRefused(const QString& message);

private:
    GridModel& grid_;
    bool editable_ = false;
    std::vector<int> editableCols_;
    std::function<QString(int, int, const QString&)> check_;
};

} // namespace dravik
