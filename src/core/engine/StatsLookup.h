#pragma once

#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

// Bounds-checked lookups shared by the statistics computations: links read from a damaged file
// may point anywhere, and none of them may lead outside an array.

/// Whether each game 0..GameCount + CupGameCount passes the game filter (entry 0 never does).
std::vector<char> PassingGames(const League& league, int gameType);
/// Entry g of PassingGames, false for an index outside it.
inline bool Passes(const std::vector<char>& passing, int g) {
    return g >= 0 && static_cast<std::size_t>(g) < passing.size() &&
           passing[static_cast<std::size_t>(g)] != 0;
}

/// Real entries of the growable arrays: the header counts, never beyond the storage.
int GoalLimit(const League& league);
int PlayerLimit(const League& league);
int SquadLimit(const League& league);
/// Teams 1..TeamCount + OtherTeamCount the array holds.
int AllTeamLimit(const League& league);

/// Game g (1..GameCount + CupGameCount), or null.
const GameRec* GameAt(const League& league, int g);
/// Player p (1..PlayerCount), or null.
const PlayerRec* PlayerAt(const League& league, int p);
/// The name of team t (0..TeamCount + OtherTeamCount; 0 is "Transferred-Out"), "" for any other.
std::string_view TeamName(const League& league, int t);
/// The name of player p, "" when there is no such player.
std::string_view PlayerName(const League& league, int p);
/// The name of player p's current team ("Transferred-Out" for team 0).
std::string_view PlayerTeamName(const League& league, int p);
/// The other side of a game from team `teamFor`: HomeTeam when it differs, else AwayTeam.
int OtherTeam(const GameRec& game, int teamFor);
/// A day number as a short date; "" for no date.
std::string DateText(int day, const Locale& locale);

} // namespace gorlin
