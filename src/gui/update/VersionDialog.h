#pragma once

#include <QDialog>

class QLineEdit;

namespace gorlin {

struct League;
class Prompter;

/// "Set League Version ID": the league's version ID and update address, for its administrator.
class VersionDialog : public QDialog {
    Q_OBJECT
public:
    VersionDialog(League& league, Prompter& prompter, QWidget* parent = nullptr);

    /// "OK": stores both fields when both are valid and closes; a version field that is no
    /// number 0..9999 beeps and takes the focus; an address with an ID below 2000 is refused.
    void btnOKClick();

private:
    void BuildLayout();

    League& m_league;
    Prompter& m_prompter;
    QLineEdit* m_version = nullptr;
    QLineEdit* m_address = nullptr;
};

} // namespace gorlin
