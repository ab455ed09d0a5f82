#include "gui/widgets/AppContext.h"

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

} // namespace gorlin
