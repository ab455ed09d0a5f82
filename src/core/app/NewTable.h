#pragma once

#include "core/app/BaseTables.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The range a value of a new table may take, and the value a new table starts with.
struct ValueRange {
    int Min;
    int Max;
    int Default;
    constexpr bool Contains(int value) const { return value >= Min && value <= Max; }
};

inline constexpr ValueRange kTeamCountRange{4, kMaxTeams, 4};
inline constexpr ValueRange kTimesToPlayRange{0, kMaxTimesToPlay, 2};
inline constexpr ValueRange kWinPointsRange{1, 9, 3};
inline constexpr ValueRange kDrawPointsRange{1, 5, 1};
inline constexpr ValueRange kLossPointsRange{0, 4, 0};
/// Promotion, promotion play-off, relegation and relegation play-off places.
inline constexpr ValueRange kPlacesRange{0, 9, 0};
/// Players in a starting line-up, substitutes not counted.
inline constexpr ValueRange kTeamSizeRange{5, 11, 11};
/// Minutes in one half.
inline constexpr ValueRange kHalfLengthRange{10, 45, 45};

/// Longest table name and team name a new table keeps.
inline constexpr std::size_t kNewNameMax = 30;
/// The sort rules a new table starts with.
inline constexpr const char* kNewTableSortRules = "1234";

inline constexpr const char* kTableNameMissingMessage = "Please enter a name for the new table";
inline constexpr const char* kDuplicateTeamNamesMessage = "Duplicate team names entered, please correct";

/// Everything a new table is made of. Texts are Windows-1252. Every member starts at the value
/// the new-table wizard starts with, so a caller sets only what the user chose.
struct NewTableInput {
    std::string TableName;
    /// The league teams in any order: they are numbered alphabetically (SortTeamNames).
    std::vector<std::string> TeamNames;
    /// How often each pair of teams meets; 0 = no fixed schedule.
    int TimesToPlay = kTimesToPlayRange.Default;
    int WinPoints = kWinPointsRange.Default;
    int DrawPoints = kDrawPointsRange.Default;
    int LossPoints = kLossPointsRange.Default;
    /// The user's own team, one of TeamNames; empty = none.
    std::string OwnTeam;
    int Promoted = kPlacesRange.Default;
    int PlayOffs = kPlacesRange.Default;
    int Relegated = kPlacesRange.Default;
    int RelPlayOffs = kPlacesRange.Default;
    int TeamSize = kTeamSizeRange.Default;
    int HalfLength = kHalfLengthRange.Default;
    /// The base tables when building from existing tables; copying needs them.
    std::optional<BaseTables> Base;
    /// Copy the players of every base team whose name equals a new team's name.
    bool CopyPlayers = false;
    /// Copy the referees of the base tables (exact duplicates merged, at most 250).
    bool CopyReferees = false;
};

/// A name as a new table stores it: blanks at both ends removed, cut to 30 characters.
std::string TidyName(std::string_view typed);

/// The order of the team-name list: without regard to case, names that differ only in case by
/// character code. New teams are numbered in this order.
bool TeamNameBefore(std::string_view a, std::string_view b);
/// The names in team-name list order.
std::vector<std::string> SortTeamNames(std::vector<std::string> names);

/// Every check of the input, first failure first: the table name, the number of teams (4 to
/// 32), empty and duplicate team names (compared exactly, after TidyName), each value
/// against its range, and the own team. Returns the message of the first failure.
Status CheckNewTableInput(const NewTableInput& input);

/// Builds the new league: header, teams in alphabetical order, every league fixture unplayed
/// (for each double round every ordered pair grouped by home team, then for an odd number of
/// meetings one single round 1-2, 1-3, ..., (N-1)-N), and the players and referees copied from
/// the base tables when asked. Fails with the message of CheckNewTableInput, or when the
/// players to copy exceed the 5800 a table holds.
Expected<League> BuildNewLeague(const NewTableInput& input);

/// Writes a newly built league to path in the full layout (version 46), with no backup: there
/// is nothing to keep.
Status SaveNewLeague(League& league, const std::filesystem::path& path);

} // namespace gorlin
