#pragma once

// Geometry of the team statistics page's drawings: the points chart and the current-form boxes,
// as shapes in drawing order, so screen and printer painters draw the same thing.

#include <string>
#include <vector>

namespace gorlin {

enum class ShapeKind { Line, Rect };
enum class ShapeColour { Black, Blue, White, Red };

/// A line from (X1, Y1) to (X2, Y2) in its colour, or a rectangle with corners (X1, Y1) and
/// (X2, Y2), outlined in black and filled with its colour. A form box also carries the letter
/// written in it: centred horizontally in the box, its top at Y1 + 1.
struct ChartShape {
    ShapeKind Kind = ShapeKind::Line;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    ShapeColour Colour = ShapeColour::Black;
    char Letter = 0;
    friend bool operator==(const ChartShape&, const ChartShape&) = default;
};

/// What the points chart needs of a team, kept by TeamStats.
struct PointsChartData {
    bool Shown = false; // a league team is set
    int Played = 0;     // P: league games played
    int Points = 0;     // S: league points, adjustment included
    int MaxPoints = 0;  // M: the highest league points of any league team
    int Adjust = 0;     // the running total's start
    /// Points of each league game of the team's games, oldest first.
    std::vector<int> GamePoints;
    int DrawPoints = 0;
    int LossPoints = 0;
};

/// The points chart in a box of width x height: the two axes, then a bar per league game while
/// the running total is above 0 (red for a loss, white for a draw, blue otherwise). Only the
/// axes when the team has no points above 0 or no league game; nothing for no league team.
std::vector<ChartShape> PointsGraph(const PointsChartData& chart, int width, int height);

/// The current-form boxes: the home letters in a row at y = 2, the away letters at y = 20, box k
/// at x = 15k, 16 pixels wide and high (neighbours share a border), blue for "W", white for "D",
/// red otherwise.
std::vector<ChartShape> DrawCurrentForm(const std::string& homeForm, const std::string& awayForm);

/// A shape as one text line: "line X1 Y1 X2 Y2 black" or "rect X1 Y1 X2 Y2 blue|white|red".
std::string ShapeText(const ChartShape& shape);

} // namespace gorlin
