#include "platform/ProgramFolder.h"

#include "core/app/ProgramFolderRule.h"
#include "core/app/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace gorlin {

QString ConfigDirArgument(const QStringList& arguments) {
    const QString option = QStringLiteral("--config-dir");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arg.startsWith(option + '='))
            return arg.mid(option.size() + 1);
    }
    return {};
}

QString ProgramFolder(const QString& configDir) {
    ProgramFolderInputs in;
    in.ConfigDir = QDir::fromNativeSeparators(configDir).toStdString();
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (!exeFolder.isEmpty()) {
        in.ExeFolder = exeFolder.toStdString();
        in.ExeFolderHasIni =
            QFileInfo::exists(QDir(exeFolder).filePath(QString::fromLatin1(kSettingsFileName)));
        in.ExeFolderWritable = QFileInfo(exeFolder).isWritable();
    }
    in.UserConfigHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    return QString::fromStdString(ChooseProgramFolder(in));
}

} // namespace gorlin
