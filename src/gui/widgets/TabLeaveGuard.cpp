#include "gui/widgets/TabLeaveGuard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace gorlin {

TabLeaveGuard::TabLeaveGuard(QTabWidget* tabs, std::function<QWidget*()> guarded,
                             std::function<bool()> canLeave)
    : QObject(tabs), m_tabs(tabs), m_guarded(std::move(guarded)), m_canLeave(std::move(canLeave)),
      m_previous(tabs->currentWidget()) {
    tabs->tabBar()->installEventFilter(this);
    tabs->installEventFilter(this);
    connect(tabs, &QTabWidget::currentChanged, this, [this](int) {
        if (m_reverting)
            return;
        QWidget* left = m_previous.data();
        QWidget* now = m_tabs->currentWidget();
        const bool checked = m_checkedTarget == m_tabs->currentIndex();
        m_checkedTarget = -1;
        if (!checked && left != nullptr && left == m_guarded() && left != now && !m_canLeave()) {
            m_reverting = true;
            m_tabs->setCurrentWidget(left);
            m_reverting = false;
            return;
        }
        m_previous = now;
    });
}

int TabLeaveGuard::TargetOf(QObject* watched, QEvent* event) const {
    const QEvent::Type type = event->type();
    // Only these events are looked at: others also come while the tabs are being destroyed.
    if (type != QEvent::MouseButtonPress && type != QEvent::Wheel && type != QEvent::KeyPress)
        return -1;
    QTabBar* bar = m_tabs->tabBar();
    const int current = m_tabs->currentIndex();
    const int count = m_tabs->count();
    if (watched == bar && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return -1;
        return bar->tabAt(mouse->position().toPoint());
    }
    if (watched == bar && event->type() == QEvent::Wheel)
        return static_cast<QWheelEvent*>(event)->angleDelta().y() > 0 ? current - 1 : current + 1;
    if (event->type() != QEvent::KeyPress)
        return -1;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_PageDown))
        return count > 0 ? (current + 1) % count : -1;
    if (ctrl && (key->key() == Qt::Key_Backtab || key->key() == Qt::Key_PageUp))
        return count > 0 ? (current + count - 1) % count : -1;
    if (watched != bar)
        return -1;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return current - 1;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return current + 1;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count - 1;
    default:
        return -1;
    }
}

bool TabLeaveGuard::Leaving(int target) const {
    if (target < 0 || target >= m_tabs->count() || target == m_tabs->currentIndex())
        return false;
    QWidget* current = m_tabs->currentWidget();
    return current != nullptr && current == m_guarded();
}

bool TabLeaveGuard::eventFilter(QObject* watched, QEvent* event) {
    const int target = TargetOf(watched, event);
    if (Leaving(target)) {
        if (!m_canLeave())
            return true; // the user stays; the next page is never shown
        m_checkedTarget = target;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gorlin
