#pragma once

#include "core/model/League.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The statistics pages' and the query window's game filter, DivHead::GameType: 0 league games
/// only, 1 league and every other game, k >= 2 only the games of competition k - 1.
inline constexpr int kLeagueGamesOnly = 0;
inline constexpr int kLeagueAndCup = 1;

/// True when a game with competition `comp` passes the filter.
bool PassesGameFilter(int comp, int gameType);
inline bool PassesGameFilter(const GameRec& game, int gameType) {
    return PassesGameFilter(game.Comp, gameType);
}

/// Last game index a filter can reach: GameCount for league games only, else G + C.
int LastGameForFilter(const League& league, int gameType);

/// The items of a filter list: "League Games Only", "League and Cup", then the name of every
/// competition 1..CompCount (Windows-1252).
std::vector<std::string> GameFilterItems(const League& league);

/// The item a filter list selects for the league: GameType, or 0 when GameType is past the
/// end of the list, which also resets GameType to 0 (not a change the user saves for).
int SelectGameFilter(League& league);

/// The game filter named on a command line: "league", "all", or a competition's short name or
/// name (exact bytes of the league's text, the short name tried first); -1 when none matches.
int GameTypeByName(const League& league, std::string_view name);

/// The teams a statistics team list offers under a filter: league teams 1..TeamCount, plus the
/// other teams when the filter is not "league games only", ordered by name (byte order; equal
/// names keep index order).
std::vector<int> FilterTeams(const League& league, int gameType);

} // namespace gorlin
