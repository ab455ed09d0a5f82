#pragma once

#include "core/edit/Fixtures.h"

#include <QDialog>
#include <QPoint>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace gorlin {

struct League;
struct Locale;
class Prompter;

/// Opens a date picker with its corner at a point; returns the picked day or 0 for cancel
/// (CalendarDialog::PickDate in the program, scripted in tests).
using FixtureDatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

/// "Add Fixture": a competition ("Competition:" offers the league only when it has no fixed
/// schedule), two teams from the competition's teams, and an optional date typed or picked.
/// OK checks through the core and adds the fixture; a refusal is shown and the dialog stays.
/// "Add Competition" and "Add New Team" open the competition and non-league team dialogs and
/// refresh the lists.
class AddFixtureDialog : public QDialog {
    Q_OBJECT
public:
    AddFixtureDialog(League& league, const Locale& locale, Prompter& prompter, FixtureDatePicker pickDate,
                     QWidget* parent = nullptr);

    /// The new fixture's game after OK, else 0.
    int AddedGame() const { return m_added; }

    void cbCompChange(int item);
    void btnDateClick();
    void btnAddCompClick();
    void btnAddTeamClick();
    void btnOkClick();

private:
    void FillCompetitions();
    void FillTeams();
    /// The competition of the chosen item (0 = league), -1 when none is chosen.
    int ChosenComp() const;

    League& m_league;
    const Locale& m_locale;
    Prompter& m_prompter;
    FixtureDatePicker m_pickDate;
    int m_added = 0;

    QComboBox* m_comp = nullptr;
    QComboBox* m_home = nullptr;
    QComboBox* m_away = nullptr;
    QLineEdit* m_date = nullptr;
    QPushButton* m_dateButton = nullptr;
};

/// "Predict Score": the two predicted goal counts (0..30) and the match date of one fixture.
class PredictScoreDialog : public QDialog {
    Q_OBJECT
public:
    PredictScoreDialog(const PredictScoreView& view, const Locale& locale, FixtureDatePicker pickDate,
                       QWidget* parent = nullptr);

    int HomeGoals() const;
    int AwayGoals() const;
    /// The date shown (0 = none).
    int Date() const { return m_dateDay; }
    /// The date picked with the calendar in this dialog, 0 when none was.
    int PickedDate() const { return m_picked; }

    void btnDateClick();

private:
    void ShowDate();

    const Locale& m_locale;
    FixtureDatePicker m_pickDate;
    int m_dateDay = 0;
    int m_picked = 0;

    QSpinBox* m_homeGoals = nullptr;
    QSpinBox* m_awayGoals = nullptr;
    QLineEdit* m_date = nullptr;
    QPushButton* m_dateButton = nullptr;
};

/// "Automatic Result Prediction": what to predict and how many recent games to weigh. OK runs
/// the prediction; a refusal is shown and the dialog stays.
class AutoPredictDialog : public QDialog {
    Q_OBJECT
public:
    /// `selectedGame` is the fixture of the page's selected row (0 = none); `today` ends the
    /// ranked table.
    AutoPredictDialog(League& league, Prompter& prompter, int selectedGame, int today,
                      QWidget* parent = nullptr);

    /// Fixtures predicted by OK.
    int Predicted() const { return m_predicted; }

    void btnOkClick();

private:
    League& m_league;
    Prompter& m_prompter;
    int m_selectedGame;
    int m_today;
    int m_predicted = 0;

    QButtonGroup* m_what = nullptr;
    QSpinBox* m_matches = nullptr;
};

} // namespace gorlin
