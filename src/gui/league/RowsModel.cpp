#include "gui/league/RowsModel.h"

#include <algorithm>

namespace gorlin {

RowsModel::RowsModel(QStringList headings, CountFn count, CellFn cell, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)), m_count(std::move(count)),
      m_cell(std::move(cell)) {}

void RowsModel::Reset() {
    beginResetModel();
    endResetModel();
}

void RowsModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, m_count());
}

int RowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole &&
        std::find(m_right.begin(), m_right.end(), index.column()) != m_right.end())
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (m_roles)
        return m_roles(index.row(), index.column(), role);
    return {};
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headings.size())
        return m_headings[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace gorlin
