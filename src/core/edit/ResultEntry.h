#pragma once

#include "core/edit/Goals.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin {

/// What "Record" reads besides the chosen teams.
struct EntryInput {
    int HomeGoals = 0;            // 0..99
    int AwayGoals = 0;            // 0..99
    std::string Attendance = "0"; // as typed; must be a number
    int Referee = 0;              // index into Referees, 0 = none
    std::string Comment{};        // cut to 50 characters
    int Awarded = 0;              // 0 as scored, 1 to the home team, 2 to the away team
};

/// What a successful "Record" did.
struct RecordOutcome {
    int Game = 0;            // the game that holds the result
    bool OwnTeamWon = false; // the win sound is due
};

/// The state of the "Enter Results" page over one league: the entry date, the teams still
/// offered (HomeAvail, AwayAvail), the team list with its highlighted team, the chosen teams,
/// the status panel and the enabling of the page's buttons. Construction runs the page set-up.
/// The GUI shows these members and calls the operations; the controls the page resets after
/// "Record" and "Cancel" (scores, attendance, referee, comment) are the GUI's to clear.
class ResultEntry {
public:
    ResultEntry(League& league, int entryDate);

    /// Page set-up for the chosen competition and EntryDate: refills the team list, clears the
    /// chosen teams, PendingGame and the status (or "All league games have been played").
    void SetUp();
    /// Chooses the competition (0 = the league) and runs the set-up.
    void SetCompetition(int comp);
    /// The calendar's choice: a non-zero day becomes EntryDate and the set-up runs.
    void SetEntryDate(int day);
    /// "Track Goals": stored in TrackGoals at once; a change sets DataChanged.
    void SetTrackGoals(bool on);

    /// "Add New Team" for a competition: the new team t joins the team list in name order while
    /// the teams already chosen stay chosen. Ignored for the league or a team already listed.
    void TeamAdded(int t);

    /// Double-click on team t of the list: the first team chosen is the home team, the second
    /// the away team. False (beep) when t is not in the list or both teams are chosen.
    bool ChooseTeam(int t);

    /// "Record": completes the outstanding game of the chosen teams or adds a game, creates
    /// its goals (asking through `prompt` when TrackGoals is on), and resets the entry.
    /// Failures leave everything as it was: "You have not selected both teams", "Input is
    /// invalid, please correct" (attendance or a score), "Pending game not found".
    Expected<RecordOutcome> Record(const EntryInput& input, const GoalPrompt& prompt = {});

    /// "Cancel": forgets the chosen teams; "Result input canceled".
    void Cancel();

    /// Leaving the page or closing the window: refused while a result is being entered.
    Status CheckLeave() const;

    // What the page shows.
    int EntryDate() const { return m_entryDate; }
    int Competition() const { return m_comp; }
    const std::vector<bool>& HomeAvail() const { return m_homeAvail; } // index = league team
    const std::vector<bool>& AwayAvail() const { return m_awayAvail; }
    const std::vector<int>& Teams() const { return m_teams; } // the team list, in name order
    int Highlighted() const { return m_highlighted; }         // drawn in Colour4; 0 = none
    int Home() const { return m_home; }
    int Away() const { return m_away; }
    const std::string& StatusText() const { return m_status; }
    bool RecordEnabled() const { return m_league.PendingGame; }
    bool CancelEnabled() const { return m_league.PendingGame; }
    /// "New" for the league, "Edit" for a competition.
    std::string CompButtonCaption() const { return m_comp == 0 ? "New" : "Edit"; }
    bool CompButtonEnabled() const;
    bool AddTeamEnabled() const;
    bool AddRefereeEnabled() const;

private:
    bool Scheduled() const;
    bool IsHome(int t) const;
    bool IsAway(int t) const;
    void SortTeams();
    void FillFromHomeAvail();
    void Highlight(bool opponents);
    void Reset();

    League& m_league;
    int m_entryDate = 0;
    int m_comp = 0;
    std::vector<bool> m_homeAvail;
    std::vector<bool> m_awayAvail;
    std::vector<int> m_teams;
    int m_highlighted = 0;
    int m_home = 0;
    int m_away = 0;
    std::string m_status;
};

/// One result as the command line gives it: names in the league's 8-bit text.
struct ResultInput {
    int Date = 0;              // day number of the match (EntryDate)
    std::string Competition{}; // short name; empty = the league
    std::string Home{};
    std::string Away{};
    int HomeGoals = 0;
    int AwayGoals = 0;
    std::string Attendance = "0";
    std::string Referee{}; // empty = none
    std::string Comment{};
};

/// Records one result through the "Enter Results" page's own steps (set-up for the
/// competition and date, choosing both teams, "Record"), so the same checks and messages
/// apply. Nothing is created on the way: an unknown competition, team or referee is refused
/// ("No competition with the short name %s", "No team named %s", "No referee named %s"), as is
/// a team the page would not offer ("Pending game not found" in a scheduled league without
/// that fixture) and the same team twice ("The Home and Away team must be different"). Goals
/// are created without asking unless a prompt is given. On failure the league is unchanged.
Expected<RecordOutcome> RecordResult(League& league, const ResultInput& input, const GoalPrompt& prompt = {});

/// Records one result of competition `comp` (0 = the league) between teams given by index, on
/// day `date`, through the same page steps as RecordResult. A league game needs two league
/// teams ("A league game is played between two league teams"), a game of another competition
/// any two teams; the same team twice gives "The Home and Away team must be different". On
/// failure the league is unchanged.
Expected<RecordOutcome> RecordResultFor(League& league, int comp, int home, int away, int date,
                                        const EntryInput& input, const GoalPrompt& prompt = {});

} // namespace gorlin
