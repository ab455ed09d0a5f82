// The team statistics page on the largest league the format allows: 32 teams meeting eight times
// (248 league games a team) plus cup games, 65,535 goals, two squads a game and 5,800 players,
// next to a plain pass over the same goals and squads measured in the same run.

#include "core/engine/GameFilter.h"
#include "core/engine/TeamStats.h"
#include "core/model/Dates.h"
#include "core/model/League.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <string>
#include <vector>

using namespace gorlin;

namespace {

constexpr int kTeams = 32;
constexpr int kMeetings = 8;
constexpr int kOtherTeams = 20;
constexpr int kCupGames = 200; // all of team 1
constexpr int kLeaguePlayers = 170;
constexpr int kOtherPlayers = 18;
constexpr int kGoals = kMaxGrowableCount;

/// Index of the first player of a team.
int FirstPlayer(int team) {
    return team <= kTeams ? (team - 1) * kLeaguePlayers + 1
                          : kTeams * kLeaguePlayers + (team - kTeams - 1) * kOtherPlayers + 1;
}
int SquadSize(int team) {
    return team <= kTeams ? kLeaguePlayers : kOtherPlayers;
}

League LargestLeague() {
    League l = MakeEmptyLeague();
    l.Head.GameType = kLeagueAndCup;
    for (int t = 1; t <= kTeams + kOtherTeams; ++t) {
        TeamRec team{};
        team.Name = "Team " + std::to_string(t);
        l.Teams.push_back(team);
    }
    l.Head.TeamCount = kTeams;
    l.Head.OtherTeamCount = kOtherTeams;
    l.Head.CompCount = 2;
    l.Comps[1].Name = "Cup";
    l.Comps[1].ShortName = "CUP";
    l.Comps[2].Name = "Shield";
    l.Comps[2].ShortName = "SHD";

    for (int t = 1; t <= kTeams + kOtherTeams; ++t)
        for (int k = 0; k < SquadSize(t); ++k) {
            PlayerRec p{};
            p.Name = "Player " + std::to_string(FirstPlayer(t) + k);
            p.Team = static_cast<u8>(k % 29 == 0 ? (t % kTeams) + 1 : t); // some have moved on
            p.SquadNo = static_cast<u8>(k % 40);
            p.Position = static_cast<u8>(k % 5);
            p.BirthDate = static_cast<u16>(30000 + k * 37);
            p.Cost = static_cast<u32>(k * 25000);
            l.Players.push_back(p);
        }
    l.Head.PlayerCount = static_cast<u16>(l.Players.size() - 1);

    const int start = ToDayNumber(2024, 8, 1);
    int round = 0;
    for (int m = 0; m < kMeetings; ++m)
        for (int h = 1; h <= kTeams; ++h)
            for (int a = h + 1; a <= kTeams; ++a) {
                GameRec g{};
                g.Played = 1;
                g.HomeTeam = static_cast<u8>(m % 2 ? a : h);
                g.AwayTeam = static_cast<u8>(m % 2 ? h : a);
                g.Date = start + (round++ / 16);
                g.Attendance = static_cast<u32>(10000 + round * 13 % 40000);
                l.Games.push_back(g);
            }
    l.Head.GameCount = static_cast<u16>(l.Games.size() - 1);
    for (int c = 0; c < kCupGames; ++c) {
        GameRec g{};
        g.Played = 1;
        g.HomeTeam = static_cast<u8>(c % 2 ? kTeams + 1 + c % kOtherTeams : 1);
        g.AwayTeam = static_cast<u8>(c % 2 ? 1 : kTeams + 1 + c % kOtherTeams);
        g.Comp = static_cast<u8>(1 + c % 2);
        g.Date = start + c * 2;
        l.Games.push_back(g);
    }
    l.Head.CupGameCount = kCupGames;
    const int games = l.AllGameCount();

    // Two squads a game from each side's players.
    l.Squads.resize(1);
    for (int g = 1; g <= games; ++g) {
        GameRec& game = l.Games[static_cast<std::size_t>(g)];
        for (const int team : {int{game.HomeTeam}, int{game.AwayTeam}}) {
            SquadRec s{};
            s.Game = static_cast<u16>(g);
            s.Team = static_cast<u8>(team);
            for (int e = 0; e < kSquadEntries; ++e) {
                SquadEntry& entry = s.Entries[e];
                entry.Player = static_cast<u16>(FirstPlayer(team) + (g * 7 + e) % SquadSize(team));
                entry.TimeOff = static_cast<u8>(e < 14 ? 90 : 0);
                entry.Yellow1 = static_cast<u8>((g + e) % 9 == 0);
                entry.Red = static_cast<u8>((g + e) % 97 == 0);
                entry.Rating = static_cast<u8>(50 + (g + e) % 40);
            }
            l.Squads.push_back(s);
            const u16 index = static_cast<u16>(l.Squads.size() - 1);
            if (team == game.HomeTeam)
                game.HomeSquad = index;
            else
                game.AwaySquad = index;
        }
    }
    l.Head.SquadCount = static_cast<u16>(l.Squads.size() - 1);

    // 65,535 goals spread over the games, scored by the squads' players.
    l.Goals.resize(1);
    for (int k = 0; k < kGoals; ++k) {
        const int g = 1 + k % games;
        GameRec& game = l.Games[static_cast<std::size_t>(g)];
        const bool home = (k / games) % 2 == 0;
        const SquadRec& squad = l.Squads[home ? game.HomeSquad : game.AwaySquad];
        GoalRec goal{};
        goal.Game = static_cast<u16>(g);
        goal.Scorer = squad.Entries[k % 11].Player;
        goal.OwnGoal = static_cast<u8>(k % 40 == 0);
        goal.Penalty = static_cast<u8>(k % 10 == 0);
        goal.Minute = static_cast<u16>(1 + k % 90);
        const bool forHome = goal.OwnGoal ? !home : home;
        goal.TeamFor = forHome ? game.HomeTeam : game.AwayTeam;
        if (forHome)
            ++game.HomeGoals;
        else
            ++game.AwayGoals;
        l.Goals.push_back(goal);
    }
    l.Head.GoalCount = static_cast<u16>(l.Goals.size() - 1);
    UpdateGameEx(l, 0);
    return l;
}

/// Goals per scorer and squad entries per player in one pass: the least the page must read.
long PlainPass(const League& l, std::vector<int>& perPlayer) {
    std::fill(perPlayer.begin(), perPlayer.end(), 0);
    for (int k = 1; k <= l.Head.GoalCount; ++k)
        ++perPlayer[l.Goals[static_cast<std::size_t>(k)].Scorer];
    for (int s = 1; s <= l.Head.SquadCount; ++s)
        for (const SquadEntry& e : l.Squads[static_cast<std::size_t>(s)].Entries)
            ++perPlayer[e.Player];
    long sum = 0;
    for (const int v : perPlayer)
        sum += v;
    return sum;
}

/// CPU seconds of this thread: the machine may be busy, the ratio should not depend on it.
double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double SecondsPerPlainPass(const League& l) {
    constexpr int kRuns = 500;
    std::vector<int> perPlayer(static_cast<std::size_t>(l.Head.PlayerCount) + 1);
    const double t0 = CpuSeconds();
    for (int i = 0; i < kRuns; ++i) {
        long sum = PlainPass(l, perPlayer);
        benchmark::DoNotOptimize(sum);
        benchmark::ClobberMemory();
    }
    return (CpuSeconds() - t0) / kRuns;
}

void BM_TeamStats(benchmark::State& state) {
    const League l = LargestLeague();
    Settings settings;
    settings.PlayerCols = "ABCDEFGHIJKLMN";
    Locale locale;
    locale.Today = ToDayNumber(2026, 1, 1);
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        TeamStatsData d = TeamStats(l, 1, settings, locale);
        benchmark::DoNotOptimize(d);
    }
    const double page = (CpuSeconds() - t0) / static_cast<double>(state.iterations());
    const double plain = SecondsPerPlainPass(l);
    const TeamStatsData d = TeamStats(l, 1, settings, locale);
    state.counters["team_games"] = static_cast<double>(d.TeamGames.size());
    state.counters["player_rows"] = static_cast<double>(d.Players.size());
    state.counters["goals"] = l.Head.GoalCount;
    state.counters["squads"] = l.Head.SquadCount;
    state.counters["plain_cpu_us"] = plain * 1e6;
    state.counters["ratio_to_plain"] = page / plain;
}

} // namespace

BENCHMARK(BM_TeamStats)->Unit(benchmark::kMicrosecond);
