#pragma once

#include "core/edit/TeamList.h"
#include "core/engine/ChartGeometry.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <vector>

namespace gorlin {

/// One entry of the scorer table. The counters are plain ints: no count wraps.
struct ScorerEntry {
    int Player = 0;
    int Goals = 0; // goals that are not own goals, penalties included
    int OwnGoals = 0;
    int PensScored = 0;
    int PensMissed = 0;
};

/// More than two goals of one player in one run of goal records of a game.
struct HatTrick {
    int Player = 0;
    int Goals = 0;
    int Game = 0;
    int Team = 0; // the team the goals counted for
};

// Grid rows carry the figures and the keys their sorts compare; their texts come from the cell
// functions below, on demand (a page may hold thousands of rows and show a screenful). The name
// ranks order the names of one GoalStats result (equal names share a rank).

/// A row of the hat-trick grid sgGoalsPerMatch: "Goals", "Player", "Game", "Date".
struct HatTrickRow {
    HatTrick Item;
    int Date = 0;     // day number of the game
    int NameRank = 0; // the player's name, in upper case
    int TeamRank = 0; // the scoring team's name
};

/// A row of the penalties grid sgPens ("Player", "Team", "Scored", "Missed") or of the own-goals
/// grid sgOwnGoals ("Player", "Team", "Scored").
struct PlayerGoalsRow {
    int Player = 0;
    int Scored = 0;       // penalties scored, or own goals
    int Missed = 0;       // penalties missed (penalties grid only)
    int NameRank = 0;     // the player's name
    int TeamRank = 0;     // the name of the player's current team
    bool OwnTeam = false; // the Team cell is the own team's name
};

/// A row of the by-team grid sgTeamGoals: "Team", "Games", "For", "Against", "Pens", "OG's",
/// "C/S".
struct TeamGoalsRow {
    int Team = 0;
    int Games = 0;
    int For = 0;
    int Against = 0;
    int Pens = 0;
    int OwnGoals = 0; // own goals scored by the team's players (for the opponents)
    int CleanSheets = 0;
    int NameRank = 0;
    bool OwnTeam = false;
};

/// The goal-time distribution: bucket k (1..BucketCount) counts the goals of minutes
/// (k - 1) * BucketLength + 1 .. k * BucketLength; the last bucket also every later minute.
struct GoalTimes {
    int BucketLength = 5;
    int BucketCount = 19;
    std::vector<int> Counts; // 1..BucketCount, entry 0 unused
};

/// The current sort column (1-based) of each grid of the goal page.
struct GoalSortKeys {
    int GoalsPerMatch = 1;
    int Pens = 1;
    int OwnGoals = 1;
    int TeamGoals = 1;
};

/// Everything the goal page shows except the chart.
struct GoalStatsData {
    /// Players with goals, own goals or missed penalties: goals descending, then name compared in
    /// upper case; equal entries keep player-index order.
    std::vector<ScorerEntry> Scorers;
    /// The top-scorers list lbTopScorers: the first TopScorerCount entries of Scorers, those with
    /// two goals or more (TopScorerText gives an item's text).
    int TopScorerCount = 0;
    int PensScored = 0; // penalties of known scorers
    int PensMissed = 0; // every missed penalty, its player known or not
    /// Per team index 0..TeamCount + OtherTeamCount: penalties the team took and had taken
    /// against it.
    std::vector<int> PensAwarded;
    std::vector<int> PensConceded;
    std::string lbPenScored;
    std::string lbPenMissed;
    std::string lbPenCon;            // "count (team)" of the lowest-indexed team conceding most; "" when none
    std::string lbPenAward;          // likewise for penalties awarded
    std::vector<HatTrick> HatTricks; // in the order GoalsPerMatch finds them
    std::vector<HatTrickRow> sgGoalsPerMatch;
    std::vector<PlayerGoalsRow> sgPens;
    std::vector<PlayerGoalsRow> sgOwnGoals;
    std::vector<TeamGoalsRow> sgTeamGoals;
    GoalTimes Times; // the goal-time chart of all teams ("*** All Teams ***")
    GoalSortKeys SortKeys;
    std::string OwnTeamName; // drawn in the own-team colour where it occurs; "" without own team
};

/// Headings of the four grids.
const std::vector<std::string>& GoalsPerMatchHeadings();
const std::vector<std::string>& PensHeadings();
const std::vector<std::string>& OwnGoalsHeadings();
const std::vector<std::string>& TeamGoalsHeadings();

/// An item of the top-scorers list: goals, " ", name, " (", the name of the player's current
/// team, ")" (Windows-1252).
std::string TopScorerText(const League& league, const ScorerEntry& entry);

/// Cell texts (Windows-1252) of the grids' rows, by column 0..headings - 1; "" past the last.
/// The hat-trick Game cell is "home v away" with the scoring team's name in brackets.
std::string HatTrickCell(const League& league, const HatTrickRow& row, int column, const Locale& locale);
std::string PlayerGoalsCell(const League& league, const PlayerGoalsRow& row, int column);
std::string TeamGoalsCell(const League& league, const TeamGoalsRow& row, int column);
/// Every cell of a row (the penalties grid has four columns, the own-goals grid three).
std::vector<std::string> HatTrickCells(const League& league, const HatTrickRow& row, const Locale& locale);
std::vector<std::string> PlayerGoalsCells(const League& league, const PlayerGoalsRow& row, int columns);
std::vector<std::string> TeamGoalsCells(const League& league, const TeamGoalsRow& row);

/// Counts the goals, missed penalties and played games that pass the game filter and fills the
/// lists, summary and grids, each grid sorted by its key.
GoalStatsData GoalStats(const League& league, int gameType, const GoalSortKeys& keys = {});

/// The hat-tricks: goal records 1..GoalCount in order, a run of records of one game forming one
/// game; records failing the filter are skipped without ending the run; own goals and goals of
/// unknown scorers are not tallied. A player whose goals of a game are split over several runs
/// is tallied per run.
std::vector<HatTrick> GoalsPerMatch(const League& league, int gameType);

/// Header clicks: each sorts the rows of one result in place by the column's order, keeping the
/// previous order of rows equal in every key. A key outside the grid's columns changes nothing.
/// Hat-tricks: Goals desc / Player / scoring team / Date (names in upper case).
void SortGoalsPerMatch(std::vector<HatTrickRow>& rows, int key);
/// Penalties: Player / Team / Scored desc / Missed desc (names by character code).
void SortPens(std::vector<PlayerGoalsRow>& rows, int key);
/// Own goals: Player / Team / Scored desc (names by character code).
void SortOwnGoals(std::vector<PlayerGoalsRow>& rows, int key);
/// By team: Team ascending; any other column descending, ties by team name.
void SortTeamGoals(std::vector<TeamGoalsRow>& rows, int key);

/// Bucket length in minutes for a half length.
int GoalBucketLength(int halfLength);
/// The bucket a goal minute (> 0) falls in.
int GoalBucket(int minute, int bucketLength, int bucketCount);
/// Counts the goals with a known minute that pass the filter and, when team is not 0, count for
/// that team (own goals and unknown scorers included).
GoalTimes GoalTimeBuckets(const League& league, int gameType, int team);
/// Fill of bucket k: blue in the first half, red in the second, yellow for the last.
Colour BucketColour(int k, int bucketCount);
/// The chart for a box of width x height: a rectangle per bucket with goals, a short black line
/// on the bottom row per empty bucket; nothing when no goal was counted.
std::vector<Shape> GoalGraph(const GoalTimes& times, int width, int height);

/// The chart's team chooser cbGdTeam: "*** All Teams ***" (team 0), then the league teams by
/// name (character code; equal names keep index order).
std::vector<TeamListItem> GoalChartTeams(const League& league);

} // namespace gorlin
