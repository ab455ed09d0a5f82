#pragma once

#include "core/edit/GoalsPage.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QMenu;
class QTableView;

namespace gorlin {

struct AppContext;
struct League;
class RowsModel;

/// The "Goals" page of table maintenance: "Goals for:", the grid of goals (sorted by a click on
/// a heading), the summary line, "Update" (double-click, the pop-up's "&Update Goal") opening
/// the goal dialog for the row. The rows, order and summary are the core GoalsPage; the page
/// fills itself whenever it is shown.
class GoalsMaintenancePage : public QWidget {
    Q_OBJECT
public:
    GoalsMaintenancePage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Page set-up: the team list and the grid filled again.
    void SetUp();
    const GoalsPage& State() const { return m_state; }
    int CurrentRow() const;
    QMenu* Popup() const { return m_popup; }

    // Handlers (public so tests can drive them).
    void cbTeamChange();
    void sgGoalsHeadingClick(int column);
    void btnUpdateClick();

signals:
    /// The model changed (DataChanged may have been set).
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();

    League& m_league;
    AppContext& m_context;
    GoalsPage m_state;

    QComboBox* m_team = nullptr;
    QTableView* m_grid = nullptr;
    RowsModel* m_model = nullptr;
    QLabel* m_summary = nullptr;
    QMenu* m_popup = nullptr;
};

} // namespace gorlin
