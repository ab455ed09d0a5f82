#include "core/engine/StatsLookup.h"

#include "core/engine/GameFilter.h"
#include "core/model/Dates.h"

#include <algorithm>

namespace gorlin {

std::vector<char> PassingGames(const League& league, int gameType) {
    const int last = std::max(0, std::min(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1));
    std::vector<char> passing(static_cast<std::size_t>(last) + 1, 0);
    for (int g = 1; g <= last; ++g)
        passing[static_cast<std::size_t>(g)] =
            PassesGameFilter(league.Games[static_cast<std::size_t>(g)], gameType);
    return passing;
}

int GoalLimit(const League& league) {
    return std::max(0, std::min<int>(league.Head.GoalCount, static_cast<int>(league.Goals.size()) - 1));
}

int PlayerLimit(const League& league) {
    return std::max(0, std::min<int>(league.Head.PlayerCount, static_cast<int>(league.Players.size()) - 1));
}

int SquadLimit(const League& league) {
    return std::max(0, std::min<int>(league.Head.SquadCount, static_cast<int>(league.Squads.size()) - 1));
}

int AllTeamLimit(const League& league) {
    return std::max(0, std::min(league.AllTeamCount(), static_cast<int>(league.Teams.size()) - 1));
}

const GameRec* GameAt(const League& league, int g) {
    if (g < 1 || g > league.AllGameCount() || static_cast<std::size_t>(g) >= league.Games.size())
        return nullptr;
    return &league.Games[static_cast<std::size_t>(g)];
}

const PlayerRec* PlayerAt(const League& league, int p) {
    if (p < 1 || p > league.Head.PlayerCount || static_cast<std::size_t>(p) >= league.Players.size())
        return nullptr;
    return &league.Players[static_cast<std::size_t>(p)];
}

std::string_view TeamName(const League& league, int t) {
    if (t < 0 || t > league.AllTeamCount() || static_cast<std::size_t>(t) >= league.Teams.size())
        return {};
    return league.Teams[static_cast<std::size_t>(t)].Name.view();
}

std::string_view PlayerName(const League& league, int p) {
    const PlayerRec* player = PlayerAt(league, p);
    return player ? player->Name.view() : std::string_view{};
}

std::string_view PlayerTeamName(const League& league, int p) {
    const PlayerRec* player = PlayerAt(league, p);
    return player ? TeamName(league, player->Team) : std::string_view{};
}

int OtherTeam(const GameRec& game, int teamFor) {
    return game.HomeTeam != teamFor ? game.HomeTeam : game.AwayTeam;
}

std::string DateText(int day, const Locale& locale) {
    return day == 0 ? std::string{} : FormatShortDate(day, locale);
}

} // namespace gorlin
