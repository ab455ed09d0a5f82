#include "platform/Trash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>
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

/// Whether `folder` is a folder or could be made one: its nearest existing ancestor is a
/// writable folder.
bool CanHold(QString folder) {
    while (!QFileInfo::exists(folder)) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return false;
        folder = parent;
    }
    return IsFolder(folder) && QFileInfo(folder).isWritable();
}

/// A name for `fileName` that neither files/ nor info/ of the trash holds yet, its info file
/// created (open) so that no other deletion takes the name.
QString ReserveName(const QString& trash, const QString& fileName, QFile& info) {
    for (int n = 1; n <= 1000; ++n) {
        const QString name = n == 1 ? fileName : QStringLiteral("%1.%2").arg(fileName).arg(n);
        if (QFileInfo::exists(trash + QStringLiteral("/files/") + name))
            continue;
        info.setFileName(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        if (info.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
    }
    return {};
}

} // namespace

QString TrashFolderFor(const QString& path) {
    const long long device = DeviceOf(QFileInfo(path).absolutePath());
    if (device < 0)
        return {};
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty() && DeviceOf(dataHome) == device) {
        const QString home = dataHome + QStringLiteral("/Trash");
        return CanHold(home) ? home : QString();
    }
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

TrashResult MoveToTrash(const QString& path) {
    const QString trash = TrashFolderFor(path);
    if (trash.isEmpty())
        return TrashResult::NoTrash;
    const bool made = !QFileInfo::exists(trash);
    QDir dir;
    if (!dir.mkpath(trash + QStringLiteral("/files")) || !dir.mkpath(trash + QStringLiteral("/info")))
        return TrashResult::NoTrash;
    if (made)
        QFile::setPermissions(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo file(path);
    QFile info;
    const QString name = ReserveName(trash, file.fileName(), info);
    if (name.isEmpty())
        return TrashResult::Failed;
    info.write("[Trash Info]\nPath=" + QUrl::toPercentEncoding(file.absoluteFilePath(), "/") +
               "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n');
    info.close();
    // The trash is on the file's own file system, so this is a rename, never a copy.
    if (::rename(QFile::encodeName(path).constData(),
                 QFile::encodeName(trash + QStringLiteral("/files/") + name).constData()) != 0) {
        info.remove();
        return TrashResult::Failed;
    }
    return TrashResult::Moved;
}

} // namespace gorlin
