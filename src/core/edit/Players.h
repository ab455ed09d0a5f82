#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The players of team t (0 = "Transferred-Out") ordered by name (byte order, equal names in
/// index order), as the goal, squad and missed-penalty dialogs list them.
std::vector<int> TeamPlayers(const League& league, int t);

/// The fields of the player dialog as typed.
struct PlayerInput {
    std::string Name{};      // up to 20 characters (longer is cut when stored)
    int Team = -1;           // 0..TeamCount + OtherTeamCount; -1 = no team chosen
    int Position = 0;        // index into the position names, 0 = "Not Specified"
    int SquadNo = 0;         // 0..99, 0 = none
    std::string BirthDate{}; // short date text; empty = not known
    int Foreign = 0;         // 0 not known (grey), 1 no, 2 yes
    std::string Cost{};      // its digits are the fee; separators may stand between them
};

/// The dialog preset for changing player p (date in the short format, empty when 0; cost as
/// its digits, empty when 0).
PlayerInput PlayerInputOf(const League& league, int p, const Locale& locale);

/// The player dialog's OK, for a new player (p = 0) or player p. Checks in order: no team or an
/// empty name; another player of the team with the same name ignoring case; a squad number
/// above 0 held by another player of the team; a date of birth that is no valid date (or lies
/// outside the 16-bit day numbers 1..65535). A new player takes PlayerCount + 1, up to 5800.
/// Sets DataChanged and returns the player's index.
Expected<int> StorePlayer(League& league, int p, const PlayerInput& input, const Locale& locale);

/// A new player at PlayerCount + 1 as given, with no check of the name or squad number against
/// the team's other players: what an import adds. Refused at the player limit or for a name
/// that is empty once cut to 20 characters; sets DataChanged and returns the index.
Expected<int> AppendPlayer(League& league, const PlayerRec& player);

/// The fee typed as "Cost:": its decimal digits read as one number (so "1,500,000" is
/// 1500000), 0 when there are none, and the largest 32-bit value when it is more.
u32 ParseCost(std::string_view text);

} // namespace gorlin
