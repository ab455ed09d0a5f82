#pragma once

#include <QString>

namespace gorlin {

/// Whether a path returned by QFile::moveToTrash lies in a real trash (".../Trash/files/x",
/// ".../.Trash-1000/files/x" or ".../.Trash/1000/files/x").
bool InRealTrash(const QString& inTrash);

/// Moves a file to the trash. Some Qt versions, finding no usable trash, "succeed" by moving the
/// file into a folder below the working directory; such a move is undone and counted a failure,
/// so the file is never lost where the user cannot find it.
bool MoveToTrash(const QString& path);

} // namespace gorlin
