#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class QAbstractItemModel;

namespace gorlin {

/// What a list grid shows, as plain cells: the rows its export and print write.
struct GridCells {
    /// Windows-1252 cells; the first HeadingRows rows are the heading bar.
    std::vector<std::vector<std::string>> Rows;
    std::size_t HeadingRows = 1;
    /// Per column: the grid shows its cells right-aligned.
    std::vector<bool> RightAligned;
};

/// The heading bar (horizontal header, DisplayRole) and every row (DisplayRole) of a model,
/// columns hidden in `hiddenColumns` left out; a column is right-aligned when its first row's
/// TextAlignmentRole says so.
GridCells ModelCells(const QAbstractItemModel& model, const std::vector<int>& hiddenColumns = {});

} // namespace gorlin
