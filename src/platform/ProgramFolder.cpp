#include "platform/ProgramFolder.h"

#include "platform/os/SystemFolders.h"

#include <QDir>

namespace gorlin {

namespace {

QString OptionValue(const QStringList& arguments, const QString& option) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arg.startsWith(option + '='))
            return arg.mid(option.size() + 1);
    }
    return {};
}

} // namespace

QString ConfigDirArgument(const QStringList& arguments) {
    return OptionValue(arguments, QStringLiteral("--config-dir"));
}

QString ProgramFolder(const QString& configDir) {
    return QString::fromStdString(FindProgramFolder(QDir::fromNativeSeparators(configDir).toStdString()));
}

} // namespace gorlin
