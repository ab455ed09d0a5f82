#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin {

/// The most non-league teams a league holds ("Add New Team" is disabled there).
inline constexpr int kMaxOtherTeams = 200;

/// The items of "Competition:": item 0 is the league (the name in entry 0 of Comps), items
/// 1..CompCount the other competitions.
std::vector<std::string> CompetitionItems(const League& league);

/// OK of "Create/Edit Competition Name" for a new competition (comp = 0) or competition comp.
/// An empty field beeps; a name or short name that another entry 0..CompCount already has
/// gives "Competition name already defined" (texts compared as they would be stored, cut to
/// 30 and 4 characters). A new competition takes CompCount + 1, up to 50. Sets DataChanged and
/// returns the competition's index.
Expected<int> StoreCompetition(League& league, int comp, const std::string& name,
                               const std::string& shortName);

/// A new competition with these names (cut to 30 and 4 characters) at CompCount + 1, with no
/// check of the names: what an import adds. Refused at 50; sets DataChanged.
Expected<int> AddCompetition(League& league, const std::string& name, const std::string& shortName);

/// OK of "Add Non-League Team": an empty name beeps; a name that team 1..TeamCount +
/// OtherTeamCount already has gives "A team with that name already exists"; at 200 other teams
/// (or when the team index would not fit a game's 8-bit team link) it is refused. The team is
/// stored at the new last index with no points adjustment; OtherTeamCount grows, DataChanged
/// is set; returns its index.
Expected<int> AddNonLeagueTeam(League& league, const std::string& name);

} // namespace gorlin
