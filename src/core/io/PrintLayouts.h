#pragma once

// The print jobs of the league window and `gorlin-cli print`, laid out in core for a page and a
// font measure as pages of shapes. Page geometry: (0, 0) is the top-left corner of the device's
// printable area, whose margins the device keeps (the PDF writer sets 15 mm); every layout
// stays inside Width x Height.

#include "core/app/Settings.h"
#include "core/engine/ChartGeometry.h"
#include "core/engine/MatchGrid.h"
#include "core/engine/PositionGraph.h"
#include "core/engine/TablePage.h"
#include "core/engine/TeamStats.h"
#include "core/io/PrintDocument.h"
#include "core/model/League.h"
#include "core/query/QueryRun.h"

#include <cstddef>
#include <string>
#include <vector>

namespace gorlin {

/// Job titles of the print queue.
inline constexpr const char* kLeagueTableJob = "Gorlin League Table";
inline constexpr const char* kTeamStatisticsJob = "Gorlin Team Statistics";
inline constexpr const char* kMatchGridJob = "Gorlin Match Grid";
inline constexpr const char* kGraphJob = "Gorlin Graph";

/// The league table as the page shows it for `state`, one page: heading and date, "Home" over D-H, "Away"
/// over I-M and "Total" over N-U when those columns are shown, a row per position, then the note line of the
/// content and side (if any). Columns and font shrink together until the table fits the page; team names are
/// fitted to their column.
PrintDocument PrintLeagueTable(const League& league, const TablePageState& state, const Settings& settings,
                               const PrintPageSetup& setup, const TextMeasure& measure);

/// A team's statistics on one page: heading and date, the team's name, the summary lines
/// ("Played:", "Won:", "Drawn:", "Lost:", "Points:", "Added:", "Goals:"), the highest scores,
/// "Current Form" with the home and away letters and the form phrases, then the results in two
/// columns "Home" and "Away" (date, opponent, score). The date column is as wide as "00/00/00W"
/// or the widest date shown plus "W"; the score column as "00-00W". The text shrinks until the
/// page holds everything; below the smallest size the last results in the results order (the
/// oldest in its first order) are left out and a last line says how many.
PrintDocument PrintTeamStatistics(const League& league, const TeamStatsData& data,
                                  const PrintPageSetup& setup, const TextMeasure& measure);

/// The match grid drawn by the window's routine with the printing flag, on the whole page; no
/// heading or date.
PrintDocument PrintMatchGrid(const MatchGridData& grid, const PrintPageSetup& setup,
                             const TextMeasure& measure);

/// The graph drawn with the printing flag on the whole page, the page heading as its title.
PrintDocument PrintGraph(const GraphSeries& series, bool bars, const PrintPageSetup& setup,
                         const TextMeasure& measure);

/// A list grid as plain cells (Windows-1252): what the list grids' "Print" and
/// `gorlin-cli print --what list:NAME` hand over.
struct PrintListData {
    /// Names the list ("Results", "Goals", ...): printed over the columns and in the job title.
    std::string Title;
    /// Heading bar rows (usually one), repeated at the top of every page.
    std::vector<std::vector<std::string>> Headings;
    std::vector<std::vector<std::string>> Rows;
    /// Per column: cells right-aligned (missing entries: left).
    std::vector<bool> RightAligned;
};

/// A list from a grid's plain cells whose first `headingRows` rows are its heading bar (as
/// ModelCells gives them); more heading rows than rows makes every row a heading.
PrintListData MakePrintList(std::string title, const std::vector<std::vector<std::string>>& rows,
                            std::size_t headingRows, std::vector<bool> rightAligned);

/// The results page of a query as the list "Query Results", numeric fields right-aligned.
PrintListData QueryPrintList(const QueryResult& result);

/// A list on as many pages as it needs: the heading and date on the first page, the title and
/// the column titles on every page, whole rows only, and "Page n of m" at the foot of each page.
/// Columns are as wide as their widest cell, scaled down together with the font when the page
/// is too narrow; cells are fitted to their column. Job title "Gorlin " + Title.
PrintDocument PrintListTable(const PrintListData& list, const PrintPageSetup& setup,
                             const TextMeasure& measure);

} // namespace gorlin
