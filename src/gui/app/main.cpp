#include "core/Version.h"
#include "core/app/Settings.h"
#include "gui/app/ErrorHandler.h"
#include "gui/app/FolderWindow.h"
#include "gui/app/HintFilter.h"
#include "gui/app/SplashWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/Prompter.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemLocale.h"

#include <QDir>
#include <QScreen>
#include <QStringList>

using namespace gorlin;

namespace {
constexpr int kSplashMs = 500;
}

int main(int argc, char** argv) {
    GorlinApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gorlin"));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));

    QtPrompter prompter;
    QtFileDialogs fileDialogs;
    app.SetErrorHandler(&prompter);

    auto* splash = new SplashWindow;
    splash->ShowNow();

    // The program folder holds the settings file; `--config-dir DIR` overrides it.
    const QString programFolder = ProgramFolder(ConfigDirArgument(QApplication::arguments()));
    QDir().mkpath(programFolder);
    SettingsFile settingsFile = LoadSettingsFile(programFolder.toStdString());
    if (!settingsFile.Problem)
        prompter.Error(nullptr,
                       QStringLiteral("The settings file could not be read; the defaults are used.\n\n%1")
                           .arg(QString::fromStdString(settingsFile.Problem.Message)));
    IniFile& ini = settingsFile.Ini;
    Settings& settings = settingsFile.Values;
    // `--table-folder DIR` shows another folder for this run without changing FilePath.
    if (const QString folder = TableFolderArgument(QApplication::arguments()); !folder.isEmpty())
        settings.FilePath = QDir(folder).absolutePath().toStdString() + "/";
    // No dial-up service on this platform: connections are made by hand for the whole run.
    settings.ManualConnect = true;
    settings.DiscOption = 0;

    // Short date rule and the two-digit-year window are part of the system locale.
    Locale locale = SystemLocale();

    AppContext context(settings, ini, locale, prompter, fileDialogs, programFolder);
    context.dialUpAvailable = false;
    context.installLeaguePages = InstallLeaguePages;

    HintFilter hints(settings);
    app.installEventFilter(&hints);

    FolderWindow window(context);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    splash->CloseAfterLoopStarts(kSplashMs);
    return QApplication::exec();
}
