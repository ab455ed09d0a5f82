#pragma once

#include "core/model/League.h"

#include <array>
#include <string>
#include <vector>

namespace gorlin {

/// "Table Content" choices.
enum ContentMode : int { kPlayedGames = 0, kPlayedPredicted = 1, kCurrentForm = 2 };
/// "Game Selection" choices.
enum SideMode : int { kHomeAndAway = 0, kHomeOnly = 1, kAwayOnly = 2 };

/// One league team's standings. The game counts are 16-bit so that a league whose teams meet
/// eight times (up to 248 games a team) never wraps them.
struct TotalsRec {
    u16 Played = 0;
    u16 HomeWon = 0;
    u16 HomeDrawn = 0;
    u16 HomeLost = 0;
    i16 HomeFor = 0;
    i16 HomeAgainst = 0;
    u16 AwayWon = 0;
    u16 AwayDrawn = 0;
    u16 AwayLost = 0;
    i16 AwayFor = 0;
    i16 AwayAgainst = 0;
    i16 Points = 0;
    i16 GoalDiff = 0;
    i16 PossPoints = 0;
    i16 PointsPct = 0; // Points * 100 / Played, 0 when nothing was played
    double GoalAverage = 0.0;
    u8 Increment = 0;
    u8 PrevPos = 0; // position seven days before the end of the range (table view only)

    int Won() const { return HomeWon + AwayWon; }
    int Drawn() const { return HomeDrawn + AwayDrawn; }
    int Lost() const { return HomeLost + AwayLost; }
    int GoalsFor() const { return HomeFor + AwayFor; }
    int GoalsAgainst() const { return HomeAgainst + AwayAgainst; }
};

/// The result of one FillTable call.
struct Standings {
    std::array<TotalsRec, kMaxTeams + 1> TeamTotals{}; // 1..TeamCount
    std::array<i16, kMaxTeams + 1> TableOrder{};       // 1..TableSize, team indices by rank
    int TableSize = 0;                                 // teams in the table
    std::vector<bool> GameCounted;                     // 1..GameCount
};

struct FillTableArgs {
    int Content = kPlayedGames;
    int Side = kHomeAndAway;
    bool IgnoreSelection = false;
    int FromDate = 0; // inclusive day numbers
    int ToDate = 0;
    int FormGames = 10; // the FormGames setting
};

/// Counts the league games of the selection and ranks the teams by the active sort rules.
/// `previous` (may be null) supplies the PrevPos values that survive the call.
/// Every collected game of a team takes part, however many there are (no 100-game cap).
Standings FillTable(const League& league, const FillTableArgs& args, const Standings* previous = nullptr);

/// A game's date as a whole day number; damaged values (NaN, out of range) read as 0.
int GameDay(const GameRec& game);

/// The selection in force for a league: CurrentSel when it names a used slot 1..8, else 0.
int SelectionInForce(const League& league);

/// Games each team plays in a season, in 16-bit arithmetic as the file's counts are:
/// (GameCount div TeamCount) * 2 when TeamCount * (TeamCount - 1) <= GameCount, else
/// TeamCount - 1; halved for one side only. 0 for a league without teams.
i16 GamesPerTeam(const DivHead& head, int side);

/// True when the team at position i of TableOrder must change places with the one at i + 1
/// under the league's SortRules (head-to-head from the GameCounted games of `standings`).
bool RuleSwap(const League& league, const Standings& standings, int i);

/// Head-to-head points `team` won against `opponent` in the counted games of `standings`.
int AggregatePoints(const League& league, const Standings& standings, int team, int opponent);

/// Ranks TableOrder[1..TableSize] with the neighbour-exchange passes whose order rule 6 depends
/// on: for k = n-1 down to 1, for i = 1..k, swap when RuleSwap(i).
void RankTable(const League& league, Standings& standings);

/// League-only points and games of every team: all played league games, no filters, plus
/// PointsAdjust. Signed and wide: a deduction larger than the points won shows as negative.
struct TeamData {
    std::array<int, kMaxTeams + 1> LeaguePoints{};
    std::array<int, kMaxTeams + 1> LeaguePlayed{};
};
TeamData CalcTeamData(const League& league);

/// The match dates the league table's date range snaps to, and the range and up-down states.
/// MatchDates is 1-based in meaning but stored 0-based here: entry p of the up-downs is
/// MatchDates[p - 1]. There is no limit on the number of dates.
struct DateTable {
    std::vector<int> MatchDates; // ascending, distinct
    int FromDate = 0;
    int ToDate = 0;
    int UpDownMin = 0; // both up-downs share the range 1..count, or 0..0 when empty
    int UpDownMax = 0;
    int FromPos = 0; // positions of the from and to up-downs (0 when empty)
    int ToPos = 0;
};

/// Rebuilds the match dates for a content mode: the dates of played games, plus those of
/// predicted dated fixtures for content 1; the range is the whole table, or today at both ends
/// when there are no dates.
DateTable BuildDateTable(const League& league, int content, int today);

/// Up-down position (1..count) a date picked for the from end snaps to: the first match date on
/// or after it (the last when it is later than all). 0 when there are no dates.
int SnapFromPosition(const std::vector<int>& matchDates, int picked);
/// Up-down position (1..count) a date picked for the to end snaps to: the last match date on or
/// before it (the first when it is earlier than all). 0 when there are no dates.
int SnapToPosition(const std::vector<int>& matchDates, int picked);

/// Applies a picked date (0 = calendar cancelled, no change) to the from or to end of the range.
void PickFromDate(DateTable& table, int picked);
void PickToDate(DateTable& table, int picked);
/// Steps an up-down to position p (1..count); out-of-range positions change nothing.
void StepFromDate(DateTable& table, int position);
void StepToDate(DateTable& table, int position);

/// The note printed under a table of this content ("" when there is none).
std::string TableNote(int content, int side);

} // namespace gorlin
