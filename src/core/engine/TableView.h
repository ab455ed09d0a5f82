#pragma once

#include "core/engine/Standings.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// Zone of a table row, which picks its background colour (Colour1 promoted, Colour2 play-offs,
/// Colour3 relegated, Colour5 default).
enum class RowZone { Promoted, PlayOff, Relegated, Default };

/// What the league table page shows, as options of the open window and the settings.
struct TableViewArgs {
    std::string ColumnLetters = "ABCDEFGHIJKLMSU"; // TableLong or TableShort
    bool ShowPossPoints = false;
    bool ShowStatus = true;
    int Content = kPlayedGames;
    int Side = kHomeAndAway;
    int FromDate = 0;
    int ToDate = 0;
    int FormGames = 10;
};

/// One team row of the grid.
struct TableRow {
    int Position = 0;               // 1..n
    int Team = 0;                   // league team index
    std::vector<std::string> Cells; // one per shown column; team names are Windows-1252 bytes
    RowZone Zone = RowZone::Default;
    bool OwnTeam = false; // text in Colour4
};

/// The grid of the league table page, built from scratch by DrawTable.
struct TableViewData {
    std::string Columns;               // the letters shown (see ShownColumns), without "PP"
    std::vector<std::string> Headings; // one per column, "PP" last with ShowPossPoints
    std::vector<TableRow> Rows;        // one per position
    Standings Table;                   // the standings of the range (PrevPos set when V is shown)
    int MarksGiven = 0;                // "U" and "D" marks in column A
};

/// The columns shown for a ColumnLetters text: the letters A..V in their order; a lower-case
/// a..v counts as its capital; every other character is skipped, so a hand-edited setting
/// never yields a column without a meaning.
std::string ShownColumns(std::string_view columnLetters);

/// Heading of one column letter ("Pos", "Team", "P", ..., "Chg"); "" for a letter outside A..V.
const char* ColumnHeading(char letter);

/// The heading row (SetDivHead): one heading per shown column, then "PP" when asked for.
std::vector<std::string> TableHeadings(std::string_view columnLetters, bool showPossPoints);

/// Zone of row r by the background rule.
RowZone ZoneOf(const DivHead& head, int position);

/// Computes the table for the arguments (and, when column V is shown, the table seven days
/// before the end date for PrevPos) and fills every cell, status mark and zone.
TableViewData DrawTable(const League& league, const TableViewArgs& args);

/// Text of one cell for a team at a position ("" for a letter outside A..V). Column A gives the
/// plain position; status marks are DrawTable's.
std::string CellText(const League& league, const TotalsRec& totals, int team, int position, char letter);

/// The hint over a team's name: its latest played league game in [fromDate, toDate] on the
/// sides `side` allows (the first in game order on equal dates), as
/// "date home homeGoals away awayGoals" (team names Windows-1252); "" when there is none.
std::string LatestResultHint(const League& league, int team, int side, int fromDate, int toDate,
                             const Locale& locale);

/// The title panel text: the table name, with " (" selection name ")" when a selection is in
/// force (Windows-1252).
std::string TableTitle(const League& league);

} // namespace gorlin
