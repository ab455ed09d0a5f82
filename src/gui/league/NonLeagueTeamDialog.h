#pragma once

#include <QDialog>

class QLineEdit;

namespace gorlin {

struct League;
class Prompter;

/// "Add Non-League Team" with "Name: " (up to 30 characters). OK adds the team through the
/// core and closes; an empty name beeps, a name in use gives its message.
class NonLeagueTeamDialog final : public QDialog {
    Q_OBJECT
public:
    NonLeagueTeamDialog(League& league, Prompter& prompter, QWidget* parent = nullptr);

    /// The team added by OK, 0 before.
    int Team() const { return m_team; }
    QLineEdit* NameEdit() const { return m_name; }

    void btnOKClick();

private:
    League& m_league;
    Prompter& m_prompter;
    int m_team = 0;
    QLineEdit* m_name;
};

} // namespace gorlin
