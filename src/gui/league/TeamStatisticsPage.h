#pragma once

#include "core/engine/FormSummary.h"
#include "core/engine/TeamStats.h"

#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace gorlin {

struct AppContext;
class LeagueHost;
class Prompter;
class ShapeBox;
class StatsTeamListBox;
class TeamGridModel;

/// The "Team Statistics" page: one team under the game filter with its summary, highest
/// scores, current form (boxes and rotating phrases), points chart and the results, players,
/// fixtures and miscellaneous tabs. Everything shown comes from one core TeamStats call; the
/// page's one write to the league is the game filter (GameType, not a change to save).
///
/// Windows of other features hang on by signals: each is offered only once its Set...Available
/// call has switched it on (the buttons stay disabled until then).
class TeamStatisticsPage : public QWidget {
    Q_OBJECT
public:
    /// What a print or export request hands over.
    enum PrintPart { kPrintPage, kPrintResults, kPrintPlayers, kPrintFixtures };
    /// Opens a date picker at a point; returns the picked day or 0 for cancel.
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    TeamStatisticsPage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Recomputes and shows the whole page for `team` (0 or a team not offered: nothing selected).
    void TeamStats(int team);
    /// Selects a team in SelTeamList and shows it; false when the list does not offer it.
    bool SelectTeam(int team);
    /// The team selected in SelTeamList (0 none).
    int SelectedTeam() const;
    const TeamStatsData& Stats() const { return m_data; }
    const FormRotation& Rotation() const { return m_rotation; }
    /// The 4000 ms timer that rotates the form phrases.
    QTimer* FormTimer() const { return m_formTimer; }
    void SetDatePicker(DatePicker picker) { m_pickDate = std::move(picker); }
    /// Where the last date given to a fixture is kept when another page shares it ("Set Date"
    /// presets an undated fixture to it and stores its choice there). Without it the page keeps
    /// its own, today's date at first.
    void ShareLastFixtureDate(std::function<int()> read, std::function<void(int)> write);

    /// Switches on the commands that open other windows.
    void SetGraphAvailable(bool on);
    void SetPlayerWindowAvailable(bool on);
    /// "Game Summary" (result details) and "Squads".
    void SetGameWindowsAvailable(bool on);
    void SetPrintAvailable(bool on);
    void SetExportAvailable(bool on);

    // Handlers (public so the window and tests can drive them).
    void SelTeamListClick();
    void cbTeamGamesChange(int item);
    /// One tick of the form timer: the next phrase while the page is shown, else the timer stops.
    void tiFormTimer();
    void btnGraphClick();
    void btnTSPrintClick();
    void btnGameSummaryClick();
    void btnSquadsClick();
    void btnPlayerStatsClick();
    void btnColumnsClick();
    void miSetDateClick();
    void hcGamesSectionClick(int section);
    void hcTmPlayersSectionClick(int section);
    void hcFixturesSectionClick(int section);
    /// A right-button press on a grid: selects the row under the point (when there is one),
    /// then opens the grid's pop-up menu there.
    void GridContextMenu(QTableView* grid, QPoint where);
    /// The result-details window changed a game: recompute for the selected team.
    void ResultChanged();

signals:
    void graphRequested(int team);
    void playerRequested(int player);
    void gameSummaryRequested(int game);
    void squadsRequested(int game);
    void printRequested(int part);
    void exportRequested(int part);
    /// The model changed (a fixture's date): DataChanged is set.
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTeamChooser();
    void BuildSummary();
    void BuildHighScores();
    void BuildCurrentForm();
    void BuildChart();
    void BuildTabs();
    void BuildPopups();
    void LayoutPage();
    void ConnectControls();

    /// Fills cbTeamGames for the league (GameType past the end resets to 0).
    void FillGameType();
    /// Refills SelTeamList for the current filter, keeping the selected name.
    void RefillTeams();
    void ShowLabels();
    void ShowPhrase();
    void EnableCommands();
    /// The game or player of a grid's selected row; 0 (after a beep) when none is selected.
    int SelectedKey(QTableView* grid);
    /// Re-sorts a grid's rows in place and keeps its selected row's game or player selected.
    void Resorted(QTableView* grid, TeamGridModel* model, const std::function<void()>& sort);
    QLabel* ValueLabel(const char* name);

    League& m_league;
    AppContext& m_context;
    Prompter& m_prompter;

    TeamStatsData m_data;
    TeamStatsSorts m_sorts;
    FormRotation m_rotation;
    int m_lastFixtureDate = 0;
    std::function<int()> m_readLastFixtureDate;
    std::function<void(int)> m_writeLastFixtureDate;
    DatePicker m_pickDate;
    bool m_graphAvailable = false;
    bool m_playerAvailable = false;
    bool m_gameWindowsAvailable = false;
    bool m_printAvailable = false;
    bool m_exportAvailable = false;

    QComboBox* m_gameType = nullptr;
    StatsTeamListBox* m_teams = nullptr;
    std::map<std::string, QLabel*> m_labels; // by control name
    QWidget* m_summary = nullptr;
    QWidget* m_highScores = nullptr;
    QWidget* m_formBox = nullptr;
    ShapeBox* m_curForm = nullptr;
    QLabel* m_formSum = nullptr;
    QWidget* m_chartBox = nullptr;
    ShapeBox* m_chart = nullptr;
    QPushButton* m_graph = nullptr;
    QPushButton* m_print = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_games = nullptr;
    QTableView* m_players = nullptr;
    QTableView* m_fixtures = nullptr;
    TeamGridModel* m_gamesModel = nullptr;
    TeamGridModel* m_playersModel = nullptr;
    TeamGridModel* m_fixturesModel = nullptr;
    QPushButton* m_gameSummary = nullptr;
    QPushButton* m_squads = nullptr;
    QPushButton* m_playerStats = nullptr;
    QPushButton* m_columns = nullptr;
    QMenu* m_gamesPopup = nullptr;
    QMenu* m_playersPopup = nullptr;
    QMenu* m_fixturesPopup = nullptr;
    QTimer* m_formTimer = nullptr;
};

/// Puts the page into the league window as its "Team Statistics" tab: a double click on the
/// league table selects the team and shows this page; the page's help and fixture dates reach
/// the window. Returns the page so the windows of other features can be connected to it.
TeamStatisticsPage* InstallTeamStatisticsPage(LeagueHost& host);

} // namespace gorlin
