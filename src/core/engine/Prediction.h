#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <array>
#include <cstddef>
#include <string>

namespace gorlin {

// Automatic result prediction ("Auto" on the "Fixtures" page): predicted scores for outstanding
// league fixtures from the current table position and the recent home and away form.

/// "Predict What:" choices, in list order.
enum PredictWhat : int { kPredictAll = 0, kPredictNonPredicted = 1, kPredictSelected = 2 };
inline constexpr std::array<const char*, 3> kPredictWhatItems = {"Predict all  League fixtures",
                                                                 "Predict non-predicted League fixtures",
                                                                 "Predict Selected League fixture"};

/// "Number of matches to consider :" runs from 3 to the smallest home or away game count of any
/// team, at most 10; the dialog opens at 5.
inline constexpr int kPredictMatchesMin = 3;
inline constexpr int kPredictMatchesDefault = 5;
inline constexpr int kPredictMatchesCap = 10;
/// Played home and away league games every team needs before "Auto" is enabled.
inline constexpr int kAutoMinVenueGames = 5;

inline constexpr const char* kMsgNoFixturesToPredict = "There are no fixtures to predict";
inline constexpr const char* kMsgTooFewGamesToPredict =
    "Every team must have played at least 5 home and 5 away league games before results can be predicted";
/// "%d" is the largest number allowed.
inline constexpr const char* kMsgPredictMatchesRange =
    "The number of matches to consider must be between 3 and %d";

/// A team's form at one venue over its latest N played league games there.
struct VenueForm {
    int FormScore = 0; // weights 5, 4, 3, 2, 1, 1, ... times points (home 3/1/0, away 4/2/0)
    int GoalsFor = 0;
    int GoalsAgainst = 0;
};

/// The working values of one league team.
struct TeamForm {
    int RankScore = 0; // TeamCount + 1 - position: the leader gets TeamCount, the last team 1
    VenueForm Home;
    VenueForm Away;
};

/// The working values of one run, per league team 1..TeamCount.
struct PredictionBasis {
    std::array<TeamForm, kMaxTeams + 1> Teams{};
    int Matches = 0;
};

/// Ranks the played games up to `today` (all teams, the active sort rules) and walks every
/// team's latest `matches` home and away league games.
PredictionBasis ComputePredictionBasis(const League& league, int matches, int today);

struct PredictedScore {
    int HomeGoals = 0;
    int AwayGoals = 0;
    friend bool operator==(const PredictedScore&, const PredictedScore&) = default;
};

/// Strength of a side: RankScore div 3 plus the venue's FormScore.
int HomeStrength(const TeamForm& team);
int AwayStrength(const TeamForm& team);

/// The predicted score of a game from the two strengths and the goal figures: a draw when the
/// strengths are within a tenth of their sum; otherwise the stronger side gets diff div 50 more
/// goals when diff > 50 and ends at least one goal ahead. Goals stay within 0..255.
PredictedScore PredictScore(const TeamForm& home, const TeamForm& away, int matches);

/// Played league games of every team at home and away.
struct VenueCounts {
    std::array<int, kMaxTeams + 1> Home{};
    std::array<int, kMaxTeams + 1> Away{};
};
VenueCounts CountVenueGames(const League& league);

/// Largest N the dialog allows: the smallest played home or away count of any league team,
/// at most 10 (10 without teams).
int PredictMatchesMax(const League& league);

/// "Auto" is enabled when the page lists a fixture and every league team has played at least
/// 5 league games at home and 5 away; otherwise the reason.
Status AutoEnabled(const League& league, std::size_t listedFixtures);

struct PredictArgs {
    int What = kPredictAll;
    int Matches = kPredictMatchesDefault;
    int SelectedGame = 0; // the selected row's game for kPredictSelected
    int Today = 0;        // end of the ranked table's range
};

/// The dialog's OK: checks N against its limits, predicts the chosen unplayed league games
/// (cup fixtures never), sets their Predicted flag, recomputes every Outcome. Returns the number
/// of fixtures predicted.
Expected<int> PredictResults(League& league, const PredictArgs& args);

/// The whole "Auto" run for a league as a command runs it: the enabling condition over every
/// unplayed game (the list of " [All Teams]"), then PredictResults.
Expected<int> AutoPredict(League& league, const PredictArgs& args);

} // namespace gorlin
