#pragma once

#include "core/model/Expected.h"
#include "core/query/Criteria.h"

#include <string>
#include <vector>

namespace gorlin {

/// The results page of one run. Texts are Windows-1252.
struct QueryResult {
    int Tab = kTabTeams;
    std::vector<std::string> Headings; // one per included design column, in design order
    std::vector<int> FieldIds;
    std::vector<bool> Numeric; // numeric fields are drawn right-aligned
    /// Length in characters of each column's longest text, heading included (the export's widths).
    std::vector<int> Widths;
    std::vector<int> RowIndex;                   // the tab's rows shown, in result order
    std::vector<std::vector<std::string>> Cells; // one per shown row (the grid keeps one empty row when none)
    std::string StatusText;                      // " Number of rows: %d"
};

/// The selected rows of the query's tab, in row order.
std::vector<int> QueryData(const CompiledQuery& query, const QuerySource& source);

/// Sorts a result list by the sorted columns from left to right, each by its field's kind in its
/// direction (an empty decimal or a missing date lowest); rows equal in every sorted column keep
/// their order.
void SortData(std::vector<int>& list, const CompiledQuery& query, const QuerySource& source);

/// " Number of rows: %d".
std::string RowCountText(int rows);

/// Validates the design (QueryValid's messages), selects and sorts the rows of its tab, and
/// fills the results grid.
Expected<QueryResult> RunQuery(const QueryDesign& design, const QuerySource& source);

} // namespace gorlin
