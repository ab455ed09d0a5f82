#pragma once

#include "core/edit/PlayersGrid.h"
#include "core/engine/DivisionStats.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;

namespace gorlin {

struct AppContext;
struct League;
class LeagueHost;
class RowsModel;

/// Puts the "Table", "Players", "Teams" and "Referees" sub-tabs into "Table Maintenance", wired
/// to the window's DataChangedNotify and guide.
void InstallMaintenancePages(LeagueHost& host);

/// The "Table" maintenance page: table name, own team, promotion and relegation places, points
/// and the length of a half. Every change is stored at once through the core (which refuses
/// values outside their ranges); choosing the own team whose choice has a sound beeps.
class TableSettingsPage final : public QWidget {
    Q_OBJECT
public:
    TableSettingsPage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Page set-up: shows the stored values.
    void SetUp();

    void edTableNameChange();
    void cbOwnTeamChange();

signals:
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QSpinBox* AddSetting(int setting, const char* name);
    void SettingChanged(int setting, int value);

    League& m_league;
    AppContext& m_context;
    bool m_filling = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_ownTeam = nullptr;
    std::vector<QSpinBox*> m_settings; // by TableSetting
};

/// The "Teams" maintenance page: every team by name with its picture, the league teams' points
/// adjustment and increment, renaming in place ("Edit", "Update") and "Delete".
class TeamsMaintenancePage final : public QWidget {
    Q_OBJECT
public:
    TeamsMaintenancePage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Page set-up: the list filled again, the first team selected.
    void SetUp();
    /// The team of the selected item, 0 for none.
    int SelectedTeam() const;
    void SelectTeam(int team);

    void lbTeamsClick();
    void btnEditClick();
    void btnUpdateClick();
    void btnDeleteClick();

signals:
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ValueChanged();

    League& m_league;
    AppContext& m_context;
    bool m_filling = false;
    QListWidget* m_teams = nullptr;
    QSpinBox* m_adjust = nullptr;
    QSpinBox* m_increment = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_delete = nullptr;
    int m_editing = 0;
};

/// The "Players" maintenance page: "Players for:", the players grid (sorted by a click on a
/// heading, the order kept across refills), "Add", "Change" (double-click) and "Delete".
class PlayersMaintenancePage final : public QWidget {
    Q_OBJECT
public:
    PlayersMaintenancePage(League& league, AppContext& context, QWidget* parent = nullptr);

    void SetUp();
    const std::vector<PlayersPageRow>& Rows() const { return m_rows; }
    const PlayersGrid& Grid() const { return m_grid; }
    int CurrentRow() const;

    void cbTeamChange();
    void sgPlayersHeadingClick(int column);
    void btnAddClick();
    void btnChangeClick();
    void btnDeleteClick();

signals:
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill(int selectPlayer = 0);

    League& m_league;
    AppContext& m_context;
    PlayersGrid m_grid;
    std::vector<PlayersPageRow> m_rows;
    QComboBox* m_team = nullptr;
    QTableView* m_view = nullptr;
    RowsModel* m_model = nullptr;
};

/// The "Referees" maintenance page: the referee statistics with every competition's games,
/// sorted by a click on a heading; "Add" (disabled at the most referees a league holds),
/// "Change" (double-click) and "Delete".
class RefereesMaintenancePage final : public QWidget {
    Q_OBJECT
public:
    RefereesMaintenancePage(League& league, AppContext& context, QWidget* parent = nullptr);

    void SetUp();
    const std::vector<RefGridRow>& Rows() const { return m_rows; }
    /// The referee of the selected row, 0 for none (or the blank row of an empty table).
    int SelectedReferee() const;

    void sgRefereesHeadingClick(int column);
    void btnAddClick();
    void btnChangeClick();
    void btnDeleteClick();

signals:
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Rebuild(int selectReferee = 0);

    League& m_league;
    AppContext& m_context;
    int m_key = kRefName;
    RefStats m_stats;
    std::vector<RefGridRow> m_rows;
    QTableView* m_view = nullptr;
    RowsModel* m_model = nullptr;
    QPushButton* m_add = nullptr;
};

} // namespace gorlin
