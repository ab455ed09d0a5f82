#pragma once

#include "core/model/League.h"

namespace gorlin {

/// Removes team t (1..TeamCount + OtherTeamCount) with every game it plays (league and other),
/// the goals, squads and missed penalties of those games and every player of the team, and
/// renumbers every link that pointed past a removed record: games, squads and players in the
/// remaining records, teams above t in games, goals, players, squads and missed penalties.
/// For a league team the selections' flags shift down past t (a selection left with fewer than
/// three members is emptied) and the selection in force becomes all teams. OwnTeam follows its
/// club (0 when it was t). Sets DataChanged.
/// A removed player may still be named in games that stay (he scored for another club before
/// joining t): those references are cleared (scorer 0, squad entry emptied, missed penalty's
/// player 0). Runs in one pass over each array. Returns false, changing nothing, for an index
/// out of range. The four-league-team floor of the "Teams" page is CheckDeleteTeam's.
bool DeleteTeam(League& league, int t);

/// Removes player p (1..PlayerCount): later players move down one place and every player link
/// above p in goals, squad entries and missed penalties drops by one; links to p itself are
/// cleared (scorer 0, squad entry emptied, missed penalty's player 0). Sets DataChanged.
/// Returns false, changing nothing, for an index out of range.
bool DeletePlayer(League& league, int p);

} // namespace gorlin
