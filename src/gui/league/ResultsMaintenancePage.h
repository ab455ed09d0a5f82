#pragma once

#include "core/edit/ResultsPage.h"

#include <QPoint>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QMenu;
class QTableView;

namespace gorlin {

struct AppContext;
struct League;
class RowsModel;

/// The "Results" page of table maintenance: "Results For:" and the grid of played games (sorted
/// by a click on a heading), "Set Date", "Set Score" (double-click; "Update Result"), "Squads",
/// "Delete" and "Pen Miss", and the grid's pop-up menu. The list and its order are the core
/// ResultsPage; the page fills itself whenever it is shown.
class ResultsMaintenancePage : public QWidget {
    Q_OBJECT
public:
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    ResultsMaintenancePage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Page set-up: the team list and the grid filled again.
    void SetUp();
    const ResultsPage& State() const { return m_state; }
    /// The grid row selected, -1 for none.
    int CurrentRow() const;
    void SetDatePicker(DatePicker picker) { m_pickDate = std::move(picker); }
    QMenu* Popup() const { return m_popup; }

    // Handlers (public so tests can drive them).
    void cbTeamChange();
    void sgResultsHeadingClick(int column);
    void btnSetDateClick();
    void btnSetScoreClick();
    void btnSquadsClick();
    void btnDeleteClick();
    void btnPenMissClick();
    /// Enables the pop-up's items for the selected row, as opening it does.
    void PopupOpening();

signals:
    /// The model changed (DataChanged may have been set).
    void dataChanged();
    void helpRequested();
    /// The pop-up's "&Print" and "&Export" (enabled only while something receives them).
    void printRequested();
    void exportRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildPopup();
    void Fill();
    /// The selected row's game, or 0 after a beep when no valid row is selected.
    int SelectedGame();
    void RowChanged(int row);

    League& m_league;
    AppContext& m_context;
    ResultsPage m_state;
    DatePicker m_pickDate;

    QComboBox* m_team = nullptr;
    QTableView* m_grid = nullptr;
    RowsModel* m_model = nullptr;
    QWidget* m_buttons = nullptr;
    QMenu* m_popup = nullptr;
    QList<QAction*> m_rowActions;
    QAction* m_print = nullptr;
    QAction* m_export = nullptr;
};

} // namespace gorlin
