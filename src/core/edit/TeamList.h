#pragma once

#include "core/model/League.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The first item of every team chooser, standing for all teams (team 0).
inline constexpr const char* kAllTeamsItem = " [All Teams]";

/// The first item of an own-team chooser, standing for no own team.
inline constexpr const char* kNoOwnTeamItem = "*** None ***";

/// One item of a team chooser: its text (Windows-1252) and the team index it stands for.
struct TeamListItem {
    std::string Text;
    int Team = 0;
};

/// The items of a team chooser ("Results For:", "Goals for:", "Players for:", "Fixtures for:",
/// ...): " [All Teams]" (team 0), "Transferred-Out" when asked for (also team 0, the pseudo-team
/// of players who left), then every team 1..TeamCount + OtherTeamCount in index order.
std::vector<TeamListItem> TeamListItems(const League& league, bool withTransferredOut = false);

/// The item a freshly filled chooser selects: the own team's item when there is one, else 0.
int TeamListInitialItem(const League& league, const std::vector<TeamListItem>& items);

/// The index of the team 0..TeamCount + OtherTeamCount whose name equals `name` exactly (bytes
/// of the league's text), 0 when none does.
int GetTeamID(const League& league, std::string_view name);
/// The same index, -1 when no team has the name (so that team 0 can be told from none).
int FindTeamIndex(const League& league, std::string_view name);

} // namespace gorlin
