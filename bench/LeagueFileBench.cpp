// Loading and saving the largest league the format allows, each beside the time plain file
// I/O needs for the same bytes in the same run ("Reference" benchmarks and a Ratio counter).

#include "core/model/LeagueFile.h"
#include "support/TestPaths.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace gorlin;

namespace {

using Clock = std::chrono::steady_clock;

/// 32 league teams and 200 others, 65,535 games, goals and squads, 5,800 players and every
/// fixed array full.
League LargestLeague() {
    League l = MakeEmptyLeague();
    DivHead& h = l.Head;
    h.TableName = "Largest League";
    h.TeamCount = 32;
    h.OtherTeamCount = 200;
    h.TimesToPlay = 8;
    const int leagueGames = 32 * 31 / 2 * 8;
    h.GameCount = static_cast<u16>(leagueGames);
    h.CupGameCount = static_cast<u16>(65535 - leagueGames);
    h.GoalCount = 65535;
    h.SquadCount = 65535;
    h.PlayerCount = static_cast<u16>(kMaxPlayers);
    h.CompCount = kMaxComps;
    h.RefereeCount = kMaxReferees;
    h.MissedPenCount = kMaxMissedPens;
    h.TeamSelCount = kMaxTeamSels;

    l.Teams.assign(233, TeamRec{});
    for (std::size_t i = 1; i <= 232; ++i)
        l.Teams[i].Name = "Team number " + std::to_string(i);
    l.Games.assign(65535 + 33, GameRec{});
    for (std::size_t i = 1; i <= 65535; ++i) {
        GameRec& g = l.Games[i];
        g.Played = 1;
        g.HomeTeam = static_cast<u8>(1 + i % 32);
        g.AwayTeam = static_cast<u8>(1 + (i + 7) % 232);
        g.HomeGoals = static_cast<u8>(i % 5);
        g.AwayGoals = static_cast<u8>(i % 3);
        g.Date = 40000.0 + static_cast<double>(i % 3000);
        g.Attendance = static_cast<u32>(i * 13);
        g.HomeSquad = static_cast<u16>(i);
        g.Comp = i > static_cast<std::size_t>(leagueGames) ? static_cast<u8>(1 + i % 50) : 0;
        g.Comment = "A comment on the game";
        g.Referee = static_cast<u8>(1 + i % 250);
    }
    l.Goals.assign(65535 + 32, GoalRec{});
    for (std::size_t i = 1; i <= 65535; ++i)
        l.Goals[i] = GoalRec{static_cast<u16>(i),
                             static_cast<u16>(1 + i % 32),
                             static_cast<u16>(1 + i % 5800),
                             static_cast<u16>(i % 90),
                             0,
                             static_cast<u8>(i % 9 == 0)};
    l.Players.assign(5800 + 33, PlayerRec{});
    for (std::size_t i = 1; i <= 5800; ++i) {
        l.Players[i].Name = "Player " + std::to_string(i);
        l.Players[i].Team = static_cast<u8>(i % 233);
        l.Players[i].BirthDate = 30000;
    }
    l.Squads.assign(65535 + 32, SquadRec{});
    for (std::size_t i = 1; i <= 65535; ++i) {
        l.Squads[i].Game = static_cast<u16>(i);
        l.Squads[i].Team = static_cast<u8>(1 + i % 32);
        for (int k = 0; k < kSquadEntries; ++k)
            l.Squads[i].Entries[k] = SquadEntry{
                static_cast<u16>(1 + (i + static_cast<std::size_t>(k)) % 5800), 0, 90, 0, 0, 0, 60};
    }
    for (int i = 1; i <= kMaxComps; ++i)
        l.Comps[static_cast<std::size_t>(i)].Name = "Competition " + std::to_string(i);
    for (int i = 1; i <= kMaxReferees; ++i)
        l.Referees[static_cast<std::size_t>(i)].Name = "Referee " + std::to_string(i);
    for (int i = 1; i <= kMaxMissedPens; ++i)
        l.MissedPens[static_cast<std::size_t>(i)] =
            MissedPenRec{static_cast<u16>(i), static_cast<u16>(i), 1, 30};
    for (int i = 1; i <= kMaxTeamSels; ++i) {
        l.TeamSels[static_cast<std::size_t>(i)].Name = "Selection " + std::to_string(i);
        for (int t = i; t <= 32; t += 2)
            l.TeamSels[static_cast<std::size_t>(i)].SetMember(t, true);
    }
    UpdateGameEx(l, 0);
    return l;
}

struct Fixture {
    gorlin::test::TempDir Dir;
    std::filesystem::path File = Dir / "LARGEST.DIV";
    League Model = LargestLeague();
    std::vector<std::uint8_t> Bytes;
    Fixture() {
        Bytes = EncodeLeague(Model);
        SaveLeague(Model, File, SaveOptions{false});
    }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

/// Plain read of the whole file into memory.
std::vector<std::uint8_t> PlainRead(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes(std::filesystem::file_size(path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(n);
    return bytes;
}

/// Plain write of the bytes, flushed to the disk like a save.
void PlainWrite(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
    ::fsync(::fileno(f));
    std::fclose(f);
}

/// Median seconds of a plain operation, measured in the same run as the figure it is set beside.
template <typename Fn> double ReferenceSeconds(Fn fn) {
    std::vector<double> times;
    for (int i = 0; i < 15; ++i) {
        const auto start = Clock::now();
        fn();
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + 7, times.end());
    return times[7];
}

template <typename Fn> void Measure(benchmark::State& state, double reference, Fn fn) {
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        fn();
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    const double each = total / static_cast<double>(state.iterations());
    state.counters["ReferenceMs"] = reference * 1000.0;
    state.counters["Ratio"] = each / reference;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Shared().Bytes.size()));
}

void BM_LoadLeague(benchmark::State& state) {
    Fixture& f = Shared();
    const double reference = ReferenceSeconds([&] { benchmark::DoNotOptimize(PlainRead(f.File)); });
    Measure(state, reference, [&] {
        auto league = LoadLeague(f.File);
        benchmark::DoNotOptimize(league);
    });
}

void BM_LoadLeagueReference(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainRead(f.File));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.Bytes.size()));
}

void BM_SaveLeague(benchmark::State& state) {
    Fixture& f = Shared();
    const auto plain = f.Dir / "PLAIN.DIV";
    const double reference = ReferenceSeconds([&] { PlainWrite(plain, f.Bytes); });
    Measure(state, reference, [&] { SaveLeague(f.Model, f.File, SaveOptions{false}); });
}

void BM_SaveLeagueWithBackup(benchmark::State& state) {
    Fixture& f = Shared();
    const auto plain = f.Dir / "PLAIN.DIV";
    // A save with a backup writes the bytes twice.
    const double reference = ReferenceSeconds([&] {
        PlainWrite(plain, f.Bytes);
        PlainWrite(plain, f.Bytes);
    });
    Measure(state, reference, [&] { SaveLeague(f.Model, f.File, SaveOptions{true}); });
}

void BM_SaveLeagueReference(benchmark::State& state) {
    Fixture& f = Shared();
    const auto plain = f.Dir / "PLAIN.DIV";
    for (auto _ : state)
        PlainWrite(plain, f.Bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.Bytes.size()));
}

void BM_DecodeLeague(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeLeague(f.Bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.Bytes.size()));
}

void BM_EncodeLeague(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeLeague(f.Model));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.Bytes.size()));
}

} // namespace

BENCHMARK(BM_LoadLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLeagueReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLeagueWithBackup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLeagueReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeLeague)->Unit(benchmark::kMillisecond);
