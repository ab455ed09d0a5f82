// The goal page, the player window and the graph series on the largest league the format allows
// (32 teams meeting eight times, 3,968 games, 65,535 goals, 5,800 players, two squads a game),
// each next to a plain pass over the same records measured in the same run.

#include "core/engine/GoalStats.h"
#include "core/engine/PlayerStats.h"
#include "core/engine/PositionGraph.h"
#include "core/engine/Standings.h"
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
constexpr int kGoals = kMaxGrowableCount;
const Locale kLocale{};

struct Random {
    unsigned Seed = 12345;
    unsigned Next(unsigned range) {
        Seed = Seed * 1103515245u + 12345u;
        return (Seed >> 8) % range;
    }
};

/// Player k (0-based) of team t: players are dealt to the teams in turn.
int PlayerOf(int team, int k) {
    return k * kTeams + team;
}
int PlayersOf(int team) {
    return (kMaxPlayers - team) / kTeams + 1;
}

/// A made-up name of two to five syllables in two words ("Karo Mitensa").
std::string PlayerName(Random& random) {
    static const char* const kSyllables[] = {"ka",  "ro", "mi", "ten", "sa",  "lo", "vic", "an",
                                             "der", "bo", "ni", "el",  "mar", "tu", "go",  "ri"};
    std::string name;
    for (const unsigned syllables : {1 + random.Next(2), 2 + random.Next(2)}) {
        std::string word;
        for (unsigned k = 0; k < syllables; ++k)
            word += kSyllables[random.Next(16)];
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
        name += name.empty() ? word : " " + word;
    }
    return name;
}

League BigLeague() {
    League l = MakeEmptyLeague();
    l.Head.SortRules = "1234";
    for (int t = 1; t <= kTeams; ++t) {
        TeamRec team{};
        team.Name = "Team " + std::to_string(t);
        l.Teams.push_back(team);
    }
    l.Head.TeamCount = kTeams;
    Random random;
    l.Players.resize(1);
    l.Games.resize(1);
    l.Squads.resize(1);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRec player{};
        player.Name = PlayerName(random);
        player.Team = static_cast<u8>((p - 1) % kTeams + 1);
        l.Players.push_back(player);
    }
    l.Head.PlayerCount = kMaxPlayers;

    // Rounds of a circle schedule: every team plays once a day, 31 days a meeting.
    const int start = ToDayNumber(2024, 8, 1);
    for (int m = 0; m < kMeetings; ++m)
        for (int r = 0; r < kTeams - 1; ++r)
            for (int k = 0; k < kTeams / 2; ++k) {
                const int a = k == 0 ? kTeams - 1 : (r + k) % (kTeams - 1);
                const int b = (r - k + kTeams - 1) % (kTeams - 1);
                GameRec g{};
                g.Played = 1;
                g.HomeTeam = static_cast<u8>(1 + (m % 2 ? b : a));
                g.AwayTeam = static_cast<u8>(1 + (m % 2 ? a : b));
                g.Date = start + m * (kTeams - 1) + r;
                l.Games.push_back(g);
            }
    l.Head.GameCount = static_cast<u16>(l.Games.size() - 1);

    // Goals dealt over the games in game order; a few players of each team score most of them.
    const int games = l.GameCount();
    for (int i = 0; i < kGoals; ++i) {
        const int g = 1 + static_cast<int>(static_cast<long long>(i) * games / kGoals);
        GameRec& game = l.Games[static_cast<std::size_t>(g)];
        const bool home = random.Next(2) == 0;
        const int team = home ? game.HomeTeam : game.AwayTeam;
        const bool ownGoal = random.Next(30) == 0;
        const int side = ownGoal ? (home ? game.AwayTeam : game.HomeTeam) : team;
        const unsigned r = random.Next(static_cast<unsigned>(PlayersOf(side)));
        const int scorer = PlayerOf(side, static_cast<int>(r * r / static_cast<unsigned>(PlayersOf(side))));
        AddGoal(l, g, team, scorer, 1 + static_cast<int>(random.Next(95)), ownGoal, random.Next(12) == 0);
        if (home)
            game.HomeGoals = static_cast<u8>(game.HomeGoals + 1);
        else
            game.AwayGoals = static_cast<u8>(game.AwayGoals + 1);
    }
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        for (const int team : {static_cast<int>(game.HomeTeam), static_cast<int>(game.AwayTeam)}) {
            SquadRec s{};
            s.Game = static_cast<u16>(g);
            s.Team = static_cast<u8>(team);
            for (int k = 0; k < kSquadEntries; ++k) {
                SquadEntry& e = s.Entries[k];
                e.Player = static_cast<u16>(PlayerOf(team, (k + g) % 24));
                e.TimeOff = k < 11 ? 90 : 0;
                e.TimeOn = k >= 11 && k < 14 ? 60 : 0;
                e.Rating = static_cast<u8>(50 + random.Next(40));
                e.Yellow1 = random.Next(8) == 0;
            }
            l.Squads.push_back(s);
            GameRec& owner = l.Games[static_cast<std::size_t>(g)];
            if (team == owner.HomeTeam)
                owner.HomeSquad = static_cast<u16>(l.Squads.size() - 1);
            else
                owner.AwaySquad = static_cast<u16>(l.Squads.size() - 1);
        }
    }
    l.Head.SquadCount = static_cast<u16>(l.Squads.size() - 1);
    for (int i = 1; i <= kMaxMissedPens; ++i) {
        MissedPenRec& pen = l.MissedPens[static_cast<std::size_t>(i)];
        pen.Game = static_cast<u16>(i * 20);
        pen.Team = l.Games[pen.Game].HomeTeam;
        pen.Player = static_cast<u16>(PlayerOf(pen.Team, 0));
    }
    l.Head.MissedPenCount = kMaxMissedPens;
    UpdateGameEx(l, 0);
    return l;
}

const League& Big() {
    static const League league = BigLeague();
    return league;
}

/// CPU seconds of this thread: the machine may be busy, the ratio should not depend on it.
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
        benchmark::ClobberMemory();
    }
    return (CpuSeconds() - t0) / runs;
}

/// One pass over goals and games: each goal of a league game counted for its scorer, its team and
/// the other team of its game, and each played game for both teams.
long PassOverGoalsAndGames(const League& l) {
    std::vector<int> scorers(static_cast<std::size_t>(l.Head.PlayerCount) + 1, 0);
    int teams[kTeams + 1] = {};
    int against[kTeams + 1] = {};
    for (int i = 1; i <= l.Head.GoalCount; ++i) {
        const GoalRec& goal = l.Goals[static_cast<std::size_t>(i)];
        const GameRec& game = l.Games[goal.Game];
        if (game.Comp != 0)
            continue;
        ++scorers[goal.Scorer];
        ++teams[goal.TeamFor];
        ++against[game.HomeTeam == goal.TeamFor ? game.AwayTeam : game.HomeTeam];
    }
    for (int g = 1; g <= l.GameCount(); ++g) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        if (game.Played) {
            ++teams[game.HomeTeam];
            ++teams[game.AwayTeam];
        }
    }
    long sum = 0;
    for (int t = 0; t <= kTeams; ++t)
        sum += teams[t] + against[t];
    return sum + scorers[1];
}

/// One player's goals and squad entries: one pass over goals and squads.
long PassOverGoalsAndSquads(const League& l, int player) {
    long found = 0;
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        found += l.Goals[static_cast<std::size_t>(i)].Scorer == player ? 1 : 0;
    for (int s = 1; s <= l.Head.SquadCount; ++s)
        for (const SquadEntry& e : l.Squads[static_cast<std::size_t>(s)].Entries)
            found += e.Player == player ? 1 : 0;
    return found;
}

void BM_GoalStatsWithBuckets(benchmark::State& state) {
    const League& l = Big();
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        GoalStatsData d = GoalStats(l, 0); // the goal-time buckets included
        benchmark::DoNotOptimize(d);
    }
    const double page = (CpuSeconds() - t0) / static_cast<double>(state.iterations());
    const double plain = SecondsPer([&] { return PassOverGoalsAndGames(l); }, 300);
    const GoalStatsData d = GoalStats(l, 0);
    state.counters["scorers"] = static_cast<double>(d.Scorers.size());
    state.counters["top"] = d.TopScorerCount;
    state.counters["hat_tricks"] = static_cast<double>(d.HatTricks.size());
    state.counters["pens_rows"] = static_cast<double>(d.sgPens.size());
    state.counters["own_rows"] = static_cast<double>(d.sgOwnGoals.size());
    state.counters["plain_cpu_us"] = plain * 1e6;
    state.counters["ratio_to_plain"] = page / plain;
}

void BM_PlayerBuildData(benchmark::State& state) {
    const League& l = Big();
    const int top = GoalStats(l, 0).Scorers.front().Player;
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        PlayerStatsData d = BuildData(l, top, 0, kLocale);
        benchmark::DoNotOptimize(d);
    }
    const double window = (CpuSeconds() - t0) / static_cast<double>(state.iterations());
    const double plain = SecondsPer([&] { return PassOverGoalsAndSquads(l, top); }, 300);
    state.counters["matches"] = static_cast<double>(BuildData(l, top, 0, kLocale).Matches.size());
    state.counters["plain_cpu_us"] = plain * 1e6;
    state.counters["ratio_to_plain"] = window / plain;
}

void BM_GraphSeries(benchmark::State& state) {
    const League& l = Big();
    const int type = static_cast<int>(state.range(0));
    const int today = GameDay(l.Games[static_cast<std::size_t>(l.GameCount())]);
    const double t0 = CpuSeconds();
    int tables = 0;
    for (auto _ : state) {
        GraphSeries g = BuildGraph(l, 1, type, today, kRed, kLocale);
        tables = g.TablesComputed;
        benchmark::DoNotOptimize(g);
    }
    const double series = (CpuSeconds() - t0) / static_cast<double>(state.iterations());
    FillTableArgs args;
    args.IgnoreSelection = true;
    args.ToDate = today;
    const double table = SecondsPer([&] { return FillTable(l, args); }, 50);
    const GraphSeries g = BuildGraph(l, 1, type, today, kRed, kLocale);
    state.counters["team_games"] = static_cast<double>(g.Slots[1].Games.size());
    state.counters["tables"] = tables;
    state.counters["ratio_to_one_table"] = series / table;
}

} // namespace

BENCHMARK(BM_GoalStatsWithBuckets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayerBuildData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphSeries)->Arg(kPointsProgress)->Arg(kTopComparison)->Unit(benchmark::kMillisecond);
