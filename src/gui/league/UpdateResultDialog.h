#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace gorlin {

struct AppContext;
struct League;

/// "Update Result" for one played game: "Score For:", "Against:", "Attendance:", "Comment: ",
/// "Referee:" ("** None Assigned **" first), "Cup:" (competitions; disabled for a league game)
/// and "Award:". OK stores through the core (goals made again only when a count changed, with
/// the goal dialog when "Track Goals" is on) and closes; a refusal keeps the dialog open.
class UpdateResultDialog final : public QDialog {
    Q_OBJECT
public:
    UpdateResultDialog(League& league, AppContext& context, int game, QWidget* parent = nullptr);

    void btnOKClick();

private:
    League& m_league;
    AppContext& m_context;
    int m_game;

    QSpinBox* m_homeGoals = nullptr;
    QSpinBox* m_awayGoals = nullptr;
    QLineEdit* m_attendance = nullptr;
    QLineEdit* m_comment = nullptr;
    QComboBox* m_referee = nullptr;
    QComboBox* m_cup = nullptr;
    QComboBox* m_award = nullptr;
};

} // namespace gorlin
