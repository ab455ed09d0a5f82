#include "core/Version.h"
#include "core/app/Settings.h"
#include "core/update/DialUp.h"
#include "gui/app/ErrorHandler.h"
#include "gui/app/FolderWindow.h"
#include "gui/app/HintFilter.h"
#include "gui/app/SplashWindow.h"
#include "gui/app/StartProgram.h"
#include "gui/league/LeaguePages.h"
#include "gui/update/DialUpWindows.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/Prompter.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemLocale.h"
#include "platform/os/SystemFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <cstdio>

using namespace gorlin;

namespace {

constexpr int kSplashMs = 500;
constexpr int kExitUsage = 2;

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv) {
    // Help and version are answered before any window system is needed.
    if (const StartArguments early = ParseStartArguments(RawArguments(argc, argv));
        early.Help || early.Version) {
        Print(stdout, early.Help ? StartHelpText() : StartVersionText());
        return 0;
    }

    GorlinApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gorlin"));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("gorlin"));

    // Qt has taken its own options out of the arguments by now: anything else unknown is a mistake.
    const StartArguments args = ParseStartArguments(QApplication::arguments());
    if (!args.Problem.isEmpty()) {
        Print(stderr, QStringLiteral("gorlin: %1\nRun 'gorlin --help' for the options.\n").arg(args.Problem));
        return kExitUsage;
    }

    const ProgramData data = FindProgramData(ExecutableFolder());
    const QString dataFolder = QFile::decodeName(data.Folder.c_str());
    if (!data.Folder.empty()) {
        QIcon icon;
        for (const char* size : {"48x48", "256x256"})
            icon.addFile(dataFolder +
                         QStringLiteral("../icons/hicolor/%1/apps/gorlin.png").arg(QLatin1String(size)));
        QApplication::setWindowIcon(icon);
    }

    QtPrompter prompter;
    QtFileDialogs fileDialogs;
    app.SetErrorHandler(&prompter);

    auto* splash = new SplashWindow;
    splash->ShowNow();

    // The program folder holds the settings file; `--config-dir DIR` overrides it.
    const QString programFolder = ProgramFolder(args.ConfigDir);
    QDir().mkpath(programFolder);
    SettingsFile settingsFile = LoadSettingsFile(programFolder.toStdString());
    if (!settingsFile.Problem)
        prompter.Error(nullptr,
                       QStringLiteral("The settings file could not be read; the defaults are used.\n\n%1")
                           .arg(QString::fromStdString(settingsFile.Problem.Message)));
    IniFile& ini = settingsFile.Ini;
    Settings& settings = settingsFile.Values;
    // No dial-up service on this platform: connections are made by hand for the whole run.
    settings.ManualConnect = true;
    settings.DiscOption = 0;

    // Short date rule and the two-digit-year window are part of the system locale.
    Locale locale = SystemLocale();

    AppContext context(settings, ini, locale, prompter, fileDialogs, programFolder);
    AbsentDialUpService dialUpService;
    DialUpSession dialUp(dialUpService);
    context.dialUpAvailable = dialUpService.Present();
    context.dialUp = &dialUp;
    context.installLeaguePages = InstallLeaguePages;

    HintFilter hints(settings);
    app.installEventFilter(&hints);

    StartEnvironment environment;
    if (const QString examples = dataFolder + QStringLiteral("examples");
        !data.Folder.empty() && QFileInfo(examples).isDir())
        environment.ExamplesFolder = examples;
    environment.UserDataHome = QFile::decodeName(UserDataHome().c_str());
    environment.SettingsRead = settingsFile.Problem.Ok;
    const std::unique_ptr<FolderWindow> window = StartProgram(args, context, environment);
    // A league named on the command line opens at once, not behind the splash.
    splash->CloseAfterLoopStarts(args.LeagueFile.isEmpty() ? kSplashMs : 0);
    const int exitCode = QApplication::exec();
    // A connection the program dialled is hung up on leaving.
    HangUpOnLeaving(dialUp);
    return exitCode;
}
