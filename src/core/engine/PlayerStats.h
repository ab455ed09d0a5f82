#pragma once

#include "core/engine/ChartGeometry.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// Appearance types of the match list, in the order the "Type" column sorts them (descending).
enum AppearanceType : int { kNoAppearance = 0, kStarted = 1, kSub = 2, kBench = 3 };

/// A label and its text, as the command line prints them: NAME<TAB>TEXT.
struct LabelText {
    std::string Name;
    std::string Text;
};

/// "Game Details" of a match row: "n/a" where there is nothing to show.
struct GameDetails {
    std::string TimeOn = "n/a";
    std::string TimeOff = "n/a";
    std::string YellowCards = "n/a";
    std::string RedCard = "n/a";
    std::string Penalties = "n/a";
    std::string Rating = "n/a";
};

/// One game of the match list sgGoals: one in which the player scored, missed a penalty or was
/// in a squad.
struct PlayerMatchRow {
    int Game = 0;
    int Comp = 0;
    int Date = 0; // day number
    int HomeTeam = 0;
    int Goals = 0; // own goals excluded
    int Pens = 0;  // penalties scored
    int Type = kNoAppearance;
    int Squad = 0;                  // 0 when the player was in no squad of the game
    int Entry = 0;                  // 1..18
    std::vector<std::string> Cells; // "Com", "Date", "Teams", "Gls", "Type"
    GameDetails Details;
};

/// The player statistics window's content.
struct PlayerStatsData {
    int Player = 0;
    std::string Caption; // "Statistics for NAME (TEAM)"

    int Goals = 0;
    int FirstHalf = 0;  // minutes 1..HalfLength
    int SecondHalf = 0; // minutes after HalfLength; a goal of unknown minute is in neither half
    int HomeGoals = 0;
    int AwayGoals = 0;
    int PensScored = 0;
    int PensMissed = 0;
    int HatTricks = 0;
    int OwnGoals = 0;
    int MostInGame = 0;
    int Yellow = 0;
    int Red = 0;
    bool InSquad = false; // in a squad of some selected game
    int RatedGames = 0;
    int RatingTotal = 0;
    int BestRating = 0;
    int WorstRating = 0;

    /// The ten bars with their labels, "Total:" to "Most in Game:", and the values as text.
    std::array<LabelText, 10> Bars;
    std::array<int, 10> BarValues{};
    std::string lbYellow;
    std::string lbRed;
    std::string labRatWorst;
    std::string labRatBest;
    std::string labRatAve;

    std::vector<int> GoalList;           // the player's goal records by date, then minute
    std::vector<PlayerMatchRow> Matches; // sorted by SortKey
    int SortKey = 2;
};

/// The player whose name is `name` (exact bytes) and, when team >= 0, whose team is `team`;
/// the first in index order, 0 when none is.
int FindPlayer(const League& league, std::string_view name, int team = -1);

/// Computes the totals, labels and match list of a player over the games that pass `gameType`
/// (the window's own copy of the filter). The match list is sorted by `sortKey`.
PlayerStatsData BuildData(const League& league, int player, int gameType, const Locale& locale,
                          int sortKey = 2);

/// Sorts the match list by a column (1 "Com" by competition, 2 "Date" most recent first, 3
/// "Teams" by home team index, 4 "Gls" descending, 5 "Type" descending), every tie most recent
/// first and then the previous order. A key outside 1..5 changes nothing.
void SortPlayerMatches(std::vector<PlayerMatchRow>& rows, int key);

/// "Com", "Date", "Teams", "Gls", "Type".
const std::vector<std::string>& PlayerMatchHeadings();
/// The match list with the game details: the headings above, then "Time on", "Time off",
/// "Yellow Cards", "Red Card", "Penalties", "Rating".
const std::vector<std::string>& PlayerMatchDetailHeadings();

/// The text of a rating in tenths: r div 10, then "." and r mod 10 when that is not 0.
std::string RatingText(int rating);
/// The average rating (total / 10 / games) to two significant digits with two decimals.
std::string AverageRatingText(int total, int games, const Locale& locale);

/// The goal-totals chart: ten bars, one per tenth of the box's height, blue and red in turn, each
/// followed by its value; the unit fits the largest of goals, own goals and missed penalties.
std::vector<Shape> DrawGoalTotals(const PlayerStatsData& data, int width, int height,
                                  const TextMeasure& measure);

} // namespace gorlin
