// The league table page's data on the largest schedule the format allows (32 teams meeting eight
// times, 3,968 games), next to a plain pass over the same games measured in the same run.

#include "core/engine/TableView.h"
#include "core/model/Dates.h"
#include "core/model/League.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <string>

using namespace gorlin;

namespace {

constexpr int kTeams = 32;
constexpr int kMeetings = 8;

League BigLeague(const std::string& rules) {
    League l = MakeEmptyLeague();
    l.Head.SortRules = rules;
    l.Head.Promoted = 3;
    l.Head.Relegated = 3;
    for (int t = 1; t <= kTeams; ++t) {
        TeamRec team{};
        team.Name = "Team " + std::to_string(t);
        l.Teams.push_back(team);
    }
    l.Head.TeamCount = kTeams;
    l.Games.resize(1);
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % 5u;
    };
    const int start = ToDayNumber(2024, 8, 1);
    int round = 0;
    for (int m = 0; m < kMeetings; ++m)
        for (int h = 1; h <= kTeams; ++h)
            for (int a = h + 1; a <= kTeams; ++a) {
                GameRec g{};
                g.Played = 1;
                g.HomeTeam = static_cast<u8>(m % 2 ? a : h);
                g.AwayTeam = static_cast<u8>(m % 2 ? h : a);
                g.HomeGoals = static_cast<u8>(next());
                g.AwayGoals = static_cast<u8>(next());
                g.Date = start + (round++ / 16);
                l.Games.push_back(g);
            }
    l.Head.GameCount = static_cast<u16>(l.Games.size() - 1);
    UpdateGameEx(l, 0);
    return l;
}

TableViewArgs PageArgs(const League& l) {
    TableViewArgs a;
    a.ColumnLetters = "ABVCDEFGHIJKLMSU";
    a.ShowPossPoints = true;
    a.FromDate = 0;
    a.ToDate = GameDay(l.Games[l.GameCount()]);
    return a;
}

/// Goals per team in one pass over the league games: the least any table must do.
long PlainPass(const League& l) {
    long goals[kTeams + 1] = {};
    for (int g = 1; g <= l.GameCount(); ++g) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        goals[game.HomeTeam] += game.HomeGoals;
        goals[game.AwayTeam] += game.AwayGoals;
    }
    long sum = 0;
    for (long v : goals)
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
    constexpr int kRuns = 5000;
    const double t0 = CpuSeconds();
    for (int i = 0; i < kRuns; ++i) {
        long sum = PlainPass(l);
        benchmark::DoNotOptimize(sum);
        benchmark::ClobberMemory();
    }
    return (CpuSeconds() - t0) / kRuns;
}

void RunPage(benchmark::State& state, const std::string& rules) {
    const League l = BigLeague(rules);
    const TableViewArgs args = PageArgs(l);
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        TableViewData v = DrawTable(l, args);
        benchmark::DoNotOptimize(v);
    }
    const double page = (CpuSeconds() - t0) / static_cast<double>(state.iterations());
    const double plain = SecondsPerPlainPass(l);
    state.counters["games"] = l.GameCount();
    state.counters["plain_cpu_us"] = plain * 1e6;
    state.counters["ratio_to_plain"] = page / plain;
}

void BM_TablePage(benchmark::State& state) {
    RunPage(state, "1234");
}
void BM_TablePageHeadToHead(benchmark::State& state) {
    RunPage(state, "163");
}

void BM_PlainPass(benchmark::State& state) {
    const League l = BigLeague("1234");
    for (auto _ : state) {
        long sum = PlainPass(l);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["games"] = l.GameCount();
}

} // namespace

BENCHMARK(BM_PlainPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TablePage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TablePageHeadToHead)->Unit(benchmark::kMicrosecond);
