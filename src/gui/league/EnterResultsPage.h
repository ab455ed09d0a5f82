#pragma once

#include "core/edit/ResultEntry.h"

#include <QPoint>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace gorlin {

struct AppContext;
struct League;

/// The "Enter Results" page: the competition, the teams still to play (double-click chooses the
/// home team, then the away team), score, attendance, referee, comment, "Track Goals", "Record"
/// and "Cancel", and the date the results are entered under. The rules are the core ResultEntry
/// this page shows; the page set-up runs whenever the page is shown.
class EnterResultsPage : public QWidget {
    Q_OBJECT
public:
    /// Opens a date picker below a point; returns the picked day or 0 for cancel.
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    EnterResultsPage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Page set-up: the lists refilled, the entry cleared.
    void SetUp();
    /// Leaving the page: refused with "Result entry in progress. Complete it or cancel" while a
    /// result is being entered.
    bool CanLeave();

    const ResultEntry& Entry() const { return m_entry; }
    /// Replaces the calendar (tests script it).
    void SetDatePicker(DatePicker picker) { m_pickDate = std::move(picker); }

    // Handlers (public so tests can drive them).
    void cbCompetitionChange(int index);
    void btnCompClick();
    void btnAddTeamClick();
    void lbTeamsDblClick();
    void btnAddRefereeClick();
    void cbTrackGoalsClick(bool on);
    void btnRecordClick();
    void btnCancelClick();
    void btnCalendarClick();

signals:
    /// The model changed (DataChanged may have been set).
    void dataChanged();
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildChoice();
    QWidget* BuildEntry();
    void ConnectControls();
    void FillCompetitions(int select);
    void FillReferees(int select);
    /// Clears what "Record", "Cancel" and the set-up reset: scores, attendance, referee, comment.
    void ClearInputs();
    /// Shows the entry state: team list, captions, status, enabling, date.
    void ShowState();

    League& m_league;
    AppContext& m_context;
    ResultEntry m_entry;
    DatePicker m_pickDate;

    QComboBox* m_competition = nullptr;
    QPushButton* m_compButton = nullptr;
    QListWidget* m_teams = nullptr;
    QPushButton* m_addTeam = nullptr;
    QLabel* m_home = nullptr;
    QLabel* m_away = nullptr;
    QSpinBox* m_homeGoals = nullptr;
    QSpinBox* m_awayGoals = nullptr;
    QLineEdit* m_attendance = nullptr;
    QComboBox* m_referee = nullptr;
    QPushButton* m_addReferee = nullptr;
    QLineEdit* m_comment = nullptr;
    QLabel* m_status = nullptr;
    QCheckBox* m_trackGoals = nullptr;
    QPushButton* m_record = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_date = nullptr;
    QPushButton* m_calendar = nullptr;
};

} // namespace gorlin
