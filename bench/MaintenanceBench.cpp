// The division statistics page and deleting a team on the largest league the limits allow (32 teams
// meeting eight times: 3,968 games with two squads each, 65,535 goals, 5,800 players, 250 referees,
// 150 missed penalties), each next to a reference measured in the same run: a plain pass over the
// same games, goals and squads, and a plain copy of the arrays.

#include "core/edit/DeleteTeam.h"
#include "core/engine/DivisionStats.h"
#include "core/model/Dates.h"
#include "core/model/League.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <string>

using namespace gorlin;

namespace {

constexpr int kTeams = 32;
constexpr int kMeetings = 8;

League LargestLeague() {
    League l = MakeEmptyLeague();
    DivHead& h = l.Head;
    h.TableName = "Largest League";
    h.TimesToPlay = kMeetings;
    for (int t = 1; t <= kTeams; ++t) {
        TeamRec team{};
        team.Name = "Team " + std::to_string(t);
        l.Teams.push_back(team);
    }
    h.TeamCount = kTeams;

    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRec player{};
        player.Name = "Player " + std::to_string(p);
        player.Team = static_cast<u8>(1 + (p - 1) % kTeams);
        GrowTo(l.Players, static_cast<std::size_t>(p));
        l.Players[static_cast<std::size_t>(p)] = player;
    }
    h.PlayerCount = static_cast<u16>(kMaxPlayers);
    // Player k (0-based) of team t.
    const auto playerOf = [](int team, int k) { return static_cast<u16>(team + kTeams * (k % 181)); };

    for (int r = 1; r <= kMaxReferees; ++r)
        l.Referees[static_cast<std::size_t>(r)].Name = "Referee " + std::to_string(1000 - r);
    h.RefereeCount = static_cast<u8>(kMaxReferees);

    unsigned seed = 12345;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    const int start = ToDayNumber(2024, 8, 1);
    l.Games.resize(1);
    l.Squads.resize(1);
    int round = 0;
    for (int m = 0; m < kMeetings; ++m)
        for (int a = 1; a <= kTeams; ++a)
            for (int b = a + 1; b <= kTeams; ++b) {
                GameRec g{};
                g.Played = 1;
                g.HomeTeam = static_cast<u8>(m % 2 ? b : a);
                g.AwayTeam = static_cast<u8>(m % 2 ? a : b);
                g.HomeGoals = static_cast<u8>(next(6));
                g.AwayGoals = static_cast<u8>(next(5));
                g.Date = start + (round++ / 16);
                g.Referee = static_cast<u8>(1 + next(kMaxReferees));
                const int game = static_cast<int>(l.Games.size());
                for (int side = 0; side < 2; ++side) {
                    SquadRec s{};
                    s.Game = static_cast<u16>(game);
                    s.Team = side == 0 ? g.HomeTeam : g.AwayTeam;
                    for (int k = 0; k < kSquadEntries; ++k) {
                        SquadEntry& e = s.Entries[k];
                        e.Player = playerOf(s.Team, (game + k) % 181);
                        e.TimeOff = k < 11 ? 90 : 0;
                        e.Yellow1 = next(10) == 0 ? 1 : 0;
                        e.Red = next(100) == 0 ? 1 : 0;
                    }
                    const auto index = static_cast<u16>(l.Squads.size());
                    if (side == 0)
                        g.HomeSquad = index;
                    else
                        g.AwaySquad = index;
                    l.Squads.push_back(s);
                }
                l.Games.push_back(g);
            }
    h.GameCount = static_cast<u16>(l.Games.size() - 1);
    h.SquadCount = static_cast<u16>(l.Squads.size() - 1);
    GrowTo(l.Games, l.Games.size(), 33);
    GrowTo(l.Squads, l.Squads.size(), 32);
    UpdateGameEx(l, 0);

    for (int i = 1; i <= kMaxGrowableCount; ++i) {
        const int game = 1 + static_cast<int>(next(h.GameCount));
        const GameRec& g = l.Games[static_cast<std::size_t>(game)];
        const int team = next(2) == 0 ? g.HomeTeam : g.AwayTeam;
        AddGoal(l, game, team, playerOf(team, static_cast<int>(next(181))), static_cast<int>(1 + next(90)),
                next(40) == 0, next(12) == 0);
    }
    for (int i = 1; i <= kMaxMissedPens; ++i) {
        MissedPenRec& m = l.MissedPens[static_cast<std::size_t>(i)];
        m.Game = static_cast<u16>(1 + next(h.GameCount));
        m.Team = l.Games[m.Game].HomeTeam;
        m.Player = playerOf(m.Team, static_cast<int>(next(181)));
        m.Minute = static_cast<u8>(1 + next(90));
    }
    h.MissedPenCount = static_cast<u8>(kMaxMissedPens);
    return l;
}

const League& Largest() {
    static const League league = LargestLeague();
    return league;
}

/// Goals, penalties and cards per referee in one pass over the games, goals and squads: the
/// least the page must read.
long PlainPass(const League& l) {
    long perReferee[kMaxReferees + 1] = {};
    long goals = 0;
    for (int g = 1; g <= l.GameCount(); ++g) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        goals += game.HomeGoals + game.AwayGoals;
        ++perReferee[game.Referee];
    }
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        goals += l.Goals[static_cast<std::size_t>(i)].Penalty;
    for (int s = 1; s <= l.Head.SquadCount; ++s)
        for (const SquadEntry& e : l.Squads[static_cast<std::size_t>(s)].Entries)
            goals += e.Player != 0 ? e.Yellow1 + e.Yellow2 + e.Red : 0;
    for (long v : perReferee)
        goals += v;
    return goals;
}

/// CPU seconds of this thread: the machine may be busy, the ratio should not depend on it.
double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_DivisionStats(benchmark::State& state) {
    const League& l = Largest();
    const Locale locale;
    double page = 0;
    for (auto _ : state) {
        const double t0 = CpuSeconds();
        DivisionStatsData d = DivisionStats(l, locale);
        benchmark::DoNotOptimize(d);
        page += CpuSeconds() - t0;
    }
    constexpr int kRuns = 2000;
    const double t0 = CpuSeconds();
    for (int i = 0; i < kRuns; ++i) {
        long sum = PlainPass(l);
        benchmark::DoNotOptimize(sum);
        benchmark::ClobberMemory();
    }
    const double plain = (CpuSeconds() - t0) / kRuns;
    page /= static_cast<double>(state.iterations());
    state.counters["page_cpu_us"] = page * 1e6;
    state.counters["plain_cpu_us"] = plain * 1e6;
    state.counters["ratio_to_plain"] = page / plain;
}

void BM_DeleteTeam(benchmark::State& state) {
    const League& l = Largest();
    League work = l;
    double copying = 0;
    double deleting = 0;
    for (auto _ : state) {
        // Assigning into arrays of the same size copies the records without allocating.
        const double t0 = CpuSeconds();
        work = l;
        benchmark::DoNotOptimize(work);
        benchmark::ClobberMemory();
        const double t1 = CpuSeconds();
        DeleteTeam(work, 3);
        benchmark::DoNotOptimize(work);
        benchmark::ClobberMemory();
        const double t2 = CpuSeconds();
        copying += t1 - t0;
        deleting += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["delete_cpu_us"] = deleting / n * 1e6;
    state.counters["copy_cpu_us"] = copying / n * 1e6;
    state.counters["ratio_to_copy"] = deleting / copying;
}

} // namespace

BENCHMARK(BM_DivisionStats)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteTeam)->Unit(benchmark::kMicrosecond);
