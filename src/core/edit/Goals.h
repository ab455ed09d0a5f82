#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <functional>
#include <string>
#include <vector>

namespace gorlin {

/// Refusal when a result's goals would not fit the 16-bit goal count.
inline constexpr const char* kGoalLimitMessage = "No more goals can be added to this league";

/// Asks for the details of a goal just created: `goal` is its index in Goals, `number` its
/// number for its team (1, 2, ...). The goal dialog answers through StoreGoal; returning without
/// storing leaves the goal anonymous. May add players (the dialog's "New Player").
using GoalPrompt = std::function<void(League& league, int goal, int number)>;

/// True when `extra` more goals fit the goal count.
bool GoalsFit(const League& league, int extra);

/// Creates the goals of a newly entered or re-scored result of game g: one anonymous goal per
/// home goal for the home team, numbered 1.., then the same for the away team. When TrackGoals
/// is on and a prompt is given, the prompt runs for each goal right after it is created.
/// Refuses (creating none) when the goals would not fit the goal count.
Status RecordGoals(League& league, int g, const GoalPrompt& prompt = {});

/// What the goal dialog stores on OK.
struct GoalDetails {
    bool OwnGoal = false;
    bool Penalty = false;
    int Minute = 0; // 0..120, 0 = not known
    int Scorer = 0; // player index, 0 = none chosen
};

/// The goal dialog's texts for a goal: the match line (home " v " away) and the heading,
/// "Goal %d for %s" with a number, else "Goal for %s".
struct GoalDialogTexts {
    std::string Match;
    std::string Heading;
};
GoalDialogTexts GoalTexts(const League& league, int goal, int number);

/// The team whose players may have scored: the opponent of TeamFor for an own goal, else
/// TeamFor itself. The opponent is the game's other team.
int ScorerTeam(const League& league, int goal, bool ownGoal);

/// The "Goal Scorer:" list: the players of ScorerTeam. For own goals ordered by name; otherwise
/// by the number of goals (own goals not counted) each has scored in the whole league, most
/// first, ties by name. With `keepCurrent` the goal's current scorer is selected, and appended
/// when he is no player of that team (one who moved on); without it nothing is selected.
struct ScorerList {
    std::vector<int> Players; // player indices in list order
    int Selected = -1;        // position in Players, -1 = none
};
ScorerList GoalScorers(const League& league, int goal, bool ownGoal, bool keepCurrent);

/// The goal dialog's OK: stores own goal, penalty, minute and scorer (by player index, so a
/// scorer who has since moved to another team is kept) and sets DataChanged. A goal index,
/// minute or player out of range is refused with "Input is invalid, please correct".
Status StoreGoal(League& league, int goal, const GoalDetails& details);

} // namespace gorlin
