#pragma once

#include <array>
#include <vector>

#include "core/model/League.h"

namespace gorlin {

/// "Table Content" choices.
enum ContentMode : int { kPlayedGames = 0, kPlayedPredicted = 1, kCurrentForm = 2 };
/// "Game Selection" choices.
enum SideMode : int { kHomeAndAway = 0, kHomeOnly = 1, kAwayOnly = 2 };

/// One league team's standings.
struct TotalsRec {
    u8 Played = 0;
    u8 HomeWon = 0;
    u8 HomeDrawn = 0;
    u8 HomeLost = 0;
    i16 HomeFor = 0;
    i16 HomeAgainst = 0;
    u8 AwayWon = 0;
    u8 AwayDrawn = 0;
    u8 AwayLost = 0;
    i16 AwayFor = 0;
    i16 AwayAgainst = 0;
    i16 Points = 0;
    i16 GoalDiff = 0;
    i16 PossPoints = 0;
    i16 PointsPct = 0;
    double GoalAverage = 0.0;
    u8 Increment = 0;
    u8 PrevPos = 0;
};

/// The result of one FillTable call.
struct Standings {
    std::array<TotalsRec, kMaxTeams + 1> TeamTotals{}; // 1..TeamCount
    std::array<i16, kMaxTeams + 1> TableOrder{};       // 1..TableSize, team indices by rank
    int TableSize = 0;                                  // teams in the table
    std::vector<bool> GameCounted;                      // 1..GameCount
};

struct FillTableArgs {
    int Content = kPlayedGames;
    int Side = kHomeAndAway;
    bool IgnoreSelection = false;
    int FromDate = 0;
    int ToDate = 0;
    int FormGames = 10; // the FormGames setting
};

/// Counts the league games of the selection and ranks the teams by the active sort rules.
/// `previous` (may be null) supplies the PrevPos values that survive the call.
Standings FillTable(const League& league, const FillTableArgs& args, const Standings* previous = nullptr);

} // namespace gorlin
