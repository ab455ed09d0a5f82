#pragma once

#include "core/engine/Standings.h"
#include "core/engine/TableView.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QPoint>
#include <QStyledItemDelegate>
#include <QWidget>
#include <functional>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;
class QVBoxLayout;

namespace gorlin {

struct League;
struct Locale;
struct Settings;
class Prompter;

/// The grid rows of the league table: row 0 is the heading row, rows 1..n the teams, as the
/// core table view built them. Cell text is the display role; zone and own-team colours are
/// the background and foreground roles; ColumnLetterRole gives the column's letter ('+' for
/// the possible-points column).
class LeagueTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnLetterRole = Qt::UserRole + 1;
    static constexpr int TeamRole = Qt::UserRole + 2;

    LeagueTableModel(const Settings& settings, QObject* parent = nullptr);

    /// Takes a freshly drawn table (and resets the view).
    void SetView(const TableViewData* view);
    /// The grid's hint shown over every cell.
    void SetHint(const QString& hint);
    QString Hint() const { return m_hint; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// Letter of grid column c ('+' for "PP", '\0' outside).
    char ColumnLetter(int column) const;

private:
    const Settings& m_settings;
    const TableViewData* m_view = nullptr;
    QString m_hint;
};

/// Draws the grid cells: heading row navy and centred, zone backgrounds, raised edges, and the
/// status pictures of column A.
class LeagueTableDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit LeagueTableDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    /// The 14 x 14 picture of a status mark ("U", "D", "S"); a null pixmap for other text.
    static QPixmap StatusPicture(const QString& mark);
};

/// An arrows-only up-down control with a position in [Min, Max] (as a date range's stepper).
class UpDown final : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);
    void SetRange(int min, int max, int position);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    /// Moves one step (+1 up, -1 down) within the range; emits Changed when it moved.
    void Step(int delta);

signals:
    void Changed(int position);

private:
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 0;
    int m_position = 0;
};

/// The "League Table" page: the standings grid with its title, the "Table Content" and "Game
/// Selection" options, the "Dates to include:" range and the grid's pop-up menu.
class LeagueTablePage : public QWidget {
    Q_OBJECT
public:
    /// Opens a date picker below a point; returns the picked day or 0 for cancel.
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    LeagueTablePage(League& league, Settings& settings, const Locale& locale, Prompter& prompter,
                    QWidget* parent = nullptr);

    /// Rebuilds the match dates (range reset to the whole table) and redraws: what showing the
    /// page, an import or an update needs.
    void Refresh();
    /// Takes the column sets and colours again after the settings changed, and redraws.
    void SettingsChanged();
    /// Computes and shows the table for the current options.
    void DrawTable();

    int ContentMode() const { return m_content; }
    int SideMode() const { return m_side; }
    bool ShortFormat() const { return m_shortFormat; }
    bool ShowPossPoints() const { return m_showPossPoints; }
    const DateTable& Dates() const { return m_dates; }
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
    void BuildPopup();
    void ShowDates();
    void EnableDates();
    void Relayout();
    QString ColumnLetters() const;

    League& m_league;
    Settings& m_settings;
    const Locale& m_locale;
    Prompter& m_prompter;

    int m_content = kPlayedGames;
    int m_side = kHomeAndAway;
    bool m_shortFormat = false;
    bool m_showPossPoints = false;
    DateTable m_dates;
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
