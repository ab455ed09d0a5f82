#pragma once

#include "core/engine/ChartGeometry.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin {

/// One cell of the match grid: a result "h-a", a dated fixture "d/m" (drawn red) or an undated
/// fixture " - "; empty when no game of the set pairs the two teams.
struct MatchCell {
    std::string Text;
    bool Fixture = false; // a dated, unplayed game
    int Game = 0;
};

/// The match grid of one set of league games: rows are home teams, columns away teams.
/// A set holds TeamCount x (TeamCount - 1) games in game order (each pairing once when the teams
/// meet twice); a league with no more games than that is one set.
struct MatchGridData {
    int TeamCount = 0;
    std::vector<std::string> Teams; // 1..TeamCount (entry 0 empty), Windows-1252
    int SetSize = 0;                // games per set
    int SetCount = 1;
    int Set = 1;
    bool SecondSetEnabled = false; // more than one set: "Second set of matches"
    bool SetChooser = false;       // more than two sets: a set chooser instead of the check box
    std::vector<MatchCell> Cells;  // (TeamCount + 1)^2, row-major by home team

    const MatchCell& Cell(int home, int away) const;
};

/// Games per set and the number of sets of a league.
int MatchGridSetSize(const League& league);
int MatchGridSetCount(const League& league);

/// The grid of set `set` (1..MatchGridSetCount); an error for a set that does not exist.
Expected<MatchGridData> BuildMatchGrid(const League& league, int set);

/// Where the grid lies in a box: margins 20 left and right and 10 at the top; the name column is
/// the widest team name at 10 points plus a "w"; the grid ends the box's top eighth.
struct MatchGridLayout {
    int NameWidth = 0;
    int CellWidth = 0;
    int CellHeight = 0;
    int GridLeft = 0;
    int GridTop = 0;
};
MatchGridLayout LayoutMatchGrid(const MatchGridData& grid, int width, int height, const TextMeasure& measure);

/// The drawing shared by the window and printing: diagonal cells (blue on screen, button face on
/// paper), cell texts at 7 points, grid lines and border, row headings (blue on screen) and column
/// headings written downwards (red on screen) at 8 points.
std::vector<Shape> DrawMatchGrid(const MatchGridData& grid, int width, bool printing, int height,
                                 const TextMeasure& measure);

} // namespace gorlin
