#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QTabWidget;
class QWidget;

namespace gorlin {

/// Refuses to leave one tab of a QTabWidget while a check says no. The check runs before the
/// user's click, key or wheel turn changes the tab, so the page being left can store its edits
/// before the next page is drawn, and a refusal never shows the next page at all. A change made
/// by the program itself is checked afterwards and turned back when refused. The check tells
/// the user why itself.
class TabLeaveGuard final : public QObject {
    Q_OBJECT
public:
    /// `guarded` gives the page whose leaving is checked (it may change or vanish).
    TabLeaveGuard(QTabWidget* tabs, std::function<QWidget*()> guarded, std::function<bool()> canLeave);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The index the event would make current, or -1 when it changes nothing.
    int TargetOf(QObject* watched, QEvent* event) const;
    bool Leaving(int target) const;

    QTabWidget* m_tabs;
    std::function<QWidget*()> m_guarded;
    std::function<bool()> m_canLeave;
    QPointer<QWidget> m_previous;
    int m_checkedTarget = -1; // the change to this index was checked before it happened
    bool m_reverting = false;
};

} // namespace gorlin
