#pragma once

// The current-form phrases of the team statistics page: one pass over the team's games, most
// recent first, then a fixed rule set with fixed thresholds.

#include "core/model/League.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

inline constexpr std::size_t kMaxFormPhrases = 15;
inline constexpr std::size_t kFormPhraseLength = 40;

/// A game's result from one side's view, by the scores and Awarded (not Outcome): a loss when
/// the side conceded more or the game was awarded, unless it was awarded to this side; a draw
/// when not a loss and the scores are level; otherwise a win.
enum class FormResult { Win, Draw, Loss };
FormResult ClassifyForm(const GameRec& game, bool home);

/// What the pass over the games keeps (positions are 1-based, 0 = none).
struct FormCounts {
    int Games = 0;
    int H = 0, A = 0; // home and away games
    int LastWin = 0, LastHomeWin = 0, LastAwayWin = 0;
    int LastScored = 0, LastHomeScored = 0, LastAwayScored = 0;
    int WinRun = 0, HomeWinRun = 0, AwayWinRun = 0;
    int LossRun = 0;
    int CleanRun = 0;
    int UnbeatenRun = 0;
    int OneWin = 0, OneLoss = 0;
    bool AllHomeWon = true;
    bool UnbeatenHome = true, UnbeatenAway = true, UnbeatenAll = true;
    int Possible = 0, Earned = 0; // the points window over the most recent league games
};

/// The pass over `teamGames` (game indices, most recent first) from `team`'s side.
FormCounts FormPass(const League& league, const std::vector<int>& teamGames, int team);

/// Appends a phrase cut to 40 characters; a list already holding 15 phrases is left as it is.
void FormAdd(std::vector<std::string>& phrases, std::string_view text);

/// The phrases for a team, in rule order: none with fewer than 4 games, at most 15.
std::vector<std::string> FormSummary(const League& league, const std::vector<int>& teamGames, int team);

/// Which phrase the current-form label shows, rotated by the page's 4000 ms timer.
struct FormRotation {
    int Shown = 0; // 1-based; 0 when there is no phrase
    int Count = 0;
    bool TimerOn = false;
};

inline constexpr int kFormRotationMs = 4000;

/// After TeamStats: phrase 1 shown; the timer runs when there are two or more phrases.
FormRotation StartFormRotation(int count);
/// One timer tick: on the team statistics page the next phrase is shown (after the last comes
/// the first); on any other page the timer stops and the shown phrase stays.
void FormTick(FormRotation& rotation, bool pageCurrent);
/// The label's text: the shown phrase, or "" when there is none.
std::string ShownPhrase(const std::vector<std::string>& phrases, const FormRotation& rotation);

} // namespace gorlin
