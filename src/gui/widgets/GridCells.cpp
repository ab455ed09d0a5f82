#include "gui/widgets/GridCells.h"

#include "gui/widgets/LeagueText.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <algorithm>

namespace gorlin {

GridCells ModelCells(const QAbstractItemModel& model, const std::vector<int>& hiddenColumns) {
    std::vector<int> columns;
    for (int c = 0; c < model.columnCount(); ++c)
        if (std::find(hiddenColumns.begin(), hiddenColumns.end(), c) == hiddenColumns.end())
            columns.push_back(c);

    GridCells cells;
    const int rowCount = model.rowCount();
    cells.Rows.reserve(static_cast<std::size_t>(rowCount) + 1);
    auto& heading = cells.Rows.emplace_back();
    for (const int c : columns) {
        heading.push_back(ToLeague(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
        const QVariant align = rowCount > 0 ? model.index(0, c).data(Qt::TextAlignmentRole) : QVariant();
        cells.RightAligned.push_back(align.isValid() &&
                                     (Qt::Alignment::fromInt(align.toInt()) & Qt::AlignRight) != 0);
    }
    for (int r = 0; r < rowCount; ++r) {
        auto& row = cells.Rows.emplace_back();
        row.reserve(columns.size());
        for (const int c : columns) {
            const QModelIndex index = model.index(r, c);
            std::string text = ToLeague(index.data(Qt::DisplayRole).toString());
            if (text.empty() && index.data(Qt::DecorationRole).isValid())
                text.push_back('Y'); // not = "Y": a false -Wrestrict of GCC 12
            row.push_back(std::move(text));
        }
    }
    return cells;
}

GridCells ShownCells(const QAbstractItemView& grid) {
    const QAbstractItemModel* model = grid.model();
    if (model == nullptr)
        return {};
    std::vector<int> hidden;
    if (const auto* table = qobject_cast<const QTableView*>(&grid))
        for (int c = 0; c < model->columnCount(); ++c)
            if (table->isColumnHidden(c))
                hidden.push_back(c);
    return ModelCells(*model, hidden);
}

} // namespace gorlin
