#include "gui/app/HintFilter.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace gorlin {

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    if (!m_settings.ShowHints) {
        QToolTip::hideText();
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->toolTip().isEmpty())
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), kHintVisibleMs);
    return true;
}

} // namespace gorlin
