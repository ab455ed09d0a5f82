#pragma once

#include "core/edit/Goals.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin {

/// The award choices of "Update Result", in list order (the index is Awarded).
inline constexpr const char* kAwardItems[] = {"Awarded as scored", "Awarded to home team",
                                              "Awarded to away team"};
/// The refusal of a typed attendance that is no number, shown as a warning.
inline constexpr const char* kAttendanceNotNumeric = "Attendance figure is not numeric";
/// First item of the referee list of "Update Result" (referee 0).
inline constexpr const char* kNoRefereeItem = "** None Assigned **";

/// The fields of "Update Result".
struct ResultChange {
    int HomeGoals = 0;        // "Score For:" 0..99
    int AwayGoals = 0;        // "Against:" 0..99
    std::string Attendance{}; // as typed; must be a number
    std::string Comment{};    // cut to 50 characters
    int Referee = 0;          // 0 = none
    int Comp = 0;             // kept for a league game; 1..CompCount for a cup game
    int Awarded = 0;          // 0, 1 or 2
};

/// "Update Result" opened for game g: its caption (home " v " away), the fields preset from the
/// game, and whether "Cup:" is enabled (cup games only).
struct ResultForm {
    std::string Caption{};
    ResultChange Values;
    bool CupEnabled = false;
};
ResultForm ResultFormOf(const League& league, int g);

/// The OK of "Update Result" for game g. When either goal count changed, the game's goals
/// are deleted (scorers lost) and created again as on "Record" (through `prompt` when
/// TrackGoals is on); equal counts keep the goals. Then attendance, comment, competition (cup
/// games only), referee and award are stored, Outcome recomputed and DataChanged set.
/// Refusals change nothing: "Attendance figure is not numeric"; "Input is invalid, please
/// correct" for a value outside the dialog's ranges.
Status UpdateResult(League& league, int g, const ResultChange& change, const GoalPrompt& prompt = {});

/// "Set Date": a non-zero day becomes the game's date (DataChanged). False when nothing changed.
bool SetResultDate(League& league, int g, int day);

/// What deleting a result did to the game list.
struct DeletedResult {
    bool Removed = false; // a cup game left the list; games after it moved up one place
};

/// Deletes the result of played game g: its goals, missed penalties and both squads go and its
/// squad links are cleared. A league game becomes an outstanding fixture again (teams, date and
/// goals kept, the goals now its predicted score); a game of another competition is removed.
/// DataChanged is set. Refused (nothing changed) when g is no played game.
Expected<DeletedResult> DeleteResult(League& league, int g);

/// The question asked before DeleteResult: "Delete result for %s v %s".
std::string DeleteResultQuestion(const League& league, int g);

} // namespace gorlin
