#pragma once

#include <QString>
#include <QStringList>

namespace gorlin {

/// The value of `--config-dir DIR` or `--config-dir=DIR` among the program's arguments;
/// empty when not given.
QString ConfigDirArgument(const QStringList& arguments);

/// The program folder (where gorlin.ini lives), ending with '/': configDir when not empty;
/// else the executable's folder when it holds gorlin.ini, or can be written and is not installed;
/// else the per-user configuration folder + "/gorlin". Needs a QCoreApplication.
QString ProgramFolder(const QString& configDir);

} // namespace gorlin
