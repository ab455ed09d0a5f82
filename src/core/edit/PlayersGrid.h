#pragma once

#include "core/edit/TeamList.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// "Players for:" standing for every player ("[All Teams]"); team 0 is "Transferred-Out".
inline constexpr int kAllPlayers = -1;

/// The team an item of the "Players for:" chooser (TeamListItems with "Transferred-Out") shows:
/// kAllPlayers for the first item, else the item's team.
int PlayersTeamOfItem(const std::vector<TeamListItem>& items, int item);

/// The columns of the players grid, in order; clicking a heading sorts by that column.
enum class PlayerColumn : int { No, Player, Team, Position, Goals };
inline constexpr std::array<const char*, 5> kPlayerHeadings = {"No.", "Player", "Team", "Position", "Goals"};

/// One row of the grid: the cell texts and the keys they sort by.
struct PlayersPageRow {
    int Player = 0;
    std::array<std::string, 5> Cells; // "No.", "Player", "Team", "Position", "Goals"
    int SquadNo = 0;
    int Position = 0;
    int Goals = 0; // own goals excluded
};

/// Position names 0..9 (the Positions setting).
using PositionNames = std::array<std::string, 10>;

/// The players grid of the "Players" page. The column sorted by last is kept for every refill
/// ("Player" when the league is opened). Sorting: "No." squad number ascending (blank first);
/// "Player" name ignoring case; "Team" team name by character code, then name ignoring case;
/// "Position" position ascending with "Not Specified" last, then name; "Goals" most first, then
/// name. Rows equal in every key keep player index order.
class PlayersGrid {
public:
    /// The rows for `team` (kAllPlayers, 0 for "Transferred-Out", or a team), sorted.
    std::vector<PlayersPageRow> Fill(const League& league, int team, const PositionNames& positions) const;
    /// A click on a heading: keeps the column and sorts the rows by it.
    void SortBy(PlayerColumn column, std::vector<PlayersPageRow>& rows);
    PlayerColumn SortColumn() const { return m_column; }

    static void Sort(PlayerColumn column, std::vector<PlayersPageRow>& rows);

private:
    PlayerColumn m_column = PlayerColumn::Player;
};

/// "Delete": a player who scored a goal (own goals too), missed a penalty or is entered in any
/// squad (a substitute who never came on as well) is refused with "The selected player has goals
/// assigned or appears in a squad. Delete not performed."; on success the caller asks
/// DeletePlayerQuestion and, on Yes, runs DeletePlayer.
Status CheckDeletePlayer(const League& league, int player);
/// "Are you sure you want to delete %s of %s" (player, team).
std::string DeletePlayerQuestion(const League& league, int player);

/// The player of `team` (0 for "Transferred-Out") with that exact name, or "There is no player
/// called %s in %s".
Expected<int> FindPlayer(const League& league, int team, std::string_view name);
/// The same by team name: "Transferred-Out" or a team's exact name ("There is no team called %s").
Expected<int> FindPlayer(const League& league, std::string_view teamName, std::string_view name);

} // namespace gorlin
