#pragma once

#include "core/engine/SortRulePage.h"

#include <QListWidget>
#include <QWidget>

class QPushButton;

namespace gorlin {

struct League;
struct Locale;
struct Settings;
class Prompter;

/// One of the two rule lists of the "Sort Rules" page; drags carry the list and row so a drop
/// on either list can move the item through the core page state.
class SortRuleList : public QListWidget {
    Q_OBJECT
public:
    SortRuleList(SortRulePage::List which, QWidget* parent);
    SortRulePage::List Which() const { return m_which; }

    static constexpr const char* kMimeType = "application/x-gorlin-sortrule";

signals:
    /// An item dragged from row `row` of list `source` was dropped on this list.
    void ItemDropped(int source, int row, int target);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    SortRulePage::List m_which;
};

/// The "Sort Rules" page of table maintenance: "Available Rules:" and "Active Rules:" with
/// Right, Left, Up, Down and Restore, and drag and drop between and within the lists. The
/// league's SortRules changes only when the page is left (CanLeave).
class SortRulesPage : public QWidget {
    Q_OBJECT
public:
    SortRulesPage(League& league, Settings& settings, const Locale& locale, Prompter& prompter,
                  QWidget* parent = nullptr);

    /// Page fill from the league's SortRules (done whenever the page is shown).
    void Fill();
    /// Called before the page, the maintenance tab or the window is left: stores the edited
    /// rules when there are edits. Shows the error and returns false when they cannot be stored.
    bool CanLeave();

    const SortRulePage& State() const { return m_state; }

    void btnRightClick();
    void btnLeftClick();
    void btnUpClick();
    void btnDownClick();
    void btnRestoreClick();
    /// A drop of row `row` of `source` on `target` (lists as SortRulePage::List values).
    void ListDrop(int source, int row, int target);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowLists(int activeSelection = -1);

    League& m_league;
    Prompter& m_prompter;
    SortRulePage m_state;
    SortRuleList* m_available = nullptr;
    SortRuleList* m_active = nullptr;
};

} // namespace gorlin
