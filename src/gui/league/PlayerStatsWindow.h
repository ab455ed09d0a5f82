#pragma once

#include "core/engine/PlayerStats.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace gorlin {

struct AppContext;
class RowsModel;
class ShapeBox;

/// "Statistics for NAME (TEAM)": one player's goal totals with their bars, cautions, ratings and
/// match list, under the window's own copy of the game filter (cbTeamPlay; the league's filter
/// is not changed). A match row shows its "Game Details"; a double click or "Game Summary" asks
/// for the result-details window of its game.
class PlayerStatsWindow final : public QDialog {
    Q_OBJECT
public:
    using OpenGame = std::function<void(int game)>;

    PlayerStatsWindow(const League& league, AppContext& context, int player, QWidget* parent = nullptr);

    /// Without it "Game Summary" stays disabled.
    void SetOpenGame(OpenGame open);
    const PlayerStatsData& Data() const { return m_data; }
    int GameType() const { return m_gameType; }

    // Handlers.
    void cbTeamPlayChange(int item);
    void hcGoalsSectionClick(int section);
    void sgGoalsSelectCell(int row);
    void btnGameSummaryClick();

private:
    void BuildControls();
    void LayoutWindow();
    void ConnectControls();
    /// Computes the data under the window's filter and shows it.
    void BuildData();
    /// Shows the match list in the current order, its selected row's details.
    void FillGrid();

    const League& m_league;
    AppContext& m_context;
    int m_player;
    int m_gameType;
    int m_sortKey = 2;
    PlayerStatsData m_data;
    OpenGame m_openGame;

    QComboBox* m_filter = nullptr;
    std::array<QLabel*, 10> m_barLabels{};
    ShapeBox* m_bars = nullptr;
    QLabel* m_yellow = nullptr;
    QLabel* m_red = nullptr;
    QLabel* m_worst = nullptr;
    QLabel* m_best = nullptr;
    QLabel* m_average = nullptr;
    QTableView* m_matches = nullptr;
    RowsModel* m_model = nullptr;
    std::array<QLabel*, 6> m_details{};
    QPushButton* m_gameSummary = nullptr;
};

} // namespace gorlin
