#pragma once

#include "core/edit/Squads.h"

#include <QDialog>
#include <vector>

class QAction;
class QButtonGroup;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;

namespace gorlin {

struct AppContext;
struct League;
class RowsModel;

/// The squad window of one game ("Squad for %s v %s (%s)"): the two teams' buttons, the squad
/// grid (18 entries; cards drawn as coloured blocks, the starters' rows tinted), "Available
/// Players", ">>", "<<", "Swap", "Update", "Clone", "Sort Order" and "Add" (a new player). The
/// edits stay in the core SquadEditor's working squads until OK; Cancel drops them. The player
/// dialogs it opens change the league at once.
class SquadWindow final : public QDialog {
    Q_OBJECT
public:
    SquadWindow(League& league, AppContext& context, int game, QWidget* parent = nullptr);

    /// Runs the window for game g; true when OK wrote the squads.
    static bool ShowSquads(League& league, AppContext& context, int game, QWidget* parent);

    const SquadEditor& Editor() const { return m_editor; }
    SquadSide Side() const { return m_side; }
    /// The entry shown in grid row `row` (0 = none).
    int EntryAt(int row) const;
    QMenu* SquadMenu() const { return m_squadMenu; }
    QMenu* PlayerMenu() const { return m_playerMenu; }

    // Handlers (public so tests can drive them).
    void ShowSide(SquadSide side);
    void btnAddClick();
    void btnRemoveClick();
    void btnSwapClick();
    void btnUpdateClick();
    void btnCloneClick();
    void btnAddPlayerClick();
    void rgSortOrderClick(int sorted);
    void miYellowCardClick();
    void miSubstituteClick();
    void miUpdateSquadPlayerClick();
    void miUpdatePlayerClick();
    void btnOKClick();

private:
    void BuildTeams();
    void BuildGrid();
    void BuildPlayers();
    void BuildMenus();
    void ConnectControls();
    /// Shows the working squad and the available players again, keeping the grid row.
    void Refresh(int row = -1);
    int SelectedEntry() const;
    int SelectedPlayer() const;

    League& m_league;
    AppContext& m_context;
    SquadEditor m_editor;
    SquadSide m_side = SquadSide::Home;
    bool m_sorted = false;
    std::vector<int> m_order;

    QButtonGroup* m_teamGroup = nullptr;
    QTableView* m_grid = nullptr;
    RowsModel* m_model = nullptr;
    QListWidget* m_players = nullptr;
    QPushButton* m_clone = nullptr;
    QButtonGroup* m_sortGroup = nullptr;
    QMenu* m_squadMenu = nullptr;
    QMenu* m_playerMenu = nullptr;
};

} // namespace gorlin
