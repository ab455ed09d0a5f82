// The update file of the largest league the format allows (32 teams meeting eight times, 65,535
// goals, 5,800 players, both squads of every game): writing it, and applying it to a copy whose
// second half is still fixtures, each next to splitting the same file into lines in the same run.

#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/update/LineReceiver.h"
#include "core/update/ProcessUpdate.h"
#include "core/update/UpdateWriter.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <string>

using namespace gorlin;

namespace {

constexpr int kTeams = 32;
constexpr int kMeetings = 8;
constexpr int kStart = 45500;

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

League BigLeague() {
    League l = MakeEmptyLeague();
    for (int t = 1; t <= kTeams; ++t)
        l.Teams.emplace_back().Name = "Team " + std::to_string(t);
    l.Head.TeamCount = kTeams;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRec& player = l.Players.emplace_back();
        player = PlayerRec{};
        player.Name = "Player " + std::to_string(p) + ", P";
        player.Team = static_cast<u8>((p - 1) % kTeams + 1);
        player.SquadNo = static_cast<u8>(p % 40);
    }
    l.Head.PlayerCount = kMaxPlayers;
    for (int m = 0; m < kMeetings; ++m)
        for (int r = 0; r < kTeams - 1; ++r)
            for (int k = 0; k < kTeams / 2; ++k) {
                const int a = k == 0 ? kTeams - 1 : (r + k) % (kTeams - 1);
                const int b = (r - k + kTeams - 1) % (kTeams - 1);
                GameRec& g = l.Games.emplace_back();
                g = GameRec{};
                g.Played = 1;
                g.HomeTeam = static_cast<u8>(1 + (m % 2 ? b : a));
                g.AwayTeam = static_cast<u8>(1 + (m % 2 ? a : b));
                g.Date = kStart + m * (kTeams - 1) + r;
                g.Attendance = 20000;
            }
    l.Head.GameCount = static_cast<u16>(l.Games.size() - 1);
    const int games = l.GameCount();
    for (int i = 0; i < kMaxGrowableCount; ++i) {
        const int g = 1 + static_cast<int>(static_cast<long long>(i) * games / kMaxGrowableCount);
        GameRec& game = l.Games[At(g)];
        const bool home = i % 3 != 0;
        const int team = home ? game.HomeTeam : game.AwayTeam;
        AddGoal(l, g, team, team + kTeams * (i % 20), 1 + i % 90, false, i % 11 == 0);
        (home ? game.HomeGoals : game.AwayGoals) += 1;
    }
    for (int g = 1; g <= games; ++g)
        for (const int team :
             {static_cast<int>(l.Games[At(g)].HomeTeam), static_cast<int>(l.Games[At(g)].AwayTeam)}) {
            SquadRec& s = l.Squads.emplace_back();
            s = SquadRec{};
            s.Game = static_cast<u16>(g);
            s.Team = static_cast<u8>(team);
            for (int k = 0; k < kSquadEntries; ++k) {
                s.Entries[k].Player = static_cast<u16>(team + kTeams * ((k + g) % 24));
                s.Entries[k].TimeOff = 90;
            }
            const u16 index = static_cast<u16>(l.Squads.size() - 1);
            if (team == l.Games[At(g)].HomeTeam)
                l.Games[At(g)].HomeSquad = index;
            else
                l.Games[At(g)].AwaySquad = index;
        }
    l.Head.SquadCount = static_cast<u16>(l.Squads.size() - 1);
    UpdateGameEx(l, 0);
    return l;
}

/// The same league before its second half was played: those games are fixtures without goals,
/// squads or referees.
League FirstHalf(const League& full) {
    League l = full;
    const int half = l.GameCount() / 2;
    int goals = 0;
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        if (l.Goals[At(i)].Game <= half)
            l.Goals[At(++goals)] = l.Goals[At(i)];
    l.Head.GoalCount = static_cast<u16>(goals);
    l.Head.SquadCount = static_cast<u16>(2 * half);
    for (int g = half + 1; g <= l.GameCount(); ++g) {
        GameRec& game = l.Games[At(g)];
        game.Played = 0;
        game.HomeGoals = game.AwayGoals = 0;
        game.Attendance = 0;
        game.HomeSquad = game.AwaySquad = 0;
    }
    return l;
}

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <typename F> double SecondsPer(F f, int runs) {
    const double t0 = CpuSeconds();
    for (int i = 0; i < runs; ++i) {
        auto v = f();
        benchmark::DoNotOptimize(v);
    }
    return (CpuSeconds() - t0) / runs;
}

const League& Big() {
    static const League league = BigLeague();
    return league;
}

void BM_WriteUpdateFile(benchmark::State& state) {
    const UploadOptions options{kStart, true, kStart + 300};
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        std::string text = WriteUpdateText(Big(), options);
        benchmark::DoNotOptimize(text);
    }
    const double write = (CpuSeconds() - t0) / static_cast<double>(state.iterations());
    const std::string text = WriteUpdateText(Big(), options);
    const double split = SecondsPer([&] { return SplitUpdateLines(text); }, 5);
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["split_cpu_ms"] = split * 1e3;
    state.counters["ratio_to_split"] = write / split;
}

void BM_ApplyUpdateFile(benchmark::State& state) {
    const std::string text = WriteUpdateText(Big(), {kStart, true, kStart + 300});
    const std::vector<std::string> lines = SplitUpdateLines(text);
    const League half = FirstHalf(Big());
    double apply = 0;
    UpdateReport report;
    for (auto _ : state) {
        state.PauseTiming();
        League league = half;
        state.ResumeTiming();
        const double t0 = CpuSeconds();
        report = ProcessUpdate(league, lines);
        apply += CpuSeconds() - t0;
    }
    apply /= static_cast<double>(state.iterations());
    const double split = SecondsPer([&] { return SplitUpdateLines(text); }, 5);
    state.counters["fixtures_completed"] = report.Counts.FixturesCompleted;
    state.counters["goals_added"] = report.Counts.GoalsAdded;
    state.counters["split_cpu_ms"] = split * 1e3;
    state.counters["ratio_to_split"] = apply / split;
}

} // namespace

BENCHMARK(BM_WriteUpdateFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyUpdateFile)->Unit(benchmark::kMillisecond);
