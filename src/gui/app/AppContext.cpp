#include "gui/app/AppContext.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace gorlin {

QString AppContext::TableFolder() const {
    QString folder = QString::fromStdString(settings.FilePath);
    if (folder.isEmpty())
        folder = programFolder;
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

bool AppContext::SaveSettings(QWidget* parent) const {
    const Status saved = ini.Save();
    if (!saved)
        prompter.Error(parent, QStringLiteral("The settings file could not be written.\n\n%1")
                                   .arg(QString::fromStdString(saved.Message)));
    return saved.Ok;
}

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
