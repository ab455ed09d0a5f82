#include "core/edit/Games.h"

#include "core/model/Text.h"

namespace gorlin {

namespace {

GameRec& GameAt(League& league, int g) {
    return league.Games[static_cast<std::size_t>(g)];
}

} // namespace

bool IsGame(const League& league, int g) {
    return g >= 1 && g <= league.AllGameCount() && static_cast<std::size_t>(g) < league.Games.size();
}

Expected<int> InsertGame(League& league, int comp) {
    const int total = league.AllGameCount();
    if (total >= kMaxGrowableCount)
        return Error{kGameLimitMessage};
    int index = 0;
    if (comp == 0) {
        index = league.Head.GameCount + 1;
        MoveGamesDown(league, index); // also makes room when no other games follow
        league.Head.GameCount = static_cast<u16>(index);
    } else {
        index = total + 1;
        GrowTo(league.Games, static_cast<std::size_t>(index), 33);
        league.Head.CupGameCount = static_cast<u16>(league.Head.CupGameCount + 1);
    }
    GameAt(league, index) = GameRec{};
    return index;
}

void DeleteGameDetails(League& league, int g) {
    if (!IsGame(league, g))
        return;
    DeleteGoals(league, g);
    DeletePens(league, g);
    const int home = GameAt(league, g).HomeSquad;
    GameAt(league, g).HomeSquad = 0;
    if (GameAt(league, g).AwaySquad == home) // a damaged file may link one record twice
        GameAt(league, g).AwaySquad = 0;
    if (home != 0)
        DeleteSquad(league, home);
    const int away = GameAt(league, g).AwaySquad; // may have moved up one place
    GameAt(league, g).AwaySquad = 0;
    if (away != 0)
        DeleteSquad(league, away);
}

bool RemoveGame(League& league, int g) {
    if (!IsGame(league, g))
        return false;
    const bool leagueGame = g <= league.Head.GameCount;
    DeleteGameDetails(league, g);
    MoveGamesUp(league, g + 1);
    if (leagueGame)
        league.Head.GameCount = static_cast<u16>(league.Head.GameCount - 1);
    else
        league.Head.CupGameCount = static_cast<u16>(league.Head.CupGameCount - 1);
    return true;
}

std::optional<u32> ParseAttendance(std::string_view text) {
    text = Trim(text);
    if (text.empty())
        return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<u32>(value);
}

std::string TeamName(const League& league, int t) {
    if (t < 0 || static_cast<std::size_t>(t) >= league.Teams.size())
        return {};
    return league.Teams[static_cast<std::size_t>(t)].Name.str();
}

std::string PlayerName(const League& league, int p) {
    if (p < 1 || p > league.Head.PlayerCount || static_cast<std::size_t>(p) >= league.Players.size())
        return {};
    return league.Players[static_cast<std::size_t>(p)].Name.str();
}

std::string GameTitle(const League& league, int g) {
    if (!IsGame(league, g))
        return {};
    const GameRec& game = league.Games[static_cast<std::size_t>(g)];
    return TeamName(league, game.HomeTeam) + " v " + TeamName(league, game.AwayTeam);
}

} // namespace gorlin
