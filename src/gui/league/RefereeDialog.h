#pragma once

#include <QDialog>

class QLineEdit;

namespace gorlin {

struct League;
class Prompter;

/// The referee dialog: "Add Referee" (referee 0) or "Update Referee" for one referee, with
/// "Name:" (up to 20 characters). OK stores through the core and closes; a refusal keeps it
/// open (an empty name beeps, a name in use gives its message). Sets DataChanged on OK; the
/// opener tells its host.
class RefereeDialog final : public QDialog {
    Q_OBJECT
public:
    RefereeDialog(League& league, Prompter& prompter, int referee, QWidget* parent = nullptr);

    /// Runs the dialog in add mode; the new referee's index, or 0 when cancelled.
    static int AddReferee(League& league, Prompter& prompter, QWidget* parent);
    /// Runs the dialog for referee r; true when a new name was stored.
    static bool ChangeReferee(League& league, Prompter& prompter, int referee, QWidget* parent);

    /// The referee stored by OK (the new index when adding), 0 before.
    int Referee() const { return m_stored; }
    QLineEdit* NameEdit() const { return m_name; }

    void btnOKClick();

private:
    League& m_league;
    Prompter& m_prompter;
    int m_referee;
    int m_stored = 0;
    QLineEdit* m_name;
};

} // namespace gorlin
