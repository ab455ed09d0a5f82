#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace gorlin {

struct AppContext;
struct League;

/// The comment dialog of the result details window: the game's comment (up to 50 characters);
/// OK stores it through the core.
class CommentDialog final : public QDialog {
    Q_OBJECT
public:
    CommentDialog(League& league, int game, QWidget* parent = nullptr);
    void btnOKClick();

private:
    League& m_league;
    int m_game;
    QLineEdit* m_comment = nullptr;
};

/// "Result Details" of one game (CurrentGame): teams and score, attendance, award, half-time
/// score, referee, the scorers of each team (in blue), dismissals and missed penalties, and the
/// comment; the note picture opens the comment dialog, "Squads" the squad window. Everything
/// shown is the core's ResultDetails, rebuilt after each change.
class ResultDetailsWindow final : public QDialog {
    Q_OBJECT
public:
    ResultDetailsWindow(League& league, AppContext& context, int game, QWidget* parent = nullptr);

    /// Runs the window for game g (the statistics pages' double click).
    static void ShowDetails(League& league, AppContext& context, int game, QWidget* parent);

    int Game() const { return m_game; }

    void imgNoteClick();
    void btnSquadsClick();

private:
    /// Shows the details of the game again.
    void Fill();

    League& m_league;
    AppContext& m_context;
    int m_game;
    QLabel* m_homeName = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_awayName = nullptr;
    QLabel* m_attendance = nullptr;
    QLabel* m_awarded = nullptr;
    QLabel* m_halfTime = nullptr;
    QLabel* m_referee = nullptr;
    QLabel* m_homeScorers = nullptr;
    QLabel* m_awayScorers = nullptr;
    QLabel* m_homeExtras = nullptr;
    QLabel* m_awayExtras = nullptr;
    QLabel* m_comment = nullptr;
};

} // namespace gorlin
