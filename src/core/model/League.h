#pragma once

#include "core/model/Records.h"

#include <array>
#include <cstddef>
#include <vector>

namespace gorlin {

/// Limits every adding operation respects; the fixed arrays and standings tables are sized for them.
inline constexpr int kMaxTeamSels = 8;
inline constexpr int kMaxComps = 50;
inline constexpr int kMaxReferees = 250;
inline constexpr int kMaxMissedPens = 150;
inline constexpr int kMaxPlayers = 5800;
inline constexpr int kMaxGrowableCount = 65535;
inline constexpr int kMaxTimesToPlay = 8;

inline constexpr const char* kTransferredOut = "Transferred-Out";

/// One league in memory: the header, the record arrays and the per-league state.
/// Every array is 1-based; entry 0 is reserved (entry 0 of Teams is "Transferred-Out", entry 0
/// of Comps is the league itself). Links between records are indices, 0 meaning none.
/// Growable arrays always hold at least count + 1 entries; appending grows them with spare,
/// zero-filled room (GrowTo).
struct League {
    DivHead Head{};

    std::vector<TeamRec> Teams; // 1..N league teams, N+1..N+X other teams
    std::vector<GameRec> Games; // 1..G league games, G+1..G+C other games
    std::vector<GoalRec> Goals;
    std::vector<PlayerRec> Players;
    std::vector<SquadRec> Squads;

    std::array<CompRec, kMaxComps + 1> Comps{};
    std::array<RefereeRec, kMaxReferees + 1> Referees{};
    std::array<MissedPenRec, kMaxMissedPens + 1> MissedPens{}; // entry 0 unused
    std::array<TeamSelRec, kMaxTeamSels + 1> TeamSels{};       // entry 0 unused (0 = all teams)

    // Per-league state beside the records.
    bool DataChanged = false;
    u16 LoadedVersion = 0;
    bool PendingGame = false;
    bool SortRulesChanged = false;
    u16 CurrentSel = 0;
    bool FileListStale = false;

    int TeamCount() const { return Head.TeamCount; }
    int AllTeamCount() const { return Head.TeamCount + Head.OtherTeamCount; }
    int GameCount() const { return Head.GameCount; }
    int AllGameCount() const { return Head.GameCount + Head.CupGameCount; }

    /// Empties the growable arrays (the league window's close); fixed arrays keep stale contents.
    void Clear();
    /// Sets the texts of entry 0 of Teams, Comps and Referees as every load does.
    void SetReservedEntries();
};

/// A fresh, valid, empty league: signature, version 46, the defaults a new table gets
/// (3/1/0 points, rules "1234", half length 45, team size 11), every array with its entry 0.
League MakeEmptyLeague();

/// Makes room for index `index` in a growable array: when it does not fit, the array grows to
/// index + spare entries, zero-filled.
template <typename T> void GrowTo(std::vector<T>& array, std::size_t index, std::size_t spare = 30) {
    if (index >= array.size())
        array.resize(index + spare + 1, T{});
}

// Model operations: the only way records of the linked arrays are inserted or removed.

/// Recomputes Outcome of game g, or of every game 1..G+C when g is 0.
void UpdateGameEx(League& league, int g);
/// Outcome of one game from Awarded and the goals.
u8 GameOutcome(const GameRec& game);

/// Opens a free slot at game index k by moving games k..G+C one place down; every Game link in
/// Goals, Squads and MissedPens that is k or more is raised by 1. The caller fills the slot and
/// raises the count.
void MoveGamesDown(League& league, int k);

/// Removes game k-1 by moving games k..G+C one place up; every Game link that is k or more is
/// lowered by 1. The caller first removes the goals, squads and missed penalties of the removed
/// game and afterwards lowers the count.
void MoveGamesUp(League& league, int k);

/// Appends a goal (growing Goals when needed) and raises GoalCount. Returns false, changing
/// nothing, when GoalCount is already at its limit.
bool AddGoal(League& league, int game, int team, int scorer, int minute, bool ownGoal, bool penalty);

/// Removes every goal of the game, keeping the order of the rest.
void DeleteGoals(League& league, int game);

/// Removes squad s, lowers SquadCount, and lowers every HomeSquad/AwaySquad link above s by 1.
/// The caller clears the links to s itself.
void DeleteSquad(League& league, int s);

/// Removes every missed penalty of the game, keeping the order of the rest.
void DeletePens(League& league, int game);

} // namespace gorlin
