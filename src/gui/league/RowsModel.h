#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

namespace gorlin {

/// A read-only grid over rows a core page keeps: the row count and each cell's text come from
/// functions over those rows, so the model never holds a copy that could go stale. Further
/// roles (colours, alignment) may be added per cell.
class RowsModel final : public QAbstractTableModel {
public:
    using CountFn = std::function<int()>;
    using CellFn = std::function<QString(int row, int column)>;
    using RoleFn = std::function<QVariant(int row, int column, int role)>;

    RowsModel(QStringList headings, CountFn count, CellFn cell, QObject* parent = nullptr);

    /// Columns aligned right (numbers).
    void SetRightAligned(std::vector<int> columns) { m_right = std::move(columns); }
    /// Answers roles other than display and alignment (an invalid QVariant for none).
    void SetRoles(RoleFn roles) { m_roles = std::move(roles); }

    /// The rows were rebuilt or reordered.
    void Reset();
    /// Row `row` changed its texts.
    void RowChanged(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headings;
    CountFn m_count;
    CellFn m_cell;
    RoleFn m_roles;
    std::vector<int> m_right;
};

} // namespace gorlin
