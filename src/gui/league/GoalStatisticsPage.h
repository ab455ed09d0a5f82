#pragma once

#include "core/engine/GoalStats.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTabWidget;
class QTableView;

namespace gorlin {

struct AppContext;
class RowsModel;
class ShapeBox;

/// The "Goal Statistics" page: top scorers, penalty summary, the goal-time chart of one team or
/// all (cbGdTeam) and the hat-trick, penalties, own-goals and by-team grids, all from one core
/// GoalStats call under the shared game filter (cbTeamGoals writes GameType, not a change to
/// save). A double click on a row with a player asks for the player statistics window.
class GoalStatisticsPage : public QWidget {
    Q_OBJECT
public:
    GoalStatisticsPage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Recomputes the lists, summary and grids (keeping each grid's sort) and the chart.
    void GoalStats();
    const GoalStatsData& Data() const { return m_data; }
    /// The chart's team (0 all teams).
    int ChartTeam() const;
    const GoalTimes& Times() const { return m_times; }

    // Handlers (public so the window and tests can drive them).
    void cbTeamGoalsChange(int item);
    void cbGdTeamClick(int item);
    /// A double click on a top scorer or a grid row: its player, if it has one.
    void lbTopScorersDblClick(int item);
    void GridDblClick(QTableView* grid, int row);
    void HeaderClick(QTableView* grid, int section);

signals:
    void playerRequested(int player);
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildGrids();
    void LayoutPage();
    void ConnectControls();
    /// Refills cbGdTeam, selecting the own team when set.
    void FillChartTeams();
    void ComputeTimes();
    /// The player of a grid row, 0 for none.
    int RowPlayer(QTableView* grid, int row) const;
    RowsModel* Model(QTableView* grid) const;

    League& m_league;
    AppContext& m_context;
    GoalStatsData m_data;
    GoalSortKeys m_keys;
    GoalTimes m_times;

    QComboBox* m_gameType = nullptr;
    QListWidget* m_topScorers = nullptr;
    QLabel* m_penScored = nullptr;
    QLabel* m_penMissed = nullptr;
    QLabel* m_penCon = nullptr;
    QLabel* m_penAward = nullptr;
    QComboBox* m_chartTeam = nullptr;
    ShapeBox* m_chart = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_hatTricks = nullptr;
    QTableView* m_pens = nullptr;
    QTableView* m_ownGoals = nullptr;
    QTableView* m_teamGoals = nullptr;
};

} // namespace gorlin
