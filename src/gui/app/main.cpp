#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "gui/app/AppContext.h"
#include "gui/app/ErrorHandler.h"
#include "gui/app/FolderWindow.h"
#include "gui/app/SplashWindow.h"
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
    QApplication::setApplicationVersion(QStringLiteral("4.7"));

    QtPrompter prompter;
    QtFileDialogs fileDialogs;
    app.SetErrorHandler(&prompter);

    auto* splash = new SplashWindow;
    splash->ShowNow();

    // The program folder holds the settings file; `--config-dir DIR` overrides it.
    const QString programFolder = ProgramFolder(ConfigDirArgument(QApplication::arguments()));
    QDir().mkpath(programFolder);
    IniFile ini((programFolder + QStringLiteral("gorlin.ini")).toStdString());
    if (const Status loaded = ini.Load(); !loaded)
        prompter.Error(nullptr,
                       QStringLiteral("The settings file could not be read; the defaults are used.\n\n%1")
                           .arg(QString::fromStdString(loaded.Message)));
    Settings settings = Settings::Read(ini, programFolder.toStdString());
    // No dial-up service on this platform: connections are made by hand for the whole run.
    settings.ManualConnect = true;
    settings.DiscOption = 0;

    // Short date rule and the two-digit-year window are part of the system locale.
    Locale locale = SystemLocale();

    AppContext context(settings, ini, locale, prompter, fileDialogs, programFolder);
    context.dialUpAvailable = false;

    HintFilter hints(settings);
    app.installEventFilter(&hints);

    FolderWindow window(context);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    splash->CloseAfterLoopStarts(kSplashMs);
    return QApplication::exec();
}
