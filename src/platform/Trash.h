#pragma once

#include <QString>

namespace gorlin {

/// The trash folder a file would be moved to by the freedesktop.org rules, without creating
/// anything: the home trash ($XDG_DATA_HOME/Trash, if it is or can be made a folder) when the file lies on
/// the same file system as the data home; else the trash at the top of the file's own file system
/// ($top/.Trash/$uid when $top/.Trash is a sticky folder and not a link, else an existing $top/.Trash-$uid,
/// or one that can be made because $top may be written). Empty when the file has no usable trash.
QString TrashFolderFor(const QString& path);

enum class TrashResult {
    Moved,
    NoTrash, ///< no usable trash for the file: nothing was touched
    Failed,  ///< the move failed; the file is where it was
};

/// Moves a file to its trash with its .trashinfo, so desktop trash tools list and restore it.
/// Without a usable trash nothing is made or moved (Qt's own move makes a "trash" below the
/// working folder then), so the file is never lost where the user cannot find it.
TrashResult MoveToTrash(const QString& path);

} // namespace gorlin
