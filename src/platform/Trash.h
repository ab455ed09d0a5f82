#pragma once

#include <QString>

namespace gorlin {

/// The trash folder a file would be moved to by the freedesktop.org rules, without creating
/// anything: the home trash ($XDG_DATA_HOME/Trash) when the file lies on the same file system as
/// the data home; else the trash at the top of the file's own file system ($top/.Trash/$uid when
/// $top/.Trash is a sticky folder and not a link, else an existing $top/.Trash-$uid, or one that
/// can be made because $top may be written). Empty when the file has no usable trash.
QString TrashFolderFor(const QString& path);

/// Whether a path returned by QFile::moveToTrash lies in a real trash (".../Trash/files/x",
/// ".../.Trash-1000/files/x" or ".../.Trash/1000/files/x").
bool InRealTrash(const QString& inTrash);

enum class TrashResult {
    Moved,
    NoTrash, ///< no usable trash for the file: nothing was touched
    Failed,  ///< the move failed; the file is where it was
};

/// Moves a file to its trash. Without a usable trash nothing is moved (some Qt versions would
/// otherwise make a "trash" of their own below the working folder); a move that lands outside a
/// real trash is undone, so the file is never lost where the user cannot find it.
TrashResult MoveToTrash(const QString& path);

} // namespace gorlin
