#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class QAbstractItemModel;
class QAbstractItemView;

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
/// columns hidden in `hiddenColumns` left out; a picture without a text (the tick of a counted
/// prediction) reads "Y"; a column is right-aligned when its first row's TextAlignmentRole says
/// so.
GridCells ModelCells(const QAbstractItemModel& model, const std::vector<int>& hiddenColumns = {});

/// What a grid shows, as its export and print write it: its model's cells without the columns
/// the view hides.
GridCells ShownCells(const QAbstractItemView& grid);

} // namespace gorlin
