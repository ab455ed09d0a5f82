#pragma once

#include "core/edit/Fixtures.h"
#include "gui/league/FixtureDialogs.h"

#include <QTableView>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace gorlin {

struct League;
struct Locale;
class Prompter;
class FixturesModel;
class UpDown;

/// The fixtures grid: a press on a "Predicted" cell is a click on the tick, never a move of the
/// selected cell; the keyboard skips that column as well.
class FixturesGrid final : public QTableView {
    Q_OBJECT
public:
    explicit FixturesGrid(QWidget* parent = nullptr);

signals:
    /// The "Predicted" cell of a row was clicked.
    void predictedClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

/// The "Fixtures" page: the unplayed games of a team (or all), with their dates and predicted
/// scores, the buttons "Set Date", "Clr Date", "Set Score", "Add", "Delete", "Auto" and "Clear",
/// a spin button in the selected score cell and the grid's pop-up menu.
class FixturesPage : public QWidget {
    Q_OBJECT
public:
    FixturesPage(League& league, const Locale& locale, Prompter& prompter, QWidget* parent = nullptr);

    /// Fills the team chooser again (keeping its team) and lists the fixtures: what showing the
    /// page does. "Auto" is enabled here.
    void Refresh();
    /// Lists the fixtures of the chosen team in the chosen order, keeping the selected fixture.
    void ListFixtures();

    /// The fixture of the selected row; 0 when the list is empty.
    int SelectedGame() const;
    /// Selects the row of a game (column "Comp" unless a score column was selected).
    void SelectGame(int game);
    /// The last date given to a fixture (today's date when the league was opened): the date a
    /// double click gives. Other pages that date fixtures set it too.
    int LastFixtureDate() const { return m_lastFixtureDate; }
    void SetLastFixtureDate(int day) { m_lastFixtureDate = day; }
    const FixturesModel& Model() const { return *m_model; }
    QMenu* Popup() const { return m_popup; }
    /// Replaces the calendar (tests script it).
    void SetDatePicker(FixtureDatePicker picker) { m_pickDate = std::move(picker); }

    // Handlers (public so the window and tests can drive them).
    void cbTeamChange(int item);
    void sgFixturesHeaderClick(int column);
    void sgFixturesPredictedClick(int row);
    void sgFixturesDblClick(const QModelIndex& index);
    void sgFixturesSelectCell(const QModelIndex& current);
    /// The spin button: +1 up, -1 down.
    void udScoreClick(int delta);
    void btnSetDateClick();
    void btnClrDateClick();
    void btnSetScoreClick();
    void btnAddClick();
    void btnDeleteClick();
    void btnAutoClick();
    void btnClearClick();
    void miSwapTeamsClick();
    /// Enables the pop-up's items for the selected row, as opening it does.
    void PopupOpening();

signals:
    /// The model changed (DataChanged may have been set).
    void dataChanged();
    /// F1: the guide's page on fixtures.
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildChooser();
    void BuildGrid();
    void BuildButtons();
    void BuildPopup();
    void ConnectControls();
    void FillTeams();
    /// Shows the selected fixture's changes in its row (the order stays until the next listing).
    void RowChanged();
    void PlaceSpin();
    int SelectedRow() const;

    League& m_league;
    const Locale& m_locale;
    Prompter& m_prompter;
    FixtureDatePicker m_pickDate;
    int m_sortColumn = kFixDate;
    int m_lastFixtureDate = 0;
    int m_lastScoreDate = 0; // the date last picked in "Predict Score"

    QComboBox* m_team = nullptr;
    FixturesGrid* m_grid = nullptr;
    FixturesModel* m_model = nullptr;
    UpDown* m_spin = nullptr;
    QPushButton* m_setDate = nullptr;
    QPushButton* m_clrDate = nullptr;
    QPushButton* m_setScore = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_auto = nullptr;
    QPushButton* m_clear = nullptr;

    QMenu* m_popup = nullptr;
    QAction* m_miSetScore = nullptr;
    QAction* m_miSetDate = nullptr;
    QAction* m_miClearDate = nullptr;
    QAction* m_miSwapTeams = nullptr;
    QAction* m_miDeleteFixture = nullptr;
};

class LeagueHost;

/// Puts the "Fixtures" page into its tab and wires its changes and help to the window.
void InstallFixturesPage(LeagueHost& host);

} // namespace gorlin
