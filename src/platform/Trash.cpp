#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace gorlin {

namespace {

/// The device of a path, or of its nearest existing ancestor; -1 when none can be read.
long long DeviceOf(QString path) {
    for (;;) {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) == 0)
            return static_cast<long long>(st.st_dev);
        const QString parent = QFileInfo(path).absolutePath();
        if (parent == path || parent.isEmpty())
            return -1;
        path = parent;
    }
}

/// The top of the file system holding `path`: the last ancestor on the same device.
QString TopOf(const QString& path, long long device) {
    QString top = QFileInfo(path).absolutePath();
    for (;;) {
        const QString parent = QFileInfo(top).absolutePath();
        if (parent == top || DeviceOf(parent) != device)
            return top;
        top = parent;
    }
}

bool IsStickyFolder(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           (st.st_mode & S_ISVTX) != 0;
}

bool IsFolder(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

QString TrashFolderFor(const QString& path) {
    const long long device = DeviceOf(QFileInfo(path).absolutePath());
    if (device < 0)
        return {};
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty() && DeviceOf(dataHome) == device)
        return dataHome + QStringLiteral("/Trash");
    const QString top = TopOf(path, device);
    const QString uid = QString::number(::getuid());
    const QString shared = top + QStringLiteral("/.Trash");
    if (IsStickyFolder(shared))
        return shared + '/' + uid;
    const QString own = top + QStringLiteral("/.Trash-") + uid;
    if (IsFolder(own) || (!QFileInfo::exists(own) && QFileInfo(top).isWritable()))
        return own;
    return {};
}

bool InRealTrash(const QString& inTrash) {
    QDir files = QFileInfo(inTrash).absoluteDir();
    if (files.dirName() != QLatin1String("files") || !files.cdUp())
        return false;
    const QString trash = files.dirName();
    if (trash == QLatin1String("Trash") || trash.startsWith(QLatin1String(".Trash-")))
        return true;
    return files.cdUp() && files.dirName() == QLatin1String(".Trash");
}

TrashResult MoveToTrash(const QString& path) {
    if (TrashFolderFor(path).isEmpty())
        return TrashResult::NoTrash;
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return TrashResult::Failed;
    if (inTrash.isEmpty() || InRealTrash(inTrash))
        return TrashResult::Moved;
    const QFileInfo moved(inTrash);
    QFile::remove(
        moved.absoluteDir().absoluteFilePath(QStringLiteral("../info/%1.trashinfo").arg(moved.fileName())));
    QFile::rename(inTrash, path);
    return TrashResult::Failed;
}

} // namespace gorlin
