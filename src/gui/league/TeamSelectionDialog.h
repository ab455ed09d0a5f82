#pragma once

#include "core/engine/TeamSelectionEdit.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;
class QTabBar;

namespace gorlin {

struct League;
class Prompter;

/// "Edit Team Selections": eight tabs of a name and one check box per league team, edited on
/// a copy of the league's slots that OK copies back.
class TeamSelectionDialog : public QDialog {
    Q_OBJECT
public:
    TeamSelectionDialog(League& league, Prompter& prompter, QWidget* parent = nullptr);

    /// After OK: the slot on screen when it has a name, else 0.
    int ReportedSlot() const { return m_reported; }
    /// The slot on screen (1..8).
    int CurrentSlot() const { return m_edit.CurrentSlot(); }

    void btnClearClick();
    void btnOkClick();

private:
    void TabChanging(int index);
    void ShowSlot(int slot);
    TeamSelectionEdit::Entry OnScreen() const;
    void RenameTab(int slot);

    League& m_league;
    Prompter& m_prompter;
    TeamSelectionEdit m_edit;
    QTabBar* m_tabs = nullptr;
    QLineEdit* m_name = nullptr;
    QList<QCheckBox*> m_boxes;
    int m_reported = 0;
};

} // namespace gorlin
