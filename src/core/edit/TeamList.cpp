#include "core/edit/TeamList.h"

namespace gorlin {

std::vector<TeamListItem> TeamListItems(const League& league, bool withTransferredOut) {
    std::vector<TeamListItem> items;
    items.push_back({kAllTeamsItem, 0});
    if (withTransferredOut)
        items.push_back({kTransferredOut, 0});
    for (int t = 1; t <= league.AllTeamCount() && static_cast<std::size_t>(t) < league.Teams.size(); ++t)
        items.push_back({league.Teams[static_cast<std::size_t>(t)].Name.str(), t});
    return items;
}

int TeamListInitialItem(const League& league, const std::vector<TeamListItem>& items) {
    const int own = league.Head.OwnTeam;
    if (own == 0)
        return 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].Team == own)
            return static_cast<int>(i);
    return 0;
}

int GetTeamID(const League& league, std::string_view name) {
    return std::max(0, FindTeamIndex(league, name));
}

int FindTeamIndex(const League& league, std::string_view name) {
    for (int t = 0; t <= league.AllTeamCount() && static_cast<std::size_t>(t) < league.Teams.size(); ++t)
        if (league.Teams[static_cast<std::size_t>(t)].Name.view() == name)
            return t;
    return -1;
}

} // namespace gorlin
