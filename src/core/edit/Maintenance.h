#pragma once

#include "core/edit/TeamList.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

// The "Table", "Teams" and "Referees" maintenance pages. Every change is range-checked here and
// refused with the message the user sees (the page and the command line share these), stored
// at once, and sets DataChanged only when something changed. Texts are Windows-1252 bytes.

/// The maintenance pages in tab order.
enum class MaintenancePage : int { Table, Results, Goals, Players, Teams, SortRules, Referees };

/// Run when a maintenance page is shown: clears SortRulesChanged and returns the page's help
/// context, 900 + 10 x its tab position (900 for "Table").
int SetUpMaintenancePage(League& league, MaintenancePage page);

// "Table" page.

/// Name of the team whose choice as own team plays the own-team sound.
inline constexpr const char* kSoundTeamName = "Everton";
/// The "Teams" page's refusal.
inline constexpr const char* kNoMoreLeagueTeamsMessage = "You cannot delete any more League Teams";

/// The numeric settings of the "Table" page.
enum class TableSetting : int {
    Promoted,
    PlayOffs,
    Relegated,
    RelPlayOffs,
    WinPoints,
    DrawPoints,
    LossPoints,
    HalfLength
};

struct SettingRange {
    int Min = 0;
    int Max = 0;
};

/// The range a setting accepts ("Points for a win:" 1..9, half length 10..45, ...).
SettingRange RangeOf(TableSetting setting);
/// The setting's stored value.
int TableSettingValue(const League& league, TableSetting setting);
/// Stores a value of the setting's range; outside it, refuses with a message naming the range.
Status SetTableSetting(League& league, TableSetting setting, int value);

/// "Table Name:": stores a text of 1..30 characters that differs from TableName and sets
/// FileListStale (the folder window rebuilds its list). An empty or longer text is refused.
Status SetTableName(League& league, std::string_view name);

/// "Select own team:": "*** None ***" (team 0), then the league teams in index order.
std::vector<TeamListItem> OwnTeamItems(const League& league);
/// The item showing OwnTeam (0 when it names no league team).
int OwnTeamItem(const League& league);
/// Chooses the own team (0 none, else a league team). The value is true when the choice changed
/// OwnTeam to the team whose name is exactly "Everton": the caller plays the own-team sound.
Expected<bool> SetOwnTeam(League& league, int team);

// "Teams" page.

/// The picture beside a team of the "Teams" list.
enum class TeamPicture : int { League, Cup };

struct TeamsPageItem {
    std::string Name;
    int Team = 0;
    TeamPicture Picture = TeamPicture::League;
};

/// Every team 1..TeamCount + OtherTeamCount, by name (byte order; equal names in index order).
std::vector<TeamsPageItem> TeamsPageItems(const League& league);

/// What the up-downs show for a team; they are enabled for league teams only.
struct TeamValues {
    int PointsAdjust = 0;
    int Increment = 0;
    bool Enabled = false;
};
TeamValues TeamPageValues(const League& league, int team);

/// "Added or Deducted Points:" -20..20 and "Increment:" 0..32, league teams only.
Status SetPointsAdjust(League& league, int team, int value);
Status SetIncrement(League& league, int team, int value);

/// "Update": renames team 1..TeamCount + OtherTeamCount in place (a name of 1..30 characters;
/// another team's name is accepted). Sets DataChanged.
Status RenameTeam(League& league, int team, std::string_view name);

/// "Delete": refuses a league team while fewer than five remain ("You cannot delete any more
/// League Teams"); a non-league team can always go. On success the caller asks
/// DeleteTeamQuestion and, on Yes, runs DeleteTeam.
Status CheckDeleteTeam(const League& league, int team);
/// "Are you sure you want to delete %s and all their games and players ?"
std::string DeleteTeamQuestion(const League& league, int team);

/// The team 1..TeamCount + OtherTeamCount of that exact name (GetTeamID), or "There is no team
/// called %s".
Expected<int> FindTeam(const League& league, std::string_view name);

// "Referees" page (the grid is the referee statistics with cup games).

/// "Add" is enabled below 250 referees.
bool CanAddReferee(const League& league);
/// The referee 1..RefereeCount of that exact name, or "There is no referee called %s".
Expected<int> FindReferee(const League& league, std::string_view name);
/// "Are you sure you want to delete referee %s"
std::string DeleteRefereeQuestion(const League& league, int referee);
/// Removes a referee: later referees move down one place and every game, played or not (a
/// fixture keeps the referee of a deleted result), that names it gets referee 0, one naming a
/// later referee has its link lowered by one. Sets DataChanged.
Status DeleteReferee(League& league, int referee);

} // namespace gorlin
