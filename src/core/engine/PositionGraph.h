#pragma once

#include "core/engine/ChartGeometry.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <string>
#include <vector>

namespace gorlin {

/// "Graph Type" choices.
enum GraphType : int { kPointsProgress = 0, kTopComparison = 1, kBottomComparison = 2 };

/// One game of a team's points progress.
struct GraphGame {
    int Game = 0;
    int Date = 0;      // day number
    int Points = 0;    // points the game gave the team
    int Total = 0;     // running total after the game, from the team's PointsAdjust
    int Position = 0;  // league position after the game's date (one team shown only)
    std::string Hover; // the hover label's text (one team shown only; Windows-1252)
};

/// A graph slot: a team, its colour and its games.
struct GraphSlot {
    int Team = 0; // 0 = empty
    std::string Name;
    Colour ScreenColour = kBlack; // after the own-team swap
    int Played = 0;               // league games played in the standings up to today
    int Points = 0;
    std::vector<GraphGame> Games; // k = 1..Played, oldest first
};

/// What the graph window draws, computed once per opening or graph type.
struct GraphSeries {
    int Team = 0; // the team chosen on the statistics page
    int Type = kPointsProgress;
    std::string Caption;            // "Points Progress for NAME"
    std::array<GraphSlot, 5> Slots; // 1..4
    int Shown = 0;                  // teams shown (n)
    int MostPlayed = 1;             // P: at least 1
    int MostPoints = 3;             // S: at least 3, at least 30 with one team
    int TeamCount = 0;
    int SeasonGames = 0; // GameCount * 2 div TeamCount
    int DrawPoints = 1;
    int LossPoints = 0;
    int OwnTeam = 0;
    Colour OwnTeamColour = kRed;
    bool StyleEnabled = false; // "Graph Style" can be chosen
    bool Hovering = false;     // one team: games answer the pointer
    int TablesComputed = 0;    // standings computed to build the series
};

/// Builds the slots, colours, running totals and (for one team) the position after each game's
/// date and the hover texts. The standings are computed up to `today` to choose the teams of a
/// comparison, and once per distinct date of a single team's games: never more than once a game.
GraphSeries BuildGraph(const League& league, int team, int type, int today, Colour ownTeamColour,
                       const Locale& locale);

/// Slot colours 1..4: blue, yellow, red, and white on screen (silver on paper for bars or a single
/// team, green for lines). With more than one team shown, the own team's slot takes the own-team
/// colour and the slot that had that colour takes the own team's former one.
std::array<Colour, 5> SlotColours(const GraphSeries& series, bool printing, bool bars);

/// "Top" for position 1, "Bottom" for the last, otherwise the number and its English ending.
std::string PositionText(int position, int teamCount);

struct GraphPaintArgs {
    int Width = 0;
    int Height = 0;
    bool Printing = false;
    bool Bars = true;  // the style flag: bars for "Points Progress", "Graph Style" for a comparison
    std::string Title; // print title (Windows-1252)
};

/// The drawing of the graph and the plot's place, for hovering.
struct GraphPicture {
    std::vector<Shape> Shapes;
    int PlotLeft = 0;
    int PlotTop = 0;
    int PlotRight = 0;
    int PlotBottom = 0;
    int Unit = 0;       // horizontal unit u
    int HoverGames = 0; // games the pointer can show (0: hovering off)
};

/// The graph for a box of the given size, shared by the window and printing.
GraphPicture PaintGraph(const GraphSeries& series, const GraphPaintArgs& args, const TextMeasure& measure);

/// The legend box at (left, top): "League Position", "Win", "Draw", "Loss" with one team, else one
/// line per team in its colour; text at 7 points on screen and 10 on paper.
std::vector<Shape> DrawLegend(const GraphSeries& series, const std::array<Colour, 5>& colours, int left,
                              int top, bool printing, const TextMeasure& measure);

/// The game under the pointer, or null outside the plot, beyond the drawn games or when hovering
/// is off.
const GraphGame* GraphGameAt(const GraphSeries& series, const GraphPicture& picture, int x, int y);

} // namespace gorlin
