#pragma once

#include <QAbstractTableModel>

namespace gorlin {

struct QueryResult;

/// `sgResults` as a model over a run's result: a column per heading, a row per result row (one
/// empty row when none), numeric cells right-aligned.
class QueryResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Shows another result (null for none); the result must outlive its use here.
    void SetResult(const QueryResult* result);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QueryResult* m_result = nullptr;
};

} // namespace gorlin
