#include "gui/widgets/GridCells.h"

#include "gui/widgets/LeagueText.h"

#include <QAbstractItemModel>
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
        for (const int c : columns)
            row.push_back(ToLeague(model.index(r, c).data(Qt::DisplayRole).toString()));
    }
    return cells;
}

} // namespace gorlin
