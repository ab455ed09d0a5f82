#pragma once

#include "core/edit/TeamList.h"
#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace gorlin {

// The "Fixtures" page: the list of unplayed games, their dates and predicted scores, and the
// "Add Fixture" and "Predict Score" dialogs. A fixture is a game with Played 0; league fixtures
// are games 1..GameCount, cup fixtures follow them. Every change sets DataChanged.

inline constexpr const char* kMsgCannotDeleteLeagueFixture = "You cannot delete this league fixture";
inline constexpr const char* kMsgConfirmDeleteFixture = "Are you sure you want to delete fixture %s v %s";
inline constexpr const char* kMsgConfirmClearPredictions =
    "Are you sure you want to clear all result predictions ?";
inline constexpr const char* kMsgTeamsMustDiffer = "The Home and Away team must be different";
inline constexpr const char* kMsgNoCompetition = "You must enter a competition name or League";
inline constexpr const char* kMsgFixtureDateInvalid = "The fixture date is not valid";
/// A team list of "Add Fixture" left without a choice (the result page's own words).
inline constexpr const char* kMsgBothTeamsNeeded = "You have not selected both teams";
/// A competition or team index that the league does not hold (never offered by the dialog).
inline constexpr const char* kMsgFixtureNotInLeague =
    "The fixture's competition or teams are not in this league";

/// Predicted goals the spin button reaches, and the "Predict Score" up-downs.
inline constexpr int kSpinGoalsMax = 20;
inline constexpr int kPredictScoreGoalsMax = 30;
/// Sort date of an undated fixture: after every dated one.
inline constexpr int kUndatedSortDay = 99999;

/// Grid columns of the page, in heading order.
enum FixtureColumn : int {
    kFixPredicted = 0,
    kFixComp = 1,
    kFixDate = 2,
    kFixHomeTeam = 3,
    kFixAwayTeam = 4,
    kFixHomeGoals = 5,
    kFixAwayGoals = 6,
};
inline constexpr int kFixtureColumnCount = 7;
inline constexpr std::array<const char*, kFixtureColumnCount> kFixtureHeadings = {
    "Predicted", "Comp", "Date", "Home Team", "Away Team", "F", "A"};

/// True when `game` is an unplayed game the league holds (league or cup).
bool IsFixture(const League& league, int game);
/// True for a game among the league games 1..GameCount.
bool IsLeagueGame(const League& league, int game);

/// One grid row: the fixture's game index, its texts (Windows-1252) and its sort keys.
struct FixtureRow {
    int Game = 0;
    bool Predicted = false; // a tick picture in column "Predicted"
    bool Cup = false;       // a fixture of another competition
    int Comp = 0;
    int Date = 0; // day number, 0 = no date
    int HomeGoals = 0;
    int AwayGoals = 0;
    std::string CompName; // the competition's short name
    std::string DateText; // short date, "" when undated
    std::string HomeTeam;
    std::string AwayTeam;

    /// Text of a grid column; "" for "Predicted" (its tick is a picture).
    std::string Cell(int column) const;
    /// Date as the sort keys use it: an undated fixture is day 99999.
    int SortDate() const { return Date == 0 ? kUndatedSortDay : Date; }
};

/// The page's list.
struct FixtureList {
    std::vector<FixtureRow> Rows;
    int SortColumn = kFixDate;
    /// "Delete": disabled when the list holds no cup fixture and TimesToPlay is not 0.
    bool DeleteEnabled = false;
};

/// The row of one game (also to refresh a row after an edit without sorting again).
FixtureRow MakeFixtureRow(const League& league, int game, const Locale& locale);

/// Lists every unplayed game, league and cup, of `team` (a chooser item's team, from
/// TeamListItems; 0 = " [All Teams]") in game order, then sorts by `sortColumn` (the page starts
/// with the date column).
FixtureList ListFixtures(const League& league, int team, int sortColumn, const Locale& locale);

/// Sort by a heading: "Predicted" flagged first, then date; "Comp" competition, then date;
/// "Date" date, then home name; "Home Team" home name, then away name; "Away Team" away name,
/// then home name; "F"/"A" goals descending, then date. Names compare by byte; equal keys keep
/// their order. An unknown column sorts by date.
void SortFixtureRows(std::vector<FixtureRow>& rows, int column);

/// The pop-up menu items that depend on the selected row (0 = none); "&Add Fixture", "&Print"
/// and "&Export" are always enabled.
struct FixtureMenuState {
    bool SetScore = false;
    bool SetDate = false;
    bool ClearDate = false;     // a dated fixture only
    bool SwapTeams = false;     // only when TimesToPlay is odd
    bool DeleteFixture = false; // a cup fixture, or any when TimesToPlay is 0
};
FixtureMenuState FixtureMenu(const League& league, int game);

// Editing commands. Each returns false, changing nothing, when the page only beeps: no fixture
// selected, or the value at its limit.

/// A click on the "Predicted" cell: toggles the flag.
bool TogglePredicted(League& league, int game);

/// The spin button in an "F" (home) or "A" (away) cell. Up adds 1 and sets Predicted (beep at
/// 20 or more); down takes 1 off and leaves Predicted alone (beep at 0). Outcome follows.
bool SpinPredictedGoals(League& league, int game, bool homeSide, bool up);

// `lastFixtureDate` is page state: the last date given to a fixture, today's date when the
// league is opened.

/// "Set Date": the calendar's preset, the fixture's date or else `lastFixtureDate`.
int SetDatePreset(const League& league, int game, int lastFixtureDate);
/// The calendar's choice for "Set Date": 0 (cancelled) changes nothing; any other day becomes
/// the fixture's date and the new `lastFixtureDate`. False (beep) without a fixture.
bool SetFixtureDate(League& league, int game, int chosenDay, int& lastFixtureDate);
/// Double-click on a row: an undated fixture gets `lastFixtureDate`; a dated one is left alone.
/// False (beep) without a fixture.
bool DateFixtureByDoubleClick(League& league, int game, int lastFixtureDate);
/// "Clr Date": the date becomes 0. False (beep) without a fixture.
bool ClearFixtureDate(League& league, int game);

/// "S&wap Teams": exchanges teams, goals and squad links. False when there is no fixture or
/// TimesToPlay is even (the menu item is disabled then).
bool SwapFixtureTeams(League& league, int game);

/// "Clear" after Yes: every unplayed league game loses its prediction (flag off, 0-0); cup
/// fixtures keep theirs.
void ClearPredictions(League& league);

/// "Delete": refused with "You cannot delete this league fixture" for a league fixture while
/// TimesToPlay is not 0, and with an empty message (a beep) when `game` is no fixture; else the
/// question to ask.
Expected<std::string> DeleteFixturePrompt(const League& league, int game);
/// "Delete" after Yes: removes the fixture with its goals, squads and missed penalties (so no
/// record is left pointing at the game that takes its place), moves the later games up and
/// lowers GameCount (league) or CupGameCount (cup). Refused as DeleteFixturePrompt is.
Status DeleteFixture(League& league, int game);

/// Creates a fixture of competition `comp` (0 = league): a league fixture goes to GameCount + 1,
/// the cup games moving one place on first; a cup fixture is appended. Unplayed, not predicted,
/// 0-0, the date, no squads, comment, referee or award. Returns its game index.
Expected<int> AddFixture(League& league, int comp, int homeTeam, int date, int awayTeam);

/// "Add Fixture" dialog lists.
struct AddFixtureChoices {
    bool LeagueListed = false;             // the league is offered only when TimesToPlay is 0
    std::vector<std::string> Competitions; // "Competition:" items (names, Windows-1252)
};
AddFixtureChoices AddFixtureCompetitions(const League& league);
/// The competition of a "Competition:" item (the item index, plus 1 when the league is not
/// listed); nullopt when the item is not in the list.
std::optional<int> CompetitionOfItem(const League& league, int item);
/// "Home Team:"/"Away Team:" items: the league teams for the league, every team for a
/// competition, in index order.
std::vector<TeamListItem> AddFixtureTeams(const League& league, int comp);

/// What the dialog holds on OK.
struct AddFixtureInput {
    int CompetitionItem = -1; // -1 = nothing chosen
    int HomeTeam = 0;         // team index, 0 = nothing chosen
    int AwayTeam = 0;
    std::string DateText; // empty = no date
};
/// "Add Fixture" OK: checks the input with the dialog's messages, then AddFixture.
Expected<int> AddFixtureOk(League& league, const AddFixtureInput& input, const Locale& locale);

/// What "Predict Score" shows.
struct PredictScoreView {
    std::string Heading; // home " v " away
    int HomeGoals = 0;   // 0..30
    int AwayGoals = 0;
    int Date = 0;         // the fixture's date, else the date last chosen in the dialog, else 0
    std::string DateText; // "" when 0
};
/// nullopt (beep) without a fixture. `lastChosenDate` is the date last picked in the dialog.
std::optional<PredictScoreView> OpenPredictScore(const League& league, int game, int lastChosenDate,
                                                 const Locale& locale);
/// OK of "Predict Score": stores the goals (held to 0..30), a non-zero date as the fixture's date,
/// sets Predicted. False (beep) without a fixture.
bool ApplyPredictScore(League& league, int game, int homeGoals, int awayGoals, int date);

} // namespace gorlin
