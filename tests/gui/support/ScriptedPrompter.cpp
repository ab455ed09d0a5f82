#include "gui/support/ScriptedPrompter.h"

#include <QDir>
#include <QWidget>

namespace gorlin::test {

void Screenshot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("GORLIN_SCREENSHOTS");
    if (dir.isEmpty() || widget == nullptr)
        return;
    QDir().mkpath(dir);
    widget->grab().save(QDir(dir).filePath(name + ".png"));
}

} // namespace gorlin::test
