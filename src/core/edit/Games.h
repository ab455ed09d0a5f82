#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <optional>
#include <string>
#include <string_view>

namespace gorlin {

/// Refusal when the 16-bit game count (league plus other games) is full.
inline constexpr const char* kGameLimitMessage = "No more games can be added to this league";

/// Opens a zero-filled slot for a new game of competition `comp` and raises the matching count:
/// a league game (comp 0) goes to GameCount + 1, moving the other games one place on (their
/// goals, squads and missed penalties follow them); a game of another competition is appended
/// after every game. Returns the new index, or kGameLimitMessage when G + C is at 65535.
Expected<int> InsertGame(League& league, int comp);

/// Deletes the goals, missed penalties and both squads of game g and clears its squad links.
/// The away squad link is read again after the home squad went, since that may have moved it.
void DeleteGameDetails(League& league, int g);

/// Removes game g from the game list: its details first, then the later games move up one
/// place and GameCount (g <= GameCount) or CupGameCount shrinks. False when g is no game.
bool RemoveGame(League& league, int g);

/// True when g indexes a game 1..G+C that exists in the array.
bool IsGame(const League& league, int g);

/// Reads a typed attendance: blanks around it, then decimal digits fitting 32 bits. A sign, a
/// separator or any other character makes it no number.
std::optional<u32> ParseAttendance(std::string_view text);

/// Home name, " v ", away name (the league's 8-bit text).
std::string GameTitle(const League& league, int g);

/// The name of team t, or empty when t is no team of the array.
std::string TeamName(const League& league, int t);
/// The name of player p, or empty when p is 0 or out of range.
std::string PlayerName(const League& league, int p);

} // namespace gorlin
