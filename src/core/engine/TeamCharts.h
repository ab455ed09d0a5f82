#pragma once

// Geometry of the team statistics page's drawings: the points chart and the current-form boxes,
// as shapes in drawing order, so screen and printer painters draw the same thing.

#include "core/engine/ChartGeometry.h"

#include <string>
#include <vector>

namespace gorlin {

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
std::vector<Shape> PointsGraph(const PointsChartData& chart, int width, int height);

/// The current-form boxes: the home letters in a row at y = 2, the away letters at y = 20, box k
/// at x = 15k, 16 pixels wide and high (neighbours share a border), blue for "W", white for "D",
/// red otherwise; each box is followed by its letter, centred, written from Y1 + 1.
std::vector<Shape> DrawCurrentForm(const std::string& homeForm, const std::string& awayForm);

} // namespace gorlin
