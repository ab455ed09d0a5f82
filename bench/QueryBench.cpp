// The query window on the largest league the format allows: 32 teams meeting eight times (3,968
// games), 65,535 goals, 5,800 players and both squads of every game. BuildData and each default
// query are measured next to a plain pass over the goals and squad entries in the same run.

#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <string>

using namespace gorlin;

namespace {

constexpr int kTeams = 32;
constexpr int kMeetings = 8;
constexpr int kPlayersPerTeam = kMaxPlayers / kTeams; // 181, the rest left the clubs

League BigLeague() {
    League l = MakeEmptyLeague();
    unsigned seed = 2024;
    const auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int t = 1; t <= kTeams; ++t) {
        TeamRec team{};
        team.Name = "Team " + std::to_string(t);
        l.Teams.push_back(team);
    }
    l.Head.TeamCount = kTeams;
    l.Comps[1].Name = "Cup";
    l.Head.CompCount = 1;
    l.Head.RefereeCount = 20;
    for (int r = 1; r <= 20; ++r)
        l.Referees[static_cast<std::size_t>(r)].Name = "Referee " + std::to_string(r);

    l.Players.assign(kMaxPlayers + 1, PlayerRec{});
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRec& player = l.Players[static_cast<std::size_t>(p)];
        player.Name = "Player " + std::to_string(p);
        const int team = (p - 1) / kPlayersPerTeam + 1;
        player.Team = static_cast<u8>(team <= kTeams ? team : 0);
        player.Position = static_cast<u8>(next(5));
        player.SquadNo = static_cast<u8>(next(40));
        player.BirthDate = static_cast<u16>(ToDayNumber(1985, 1, 1) + static_cast<int>(next(5000)));
        player.Foreign = static_cast<u8>(next(3));
        player.Cost = next(50000) * 1000u;
    }
    l.Head.PlayerCount = kMaxPlayers;

    l.Games.assign(1, GameRec{});
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
                g.Attendance = 5000 + next(60000);
                g.Referee = static_cast<u8>(1 + next(20));
                l.Games.push_back(g);
            }
    l.Head.GameCount = static_cast<u16>(l.Games.size() - 1);
    const int games = l.GameCount();

    // Both squads of every game: 11 starters, 3 substitutes, 4 on the bench.
    l.Squads.assign(1, SquadRec{});
    for (int g = 1; g <= games; ++g) {
        GameRec& game = l.Games[static_cast<std::size_t>(g)];
        for (int side = 0; side < 2; ++side) {
            const int team = side == 0 ? game.HomeTeam : game.AwayTeam;
            SquadRec s{};
            s.Game = static_cast<u16>(g);
            s.Team = static_cast<u8>(team);
            const int first = (team - 1) * kPlayersPerTeam + 1 + static_cast<int>(next(kPlayersPerTeam - 18));
            for (int k = 0; k < kSquadEntries; ++k) {
                SquadEntry& e = s.Entries[k];
                e.Player = static_cast<u16>(first + k);
                e.TimeOn = static_cast<u8>(k < 11 ? 0 : k < 14 ? 46 + next(40) : 0);
                e.TimeOff = static_cast<u8>(k < 14 ? 90 : 0);
                e.Yellow1 = static_cast<u8>(next(8) == 0);
                e.Red = static_cast<u8>(next(60) == 0);
                e.Rating = static_cast<u8>(k < 14 ? 40 + next(60) : 0);
            }
            l.Squads.push_back(s);
            (side == 0 ? game.HomeSquad : game.AwaySquad) = static_cast<u16>(l.Squads.size() - 1);
        }
    }
    l.Head.SquadCount = static_cast<u16>(l.Squads.size() - 1);

    // 65,535 goals spread over the games, scored by squad members.
    l.Goals.assign(1, GoalRec{});
    for (int i = 0; i < kMaxGrowableCount; ++i) {
        const int g = 1 + i % games;
        GameRec& game = l.Games[static_cast<std::size_t>(g)];
        const bool home = next(2) == 0;
        const SquadRec& squad = l.Squads[home ? game.HomeSquad : game.AwaySquad];
        GoalRec goal{};
        goal.Game = static_cast<u16>(g);
        goal.TeamFor = home ? game.HomeTeam : game.AwayTeam;
        goal.Scorer = squad.Entries[next(14)].Player;
        goal.Minute = static_cast<u16>(1 + next(90));
        goal.Penalty = static_cast<u8>(next(10) == 0);
        goal.OwnGoal = static_cast<u8>(next(40) == 0);
        ++(home ? game.HomeGoals : game.AwayGoals);
        l.Goals.push_back(goal);
    }
    l.Head.GoalCount = static_cast<u16>(l.Goals.size() - 1);
    UpdateGameEx(l, 0);
    return l;
}

const League& Big() {
    static const League league = BigLeague();
    return league;
}

/// Goals per scorer and appearances per player in one pass over the goals and squad entries: the
/// least any player figure must do.
long PlainPass(const League& l) {
    static std::vector<int> counts;
    counts.assign(static_cast<std::size_t>(l.Head.PlayerCount) + 1, 0);
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        ++counts[l.Goals[static_cast<std::size_t>(i)].Scorer];
    for (int s = 1; s <= l.Head.SquadCount; ++s)
        for (const SquadEntry& e : l.Squads[static_cast<std::size_t>(s)].Entries)
            counts[e.Player] += e.TimeOff - e.TimeOn;
    long sum = 0;
    for (int c : counts)
        sum += c;
    return sum;
}

/// CPU seconds of this thread: the machine may be busy, the ratio should not depend on it.
double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double SecondsPerPlainPass(const League& l) {
    constexpr int kRuns = 200;
    const double t0 = CpuSeconds();
    for (int i = 0; i < kRuns; ++i) {
        long sum = PlainPass(l);
        benchmark::DoNotOptimize(sum);
        benchmark::ClobberMemory();
    }
    return (CpuSeconds() - t0) / kRuns;
}

void Report(benchmark::State& state, double seconds) {
    const double plain = SecondsPerPlainPass(Big());
    state.counters["cpu_ms"] = seconds * 1e3;
    state.counters["plain_cpu_us"] = plain * 1e6;
    state.counters["ratio_to_plain"] = seconds / plain;
    state.counters["frames"] = seconds / (1.0 / 60.0);
}

void BM_QueryPlainPass(benchmark::State& state) {
    const League& l = Big();
    for (auto _ : state) {
        long sum = PlainPass(l);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["goals"] = l.Head.GoalCount;
    state.counters["squad_entries"] = l.Head.SquadCount * kSquadEntries;
}

void BM_BuildData(benchmark::State& state) {
    League l = Big();
    l.Head.GameType = static_cast<u8>(state.range(0));
    const int today = ToDayNumber(2025, 6, 1);
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        QueryRows rows = BuildData(l, today);
        benchmark::DoNotOptimize(rows);
    }
    Report(state, (CpuSeconds() - t0) / static_cast<double>(state.iterations()));
}

void BM_DefaultQuery(benchmark::State& state) {
    const League& l = Big();
    const SavedQuery& saved = DefaultQueries()[static_cast<std::size_t>(state.range(0) - 1)];
    const QueryRows rows = BuildData(l, ToDayNumber(2025, 6, 1));
    const QueryFormat format;
    const QueryDesign design = DecodeQuery(saved.Text, saved.Tab);
    std::size_t shown = 0;
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        auto result = RunQuery(design, {l, rows, format});
        shown = result->Cells.size();
        benchmark::DoNotOptimize(result);
    }
    Report(state, (CpuSeconds() - t0) / static_cast<double>(state.iterations()));
    state.counters["rows"] = static_cast<double>(rows.Count(saved.Tab));
    state.counters["shown"] = static_cast<double>(shown);
    state.SetLabel(saved.Title);
}

} // namespace

BENCHMARK(BM_QueryPlainPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildData)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultQuery)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);
