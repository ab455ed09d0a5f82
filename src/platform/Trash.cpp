#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace gorlin {

bool InRealTrash(const QString& inTrash) {
    QDir files = QFileInfo(inTrash).absoluteDir();
    if (files.dirName() != QLatin1String("files") || !files.cdUp())
        return false;
    const QString trash = files.dirName();
    if (trash == QLatin1String("Trash") || trash.startsWith(QLatin1String(".Trash-")))
        return true;
    return files.cdUp() && files.dirName() == QLatin1String(".Trash");
}

bool MoveToTrash(const QString& path) {
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    if (inTrash.isEmpty() || InRealTrash(inTrash))
        return true;
    const QFileInfo moved(inTrash);
    QFile::remove(
        moved.absoluteDir().absoluteFilePath(QStringLiteral("../info/%1.trashinfo").arg(moved.fileName())));
    QFile::rename(inTrash, path);
    return false;
}

} // namespace gorlin
