#include "gui/query/QueryResultModel.h"

#include "core/query/QueryRun.h"
#include "gui/widgets/LeagueText.h"

#include <algorithm>

namespace gorlin {

void QueryResultModel::SetResult(const QueryResult* result) {
    beginResetModel();
    m_result = result;
    endResetModel();
}

int QueryResultModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_result == nullptr || m_result->Headings.empty())
        return 0;
    return std::max<int>(1, static_cast<int>(m_result->Cells.size()));
}

int QueryResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || m_result == nullptr ? 0 : static_cast<int>(m_result->Headings.size());
}

QVariant QueryResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || m_result == nullptr)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (row < m_result->Cells.size() && column < m_result->Cells[row].size())
            return FromLeague(m_result->Cells[row][column]);
        return QString();
    case Qt::TextAlignmentRole: {
        const bool numeric = column < m_result->Numeric.size() && m_result->Numeric[column];
        return static_cast<int>((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant QueryResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || m_result == nullptr || section < 0 ||
        section >= static_cast<int>(m_result->Headings.size()))
        return {};
    if (role == Qt::DisplayRole)
        return FromLeague(m_result->Headings[static_cast<std::size_t>(section)]);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

} // namespace gorlin
