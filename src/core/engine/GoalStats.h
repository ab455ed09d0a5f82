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

/// An item of a list box with the index it stands for.
struct ScorerItem {
    std::string Text; // Windows-1252
    int Player = 0;
};

/// More than two goals of one player in one run of goal records of a game.
struct HatTrick {
    int Player = 0;
    int Goals = 0;
    int Game = 0;
    int Team = 0; // the team the goals counted for
};

/// A row of the hat-trick grid: cells "Goals", "Player", "Game", "Date".
struct HatTrickRow {
    HatTrick Item;
    int Date = 0;                   // day number of the game
    std::string ScoringTeam;        // name of Item.Team
    std::vector<std::string> Cells; // Windows-1252
};

/// A row of the penalties grid ("Player", "Team", "Scored", "Missed") or of the own-goals grid
/// ("Player", "Team", "Scored").
struct PlayerGoalsRow {
    int Player = 0;
    int Scored = 0;       // penalties scored, or own goals
    int Missed = 0;       // penalties missed (penalties grid only)
    bool OwnTeam = false; // the Team cell is the own team's name
    std::vector<std::string> Cells;
};

/// A row of the by-team grid: "Team", "Games", "For", "Against", "Pens", "OG's", "C/S".
struct TeamGoalsRow {
    int Team = 0;
    int Games = 0;
    int For = 0;
    int Against = 0;
    int Pens = 0;
    int OwnGoals = 0; // own goals scored by the team's players (for the opponents)
    int CleanSheets = 0;
    bool OwnTeam = false;
    std::vector<std::string> Cells;
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
    /// Every scorer with two goals or more: "goals name (current team)".
    std::vector<ScorerItem> lbTopScorers;
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
    std::vector<HatTrick> HatTricks; // in the order GoalsPerMatch found them
    std::vector<HatTrickRow> sgGoalsPerMatch;
    std::vector<PlayerGoalsRow> sgPens;
    std::vector<PlayerGoalsRow> sgOwnGoals;
    std::vector<TeamGoalsRow> sgTeamGoals;
    GoalSortKeys SortKeys;
    std::string OwnTeamName; // drawn in the own-team colour where it occurs; "" without own team
};

/// Headings of the four grids.
const std::vector<std::string>& GoalsPerMatchHeadings();
const std::vector<std::string>& PensHeadings();
const std::vector<std::string>& OwnGoalsHeadings();
const std::vector<std::string>& TeamGoalsHeadings();

/// Counts the goals, missed penalties and played games that pass the game filter and fills the
/// lists, summary and grids, each grid sorted by its key.
GoalStatsData GoalStats(const League& league, int gameType, const Locale& locale,
                        const GoalSortKeys& keys = {});

/// The hat-tricks: goal records 1..GoalCount in order, a run of records of one game forming one
/// game; records failing the filter are skipped without ending the run; own goals and goals of
/// unknown scorers are not tallied. A player whose goals of a game are split over several runs
/// is tallied per run.
std::vector<HatTrick> GoalsPerMatch(const League& league, int gameType);

/// Header clicks: each sorts the rows in place by the column's order, keeping the previous
/// order of rows equal in every key. A key outside the grid's columns changes nothing.
/// Hat-tricks: Goals desc / Player / scoring team / Date (names in upper case).
void SortGoalsPerMatch(std::vector<HatTrickRow>& rows, int key);
/// Penalties: Player / Team / Scored desc / Missed desc (names by character code).
void SortPens(std::vector<PlayerGoalsRow>& rows, int key);
/// Own goals: Player / Team / Scored desc (names by character code).
void SortOwnGoals(std::vector<PlayerGoalsRow>& rows, int key);
/// By team: Team ascending; any other column descending, ties by team name.
void SortTeamGoals(std::vector<TeamGoalsRow>& rows, int key);

/// The goal-time distribution: bucket k (1..BucketCount) counts the goals of minutes
/// (k - 1) * BucketLength + 1 .. k * BucketLength; the last bucket also every later minute.
struct GoalTimes {
    int BucketLength = 5;
    int BucketCount = 19;
    std::vector<int> Counts; // 1..BucketCount, entry 0 unused
};

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
