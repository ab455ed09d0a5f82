#pragma once

#include <QDialog>

class QComboBox;
class QListWidget;
class QSpinBox;

namespace gorlin {

struct AppContext;
struct League;

/// "Add/Update Missed Penalty" for a game: "Team:" (home or away), "Player:" (that team's
/// players), "Time of Miss:" and "New Player". OK stores a new miss (pen 0) or changes record
/// pen through the core; no player chosen beeps.
class MissedPenDialog final : public QDialog {
    Q_OBJECT
public:
    MissedPenDialog(League& league, AppContext& context, int game, int pen, QWidget* parent = nullptr);

    void btnOKClick();
    void btnNewPlayerClick();
    void cbTeamChange();

private:
    /// Lists the chosen team's players and selects `player` (appended when he plays elsewhere now).
    void FillPlayers(int player);

    League& m_league;
    AppContext& m_context;
    int m_game;
    int m_pen;
    QComboBox* m_team = nullptr;
    QComboBox* m_player = nullptr;
    QSpinBox* m_minute = nullptr;
};

/// "Missed Penalties" of one game: the heading (home v away and date), the misses as "player(team)
/// minute m", "Add", "Update" and "Delete" (no selection: beep).
class MissedPensWindow final : public QDialog {
    Q_OBJECT
public:
    MissedPensWindow(League& league, AppContext& context, int game, QWidget* parent = nullptr);

    /// "Pen Miss": the window when the game has missed penalties, otherwise the dialog for a new
    /// miss at once.
    static void PenMiss(League& league, AppContext& context, int game, QWidget* parent);

    void btnAddClick();
    void btnUpdateClick();
    void btnDeleteClick();

private:
    void Fill(int row);
    int SelectedPen() const;

    League& m_league;
    AppContext& m_context;
    int m_game;
    QListWidget* m_list = nullptr;
};

} // namespace gorlin
