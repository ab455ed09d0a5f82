#pragma once

// The three grids of the team statistics page: cells, headings, sort keys and the header-click
// rule, plus the players grid's column chooser. Texts are Windows-1252 bytes.

#include "core/app/Settings.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

enum class CellAlign { Left, Centre, Right };

/// Columns of the results grid `sgGames`.
enum ResultsColumn : int {
    kResComp = 0,
    kResDate,
    kResAttend,
    kResHomeAway,
    kResOpposition,
    kResFor,
    kResAgainst,
    kResColumns
};
/// Columns of the fixtures grid `sgFixtures`.
enum FixturesColumn : int {
    kTeamFixComp = 0,
    kTeamFixDate,
    kTeamFixHomeAway,
    kTeamFixOpposition,
    kTeamFixFor,
    kTeamFixAgainst,
    kTeamFixColumns
};

const std::vector<std::string>& ResultsHeadings();
const std::vector<std::string>& FixturesHeadings();
const std::vector<CellAlign>& ResultsAlignment();
const std::vector<CellAlign>& FixturesAlignment();

/// Sort state of the results or fixtures grid: a column and whether its second order is in force.
struct GridSort {
    int Column = 1; // Date
    bool Second = false;
    friend bool operator==(const GridSort&, const GridSort&) = default;
};

/// The header-click rule: a click on the column already sorted in its first order selects its
/// second order; every other click selects the clicked column's first order.
GridSort ClickHeading(GridSort current, int column);

/// The sort states of the page's grids, kept for the life of the league window.
struct TeamStatsSorts {
    GridSort Results{kResDate, false};      // most recent first
    GridSort Fixtures{kTeamFixDate, false}; // earliest first
    char Players = 0;                       // a column letter; 0 = InitialPlayerSort of the columns
};

/// The players grid's first sort: by name ("B") when that column is shown, else by squad number.
char InitialPlayerSort(std::string_view playerColumns);

/// One row of the results grid, with the keys its sorts compare.
struct TeamResultRow {
    int Game = 0;
    std::vector<std::string> Cells; // Comp, Date, Attend, H/A, Opposition, F, A
    bool OwnTeamOpponent = false;   // Opposition in the own-team colour
    int Comp = 0;
    int Day = 0;
    u32 Attendance = 0;
    bool Home = false;
    std::string Opponent; // name
    int For = 0;
    int Against = 0;
};

/// One row of the fixtures grid.
struct TeamFixtureRow {
    int Game = 0;
    std::vector<std::string> Cells; // Comp, Date, H/A, Opposition, P-F, P-A
    int Comp = 0;
    int Day = 0; // 0 when undated: sorts as day 0
    bool Home = false;
    std::string Opponent;
    int For = 0;
    int Against = 0;
};

/// A played game of `team` as a results row (an undated game shows a blank date).
TeamResultRow MakeResultRow(const League& league, int game, int team, const Locale& locale);
/// An unplayed game of `team` as a fixtures row; P-F and P-A are the predicted goals seen from
/// the team.
TeamFixtureRow MakeFixtureRow(const League& league, int game, int team, const Locale& locale);

/// Sorts rows in place by a sort state. Equal keys keep their previous order (stable).
void SortResults(std::vector<TeamResultRow>& rows, GridSort sort);
void SortFixtures(std::vector<TeamFixtureRow>& rows, GridSort sort);

/// A player's figures for one team: goals, cards, appearances and ratings in the team's games.
/// Counters are wide enough for every game a file can hold.
struct TeamPlayerStat {
    int Player = 0;
    int OwnGoals = 0;
    int Penalties = 0;
    int GoalsFor = 0;   // for this team
    int GoalsTotal = 0; // for any team
    int Appearances = 0;
    int NoTimeOff = 0; // squad entries without a leaving time
    int Yellow = 0;
    int Red = 0;
    int Rated = 0;
    long long RatingTotal = 0;
    int AverageRating = 0; // RatingTotal div Rated, 0 when none
};

/// One row of the players grid `sgTmPlayers`.
struct TeamPlayerRow {
    TeamPlayerStat Stat;
    std::vector<std::string> Cells; // one per column letter shown
    // Keys from the player's record.
    std::string Name;
    std::string NameKey; // the name in ASCII capitals: its byte order is the case-insensitive order
    int SquadNo = 0;
    int Position = 0;
    int BirthDate = 0;
    u32 Cost = 0;
    int Foreign = 0;
};

/// The last letter of the players grid's catalogue and the columns shown by default.
inline constexpr char kLastPlayerColumn = 'N';
inline constexpr const char* kDefaultPlayerCols = "ABCDEFGHI";

/// The columns a PlayerCols setting shows: its letters A..N in order (lower case counts as the
/// capital), each once; anything else is skipped. A setting with no usable letter shows the
/// default columns.
std::string PlayerColumns(std::string_view playerCols);

/// Header text of a column letter ("SN", "Player", ..., "Rating"); "" outside A..N.
const char* PlayerHeading(char letter);
/// Headings of the shown columns.
std::vector<std::string> PlayerHeadings(std::string_view columns);
/// Names and positions are left-aligned, every other column right-aligned.
CellAlign PlayerAlignment(char letter);

/// The row of a player's figures: the cells of `columns` (see PlayerColumns). Ages count whole
/// years up to locale.Today.
TeamPlayerRow MakePlayerRow(const League& league, const TeamPlayerStat& stat, std::string_view columns,
                            const Settings& settings, const Locale& locale);
/// Cell text of one column letter of a row.
std::string PlayerCell(const TeamPlayerRow& row, char letter, const Settings& settings, const Locale& locale);

/// Sorts the players grid by a column letter in the column's one order; equal keys keep their
/// previous order. A letter outside A..N changes nothing.
void SortPlayers(std::vector<TeamPlayerRow>& rows, char letter);

/// The player-column chooser ("Columns..."): the displayed letters in order and the rules of
/// its buttons. Indexes are 0-based positions in the two lists; invalid ones are refused.
class PlayerColumnChooser {
public:
    explicit PlayerColumnChooser(std::string_view playerCols);

    /// The chooser's words for a letter ("Squad Number", ...); "" outside A..N.
    static const char* Caption(char letter);

    const std::string& Displayed() const { return m_displayed; }
    /// The letters A..N not displayed, in letter order.
    std::string Available() const;

    bool CanAdd(int availableIndex) const;
    bool CanRemove(int displayedIndex) const;
    bool CanUp(int displayedIndex) const;
    bool CanDown(int displayedIndex) const;
    /// OK needs at least three displayed columns.
    bool CanOk() const { return m_displayed.size() >= 3; }

    /// Appends the available letter to the displayed ones; returns its displayed index (-1 refused).
    int Add(int availableIndex);
    /// Returns the letter to the available list; returns false when refused.
    bool Remove(int displayedIndex);
    /// Moves a displayed letter one place; returns its new index (the old one when refused).
    int Up(int displayedIndex);
    int Down(int displayedIndex);
    void Default() { m_displayed = kDefaultPlayerCols; }

private:
    std::string m_displayed;
};

} // namespace gorlin
