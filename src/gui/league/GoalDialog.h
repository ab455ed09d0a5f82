#pragma once

#include "core/edit/Goals.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace gorlin {

struct AppContext;
struct League;

/// "Update Goal Information" for one goal: the match, the heading ("Goal %d for %s" or "Goal
/// for %s"), "Goal Scorer:" (the players who may have scored, in the core's order; a name may be
/// typed), "New Player", "Own Goal", "Penalty" and "Goal Time:". OK stores through the core;
/// Cancel leaves the goal as it was.
class GoalDialog final : public QDialog {
    Q_OBJECT
public:
    /// `number` is the goal's number for its team, 0 for none.
    GoalDialog(League& league, AppContext& context, int goal, int number, QWidget* parent = nullptr);

    /// The prompt "Record" and "Update Result" use with "Track Goals" on: this dialog, modal
    /// over `parent`, for each goal as it is created.
    static GoalPrompt Prompt(AppContext& context, QWidget* parent);

    /// The players listed, in list order.
    const std::vector<int>& Scorers() const { return m_players; }
    /// The player the scorer text names (0 when none of the list's players has that name).
    int ChosenScorer() const;

    void btnOKClick();
    void btnNewPlayerClick();
    void cbOwnGoalClick();

private:
    /// Fills "Goal Scorer:" for the own-goal state; with keepCurrent the goal's scorer is chosen.
    void FillScorers(bool keepCurrent);

    League& m_league;
    AppContext& m_context;
    int m_goal;
    std::vector<int> m_players;

    QLabel* m_match = nullptr;
    QLabel* m_heading = nullptr;
    QComboBox* m_scorer = nullptr;
    QCheckBox* m_ownGoal = nullptr;
    QCheckBox* m_penalty = nullptr;
    QSpinBox* m_minute = nullptr;
};

} // namespace gorlin
