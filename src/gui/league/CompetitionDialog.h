#pragma once

#include <QDialog>

class QLineEdit;

namespace gorlin {

struct League;
class Prompter;

/// "Create/Edit Competition Name": creates a competition (comp 0, opened while the league is
/// chosen) or edits competition comp, with "Competition Name:" (30) and "Short Name:" (4). OK
/// stores through the core and closes; an empty field beeps, a name or short name in use gives
/// "Competition name already defined" and the focus returns to the name.
class CompetitionDialog final : public QDialog {
    Q_OBJECT
public:
    CompetitionDialog(League& league, Prompter& prompter, int comp, QWidget* parent = nullptr);

    /// The competition stored by OK (the new index when creating), 0 before.
    int Competition() const { return m_stored; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* ShortNameEdit() const { return m_shortName; }

    void btnOKClick();

private:
    League& m_league;
    Prompter& m_prompter;
    int m_comp;
    int m_stored = 0;
    QLineEdit* m_name;
    QLineEdit* m_shortName;
};

} // namespace gorlin
