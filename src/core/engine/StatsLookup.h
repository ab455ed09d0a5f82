#pragma once

#include "core/model/League.h"
#include "core/model/Locale.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

// Bounds-checked lookups shared by the statistics computations: links read from a damaged file
// may point anywhere, and none of them may lead outside an array.

/// Whether each game 0..GameCount + CupGameCount passes the game filter (entry 0 never does).
std::vector<char> PassingGames(const League& league, int gameType);
/// Entry g of PassingGames, false for an index outside it.
inline bool Passes(const std::vector<char>& passing, int g) {
    return g >= 0 && static_cast<std::size_t>(g) < passing.size() &&
           passing[static_cast<std::size_t>(g)] != 0;
}

/// Real entries of the growable arrays: the header counts, never beyond the storage.
int GoalLimit(const League& league);
int PlayerLimit(const League& league);
int SquadLimit(const League& league);
/// Teams 1..TeamCount + OtherTeamCount the array holds.
int AllTeamLimit(const League& league);

/// Game g (1..GameCount + CupGameCount), or null.
const GameRec* GameAt(const League& league, int g);
/// Player p (1..PlayerCount), or null.
const PlayerRec* PlayerAt(const League& league, int p);
/// The name of team t (0..TeamCount + OtherTeamCount; 0 is "Transferred-Out"), "" for any other.
std::string_view TeamName(const League& league, int t);
/// The name of player p, "" when there is no such player.
std::string_view PlayerName(const League& league, int p);
/// The name of player p's current team ("Transferred-Out" for team 0).
std::string_view PlayerTeamName(const League& league, int p);
/// The other side of a game from team `teamFor`: HomeTeam when it differs, else AwayTeam.
inline int OtherTeam(const GameRec& game, int teamFor) {
    return game.HomeTeam != teamFor ? game.HomeTeam : game.AwayTeam;
}
/// A day number as a short date; "" for no date.
std::string DateText(int day, const Locale& locale);

/// Dense ranks of names, so that sorts compare integers: a smaller rank sorts first and equal
/// names share a rank. Names compare by character code, or in upper case when `upperCase`.
/// A radix sort eight characters at a time: time in proportion to the characters that tell the
/// names apart. `order`, when given, receives the name indices by rank, equal names in index
/// order.
std::vector<int> RankNames(const std::vector<std::string_view>& names, bool upperCase,
                           std::vector<int>* order = nullptr);

/// Sorts rows stably by an integer key, ascending or descending: a counting sort when the keys
/// span a range not much larger than the number of rows, else a merge sort. Calls from the least
/// to the most significant key sort by all of them, rows equal in every key keeping their order.
/// Rows already in order cost one reading of their keys.
template <typename T, typename Key>
void StableSortByKey(std::vector<T>& rows, Key key, bool descending = false) {
    const std::size_t n = rows.size();
    if (n < 2)
        return;
    long long lo = LLONG_MAX;
    long long hi = LLONG_MIN;
    bool ordered = true; // already in order: nothing to do
    long long previous = key(rows.front());
    for (const T& row : rows) {
        const long long k = key(row);
        lo = std::min(lo, k);
        hi = std::max(hi, k);
        ordered = ordered && (descending ? k <= previous : k >= previous);
        previous = k;
    }
    if (ordered)
        return;
    auto slot = [&](const T& row) {
        const long long k = key(row);
        return static_cast<std::size_t>(descending ? hi - k : k - lo);
    };
    const unsigned long long span = static_cast<unsigned long long>(hi - lo);
    if (span > 4 * static_cast<unsigned long long>(n) + 1024) {
        std::stable_sort(rows.begin(), rows.end(), [&](const T& a, const T& b) { return slot(a) < slot(b); });
        return;
    }
    std::vector<std::size_t> start(static_cast<std::size_t>(span) + 2, 0);
    for (const T& row : rows)
        ++start[slot(row) + 1];
    for (std::size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    std::vector<T> sorted(n);
    for (T& row : rows)
        sorted[start[slot(row)]++] = std::move(row);
    rows = std::move(sorted);
}

} // namespace gorlin
