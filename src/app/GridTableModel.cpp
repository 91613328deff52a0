// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GridTableModel.h"

#include <algorithm>

namespace dravik {

GridTableModel::GridTableModel(GridModel& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid)
{
    grid_.setListener(this);
}

GridTableModel::~GridTableModel()
{
    grid_.setListener(nullptr);
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(grid_.rows() - 1, 0);
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.cols();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(grid_.cell(index.row() + 1, index.column()));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return grid_.rows() > 0 && section < grid_.cols() ? QString::fromStdString(grid_.cell(0, section)) : QVariant();
    return section + 1;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    bool column = editableCols_.empty() ||
                  std::find(editableCols_.begin(), editableCols_.end(), index.column()) != editableCols_.end();
    if (editable_ && column)
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    QString text = value.toString();
    if (check_) {
        QString refusal = check_(index.row() + 1, index.column(), text);
        if (!refusal.isEmpty()) {
            emit editRefused(refusal);
            return false;
        }
    }
    grid_.setCell(index.row() + 1, index.column(), text.toStdString());
    return true;
}

void GridTableModel::cellChanged(int row, int col)
{
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    QModelIndex i = index(row - 1, col);
    emit dataChanged(i, i);
}

void GridTableModel::layoutChanged()
{
    beginResetModel();
    endResetModel();
}

void GridTableModel::currentChanged(int row, int col)
{
    emit gridCurrentChanged(row, col);
}

} // namespace dravik
