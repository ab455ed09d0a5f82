#pragma once

#include "core/model/Expected.h"
#include "core/model/Records.h"

#include <filesystem>
#include <string>
#include <vector>

namespace gorlin {

/// A new table is based on at most this many existing tables.
inline constexpr int kMaxBaseTables = 3;
/// The oldest file version a base table may have.
inline constexpr int kMinBaseFileVersion = 45;

inline constexpr const char* kBaseTableCountMessage =
    "You must select at least one and not more than three tables";
inline constexpr const char* kDownlevelMessage = "One or more selected base file is downlevel";

/// One league team of a base table, with its tick on the team selection page.
struct BaseTeam {
    std::string Name; // Windows-1252, tidied by TidyName
    bool Ticked = false;
};

/// What the base tables bring to a new table.
struct BaseTables {
    /// League teams of each used slot, slot 1 first (index 0).
    std::vector<int> SlotTeamCounts;
    /// The base teams, 1-based (entry 0 unused): slot 1's league teams in file order, then slot
    /// 2's, then slot 3's. A team's index is its base team number.
    std::vector<BaseTeam> Teams{1};
    /// Players of the base files' league teams, in file order; Team is the base team number.
    std::vector<PlayerRec> Players;
    /// Every referee of every base file, in file order, duplicates kept.
    std::vector<RefereeRec> Referees;

    int TeamCount() const { return static_cast<int>(Teams.size()) - 1; }
    int SlotCount() const { return static_cast<int>(SlotTeamCounts.size()); }
    /// Base team number of the first team of slot 1..SlotCount() (one past the last team
    /// before it, so an empty slot's range is empty).
    int FirstTeamOfSlot(int slot) const;
    /// Number of league teams of the slot (0 for a slot that is not used).
    int TeamsOfSlot(int slot) const;
    /// "Select All" (true) or "Clear All" (false) on the slot's tab.
    void TickSlot(int slot, bool ticked);
    int TickedCount() const;
    /// Names of the ticked teams in base order.
    std::vector<std::string> TickedNames() const;
    /// Every base team name once, in base order (the first of equal names kept).
    std::vector<std::string> DistinctNames() const;
};

/// The count check of the table list: 1 to 3 tables must be chosen.
Status CheckBaseTableCount(int selected);

/// Reads the base files in slot order (1 to 3 of them, else the count message). A file below
/// version 45 stops the reading with the downlevel message; a file that cannot be read, is not a
/// league file or is damaged stops it with a message naming the file. Every league team is
/// taken unticked, its name tidied as a new team's (TidyName) so that it matches the name it
/// gets in the new table; players of other teams and of none are dropped.
Expected<BaseTables> LoadBaseFiles(const std::vector<std::filesystem::path>& files);

} // namespace gorlin
