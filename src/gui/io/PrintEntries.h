#pragma once

#include "core/engine/MatchGrid.h"
#include "core/engine/PositionGraph.h"
#include "core/io/PrintLayouts.h"

#include <QString>

class QAbstractItemView;
class QWidget;

namespace gorlin {

struct AppContext;
class LeagueHost;
class QueryWindow;

/// Wires the league window's print commands: "&Print" in the league table page's button column
/// (the heading preset to the table name and the team selection in force), the team statistics
/// page's print button and its grids' "&Print", and the "&Print" entry of the pop-up menu of the
/// results, goals, players, referees, fixtures, goal statistics and division statistics grids.
/// Install after the pages.
void InstallPrinting(LeagueHost& host);

/// The league table page's preset heading: the table's name, then " (" + the team selection's
/// name + ")" while a selection is in force.
QString LeagueTableHeading(const League& league);

/// What a list grid shows, for printing under `title`: its heading bar, rows and alignments,
/// columns the view hides left out.
PrintListData GridPrintList(const QAbstractItemView& grid, const QString& title);

/// Adds "&Print" to the pop-up menu of a grid that has none of its own (GridPopup), just before
/// its "&Export": prints what the grid shows as the list `title`.
void AddGridPrint(QAbstractItemView* grid, AppContext& context, const QString& title);

/// Adds "&Print" to the query window's results page: prints the results as "Query Results".
void AddQueryPrint(QueryWindow& window, AppContext& context);

/// Print commands of the list grids, the match grid window and the graph window.
bool PrintGrid(QWidget* parent, AppContext& context, const QAbstractItemView& grid, const QString& title);
bool PrintMatchGridJob(QWidget* parent, AppContext& context, const MatchGridData& grid);
bool PrintGraphJob(QWidget* parent, AppContext& context, const GraphSeries& series, bool bars);

} // namespace gorlin
