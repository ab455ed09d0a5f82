#pragma once

#include "core/engine/TablePage.h"
#include "core/engine/TableView.h"

#include <QPoint>
#include <QWidget>
#include <functional>

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace gorlin {

struct League;
struct Locale;
struct Settings;
class Prompter;
class LeagueTableModel;
class UpDown;

/// The "League Table" page: the standings grid with its title, the "Table Content" and "Game
/// Selection" options, the "Dates to include:" range and the grid's pop-up menu.
class LeagueTablePage : public QWidget {
    Q_OBJECT
public:
    /// Opens a date picker below a point; returns the picked day or 0 for cancel.
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    LeagueTablePage(League& league, Settings& settings, const Locale& locale, Prompter& prompter,
                    QWidget* parent = nullptr);
    ~LeagueTablePage() override;

    /// Rebuilds the match dates (range reset to the whole table) and redraws: what showing the
    /// page, an import or an update needs.
    void Refresh();
    /// Takes the column sets and colours again after the settings changed, and redraws.
    void SettingsChanged();
    /// Computes and shows the table for the current options.
    void DrawTable();

    const TablePageState& State() const { return m_state; }
    int ContentMode() const { return m_state.Content; }
    int SideMode() const { return m_state.Side; }
    bool ShortFormat() const { return m_state.ShortFormat; }
    bool ShowPossPoints() const { return m_state.ShowPossPoints; }
    const DateTable& Dates() const { return m_state.Dates; }
    const TableViewData& View() const { return m_view; }
    /// The title panel's text.
    QString TitleText() const;
    /// Replaces the calendar (tests script it).
    void SetDatePicker(DatePicker picker) { m_pickDate = std::move(picker); }
    /// A column where other pages' commands (match grid, print, export, import, queries) go.
    QVBoxLayout* ButtonArea() const { return m_buttonArea; }
    QMenu* Popup() const { return m_popup; }

    // Handlers (public so the window and tests can drive them).
    void rgContentClick(int mode);
    void rgGamesClick(int mode);
    void btnFromDateClick();
    void btnToDateClick();
    void udFromDateClick(int position);
    void udToDateClick(int position);
    void sgLeagueMouseMove(const QModelIndex& index);
    void sgLeagueDblClick(const QModelIndex& index);
    void miShortFormatClick();
    void miShowPossClick();
    void miEditSelectionsClick();
    /// Puts selection `slot` (0 = all teams) in force.
    void SelectTeams(int slot);
    /// Updates the pop-up's items as opening it does (shiftHeld as the keyboard stands).
    void PopupOpening(bool shiftHeld);
    /// Names, shows and checks the selection items as opening "Select Teams" does.
    void SelectionMenuOpening();

signals:
    /// A team row was double-clicked: show that team's statistics.
    void teamActivated(int team);
    void saveRequested();
    void setupRequested();
    void aboutRequested();
    /// The model changed (DataChanged may have been set).
    void dataChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildTitle();
    void BuildGrid();
    void BuildOptions();
    void ConnectControls();
    void BuildPopup();
    void ShowDates();
    void EnableDates();
    void Relayout();
    /// Sets the column widths for a grid `client` pixels wide inside; returns their sum.
    int LayoutColumns(int client);

    League& m_league;
    Settings& m_settings;
    const Locale& m_locale;
    Prompter& m_prompter;

    TablePageState m_state;
    TableViewData m_view;
    int m_hintRow = -1;
    DatePicker m_pickDate;

    QLabel* m_title = nullptr;
    QTableView* m_grid = nullptr;
    LeagueTableModel* m_model = nullptr;
    QWidget* m_options = nullptr;
    QButtonGroup* m_contentGroup = nullptr;
    QButtonGroup* m_sideGroup = nullptr;
    QPushButton* m_fromButton = nullptr;
    QPushButton* m_toButton = nullptr;
    UpDown* m_fromUpDown = nullptr;
    UpDown* m_toUpDown = nullptr;
    QVBoxLayout* m_buttonArea = nullptr;

    QMenu* m_popup = nullptr;
    QAction* m_miShortFormat = nullptr;
    QAction* m_miShowPoss = nullptr;
    QAction* m_miSave = nullptr;
    QMenu* m_miAdmin = nullptr;
    QAction* m_miAllTeams = nullptr;
    QList<QAction*> m_miSelections;
};

} // namespace gorlin
