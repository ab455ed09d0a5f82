#pragma once

#include "core/edit/Squads.h"

#include <QDialog>
#include <QDoubleSpinBox>

class QCheckBox;
class QListWidget;
class QSpinBox;

namespace gorlin {

struct AppContext;
struct League;
struct Locale;
class Prompter;

/// A rating in steps of 0.5 from 0 to 10 whose typing follows the core's rating rules (a whole
/// number, one digit after the point, or a number and the point; more than 10 is not taken).
class RatingSpinBox final : public QDoubleSpinBox {
    Q_OBJECT
public:
    RatingSpinBox(const Locale& locale, QWidget* parent = nullptr);

    /// The rating in tenths.
    int Tenths() const;
    void SetTenths(int tenths);

    QValidator::State validate(QString& input, int& pos) const override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;

private:
    const Locale& m_locale;
};

/// "Update Squad Member" for one entry of a working squad: "Time on:", "Time Off:", "1st
/// Yellow", "2nd Yellow" (ticking it ticks "1st Yellow" and "Red"), "Red", "Rating: (0-10):".
/// OK writes the entry into the squad window's working squad.
class SquadMemberDialog final : public QDialog {
    Q_OBJECT
public:
    /// `player` is the entry's player name, shown above the fields.
    SquadMemberDialog(SquadEditor& editor, SquadSide side, int entry, const QString& player,
                      const Locale& locale, QWidget* parent = nullptr);

    MemberInput Input() const;

    void btnOKClick();
    void cbYellow2Click(bool on);

private:
    SquadEditor& m_editor;
    SquadSide m_side;
    int m_entry;
    QSpinBox* m_timeOn = nullptr;
    QSpinBox* m_timeOff = nullptr;
    QCheckBox* m_yellow1 = nullptr;
    QCheckBox* m_yellow2 = nullptr;
    QCheckBox* m_red = nullptr;
    RatingSpinBox* m_rating = nullptr;
};

/// "Assign Substitute for " + the player: the squad's unused players (or the team's available
/// players) and the minute. OK brings the chosen player on; without a player or a minute it
/// gives "You have not selected a substitute" and stays open.
class SubstituteDialog final : public QDialog {
    Q_OBJECT
public:
    SubstituteDialog(const League& league, SquadEditor& editor, SquadSide side, int entry,
                     const SubstituteChoices& choices, Prompter& prompter, QWidget* parent = nullptr);

    void btnOKClick();

private:
    SquadEditor& m_editor;
    Prompter& m_prompter;
    SquadSide m_side;
    int m_entry;
    QListWidget* m_players = nullptr;
    QSpinBox* m_minute = nullptr;
};

} // namespace gorlin
