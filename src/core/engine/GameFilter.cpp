#include "core/engine/GameFilter.h"

#include <algorithm>

namespace gorlin {

bool PassesGameFilter(int comp, int gameType) {
    if (gameType == kLeagueAndCup)
        return true;
    if (gameType == kLeagueGamesOnly)
        return comp == 0;
    return comp + 1 == gameType;
}

int LastGameForFilter(const League& league, int gameType) {
    return gameType == kLeagueGamesOnly ? league.GameCount() : league.AllGameCount();
}

std::vector<std::string> GameFilterItems(const League& league) {
    std::vector<std::string> items = {"League Games Only", "League and Cup"};
    for (int c = 1; c <= league.Head.CompCount && c <= kMaxComps; ++c)
        items.push_back(league.Comps[static_cast<std::size_t>(c)].Name.str());
    return items;
}

int SelectGameFilter(League& league) {
    const int items = 2 + std::min<int>(league.Head.CompCount, kMaxComps);
    if (league.Head.GameType >= items)
        league.Head.GameType = 0;
    return league.Head.GameType;
}

int GameTypeByName(const League& league, std::string_view name) {
    if (name == "league")
        return kLeagueGamesOnly;
    if (name == "all")
        return kLeagueAndCup;
    const int comps = std::min<int>(league.Head.CompCount, kMaxComps);
    for (int c = 1; c <= comps; ++c)
        if (league.Comps[static_cast<std::size_t>(c)].ShortName.view() == name)
            return c + 1;
    for (int c = 1; c <= comps; ++c)
        if (league.Comps[static_cast<std::size_t>(c)].Name.view() == name)
            return c + 1;
    return -1;
}

std::vector<int> FilterTeams(const League& league, int gameType) {
    const int last = gameType == kLeagueGamesOnly ? league.TeamCount() : league.AllTeamCount();
    std::vector<int> teams;
    for (int t = 1; t <= last && static_cast<std::size_t>(t) < league.Teams.size(); ++t)
        teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(), [&league](int a, int b) {
        return league.Teams[static_cast<std::size_t>(a)].Name.view() <
               league.Teams[static_cast<std::size_t>(b)].Name.view();
    });
    return teams;
}

} // namespace gorlin
