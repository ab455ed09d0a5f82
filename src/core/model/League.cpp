#include "core/model/League.h"

#include <algorithm>

namespace gorlin {

void League::Clear() {
    Teams.clear();
    Games.clear();
    Goals.clear();
    Players.clear();
    Squads.clear();
}

void League::SetReservedEntries() {
    if (Teams.empty())
        Teams.resize(1);
    Teams[0] = TeamRec{};
    Teams[0].Name = kTransferredOut;
    Comps[0] = CompRec{};
    Comps[0].Name = "League Game";
    Comps[0].ShortName = "LGE";
    Referees[0] = RefereeRec{};
}

League MakeEmptyLeague() {
    League league;
    DivHead& h = league.Head;
    h.Signature = "DIVHD";
    h.Version = 46;
    h.WinPoints = 3;
    h.DrawPoints = 1;
    h.LossPoints = 0;
    h.SortRules = "1234";
    h.TeamSize = 11;
    h.HalfLength = 45;
    league.Teams.resize(1);
    league.Games.resize(33);
    league.Goals.resize(32);
    league.Players.resize(33);
    league.Squads.resize(32);
    league.SetReservedEntries();
    league.LoadedVersion = 46;
    return league;
}

u8 GameOutcome(const GameRec& game) {
    if (game.Awarded == 1)
        return 1;
    if (game.Awarded == 2)
        return 2;
    if (game.HomeGoals == game.AwayGoals)
        return 0;
    return game.HomeGoals > game.AwayGoals ? 1 : 2;
}

void UpdateGameEx(League& league, int g) {
    if (g != 0) {
        if (g > 0 && static_cast<std::size_t>(g) < league.Games.size())
            league.Games[static_cast<std::size_t>(g)].Outcome =
                GameOutcome(league.Games[static_cast<std::size_t>(g)]);
        return;
    }
    const std::size_t last = std::min<std::size_t>(static_cast<std::size_t>(league.AllGameCount()),
                                                   league.Games.empty() ? 0 : league.Games.size() - 1);
    for (std::size_t i = 1; i <= last; ++i)
        league.Games[i].Outcome = GameOutcome(league.Games[i]);
}

namespace {

template <typename Rec> void ShiftGameLinks(Rec* first, Rec* last, int from, int delta) {
    for (Rec* r = first; r != last; ++r) {
        const int game = r->Game;
        if (game >= from)
            r->Game = static_cast<u16>(game + delta);
    }
}

} // namespace

void MoveGamesDown(League& league, int k) {
    const int total = league.AllGameCount();
    if (k < 1 || k > total + 1)
        return;
    GrowTo(league.Games, static_cast<std::size_t>(total) + 1);
    auto first = league.Games.begin() + k;
    std::move_backward(first, league.Games.begin() + total + 1, league.Games.begin() + total + 2);
    *first = GameRec{};
    ShiftGameLinks(league.Goals.data() + 1, league.Goals.data() + 1 + league.Head.GoalCount, k, 1);
    ShiftGameLinks(league.Squads.data() + 1, league.Squads.data() + 1 + league.Head.SquadCount, k, 1);
    ShiftGameLinks(league.MissedPens.data() + 1, league.MissedPens.data() + 1 + league.Head.MissedPenCount, k,
                   1);
}

void MoveGamesUp(League& league, int k) {
    const int total = league.AllGameCount();
    if (k < 2 || k > total + 1)
        return;
    std::move(league.Games.begin() + k, league.Games.begin() + total + 1, league.Games.begin() + k - 1);
    league.Games[static_cast<std::size_t>(total)] = GameRec{};
    ShiftGameLinks(league.Goals.data() + 1, league.Goals.data() + 1 + league.Head.GoalCount, k, -1);
    ShiftGameLinks(league.Squads.data() + 1, league.Squads.data() + 1 + league.Head.SquadCount, k, -1);
    ShiftGameLinks(league.MissedPens.data() + 1, league.MissedPens.data() + 1 + league.Head.MissedPenCount, k,
                   -1);
}

bool AddGoal(League& league, int game, int team, int scorer, int minute, bool ownGoal, bool penalty) {
    if (league.Head.GoalCount >= kMaxGrowableCount)
        return false;
    const std::size_t index = static_cast<std::size_t>(league.Head.GoalCount) + 1;
    GrowTo(league.Goals, index);
    GoalRec& goal = league.Goals[index];
    goal.Game = static_cast<u16>(game);
    goal.TeamFor = static_cast<u16>(team);
    goal.Scorer = static_cast<u16>(scorer);
    goal.Minute = static_cast<u16>(minute);
    goal.OwnGoal = ownGoal ? 1 : 0;
    goal.Penalty = penalty ? 1 : 0;
    league.Head.GoalCount = static_cast<u16>(index);
    return true;
}

void DeleteGoals(League& league, int game) {
    const auto first = league.Goals.begin() + 1;
    const auto last = first + league.Head.GoalCount;
    const auto kept = std::stable_partition(first, last, [game](const GoalRec& g) { return g.Game != game; });
    std::fill(kept, last, GoalRec{});
    league.Head.GoalCount = static_cast<u16>(kept - first);
}

void DeleteSquad(League& league, int s) {
    const int count = league.Head.SquadCount;
    if (s < 1 || s > count)
        return;
    std::move(league.Squads.begin() + s + 1, league.Squads.begin() + count + 1, league.Squads.begin() + s);
    league.Squads[static_cast<std::size_t>(count)] = SquadRec{};
    league.Head.SquadCount = static_cast<u16>(count - 1);
    const std::size_t games =
        std::min<std::size_t>(static_cast<std::size_t>(league.AllGameCount()) + 1, league.Games.size());
    for (std::size_t i = 1; i < games; ++i) {
        GameRec& g = league.Games[i];
        if (g.HomeSquad > s)
            g.HomeSquad = static_cast<u16>(g.HomeSquad - 1);
        if (g.AwaySquad > s)
            g.AwaySquad = static_cast<u16>(g.AwaySquad - 1);
    }
}

void DeletePens(League& league, int game) {
    const auto first = league.MissedPens.begin() + 1;
    const auto last = first + league.Head.MissedPenCount;
    const auto kept =
        std::stable_partition(first, last, [game](const MissedPenRec& p) { return p.Game != game; });
    std::fill(kept, last, MissedPenRec{});
    league.Head.MissedPenCount = static_cast<u8>(kept - first);
}

} // namespace gorlin
