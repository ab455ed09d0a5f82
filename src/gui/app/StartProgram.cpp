#include "gui/app/StartProgram.h"

#include "core/Version.h"
#include "core/app/FirstStart.h"
#include "gui/app/FolderWindow.h"
#include "gui/widgets/AppContext.h"
#include "platform/os/ExampleLeagues.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace gorlin {

namespace {

const QString kConfigDirOption = QStringLiteral("--config-dir");

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

/// Copies the example leagues on a first start and shows their copy as the table folder.
void PrepareFirstStart(AppContext& context, const StartEnvironment& environment) {
    FirstStartInputs in;
    in.SettingsRead = environment.SettingsRead;
    in.HasFilePath = SettingsNameTableFolder(context.ini);
    in.ExamplesFolder = Native(environment.ExamplesFolder);
    in.ProgramFolder = Native(context.programFolder);
    in.UserConfigHome = Native(environment.UserConfigHome);
    in.UserDataHome = Native(environment.UserDataHome);
    const std::optional<FirstStartPlan> plan = PlanFirstStart(in);
    if (!plan)
        return;
    if (const Status copied = CopyExampleLeagues(plan->From, plan->To); !copied) {
        context.prompter.Error(
            nullptr, QStringLiteral("The example leagues could not be copied to %1.\n\n%2")
                         .arg(QFile::decodeName(plan->To.c_str()), QString::fromStdString(copied.Message)));
        return;
    }
    context.settings.FilePath = plan->To;
    context.settings.WriteFilePath(context.ini);
    // Unsaved, the next start is a first start again and keeps the copies made now.
    (void)context.ini.Save();
}

} // namespace

StartArguments ParseStartArguments(const QStringList& arguments) {
    StartArguments args;
    const auto problem = [&args](const QString& text) {
        if (args.Problem.isEmpty())
            args.Problem = text;
    };
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (options && arg == QStringLiteral("--")) {
            options = false;
        } else if (options && arg.size() > 1 && arg.startsWith('-')) {
            if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help"))
                args.Help = true;
            else if (arg == QStringLiteral("-V") || arg == QStringLiteral("--version"))
                args.Version = true;
            else if (arg == kConfigDirOption && i + 1 < arguments.size())
                args.ConfigDir = arguments[++i];
            else if (arg.startsWith(kConfigDirOption + '=') && arg.size() > kConfigDirOption.size() + 1)
                args.ConfigDir = arg.mid(kConfigDirOption.size() + 1);
            else if (arg == kConfigDirOption || arg.startsWith(kConfigDirOption + '='))
                problem(QStringLiteral("--config-dir needs a folder"));
            else
                problem(QStringLiteral("unknown option '%1'").arg(arg));
        } else if (!arg.isEmpty()) {
            if (args.LeagueFile.isEmpty())
                args.LeagueFile = QFileInfo(arg).absoluteFilePath();
            else
                problem(QStringLiteral("one league file at a time ('%1' is a second)").arg(arg));
        }
    }
    return args;
}

QString StartHelpText() {
    return QStringLiteral(
        "Usage: gorlin [--config-dir DIR] [FILE.DIV]\n"
        "       gorlin --help | --version\n"
        "\n"
        "Follows football competitions through a season. Starts with the folder window of the\n"
        "league files; with FILE.DIV, opens that league at once.\n"
        "\n"
        "Options:\n"
        "  --config-dir DIR  keep the settings (gorlin.ini) in DIR\n"
        "  -h, --help        print this help and exit\n"
        "  -V, --version     print the version and exit\n"
        "\n"
        "The same leagues from the command line: gorlin-cli --help\n");
}

QString StartVersionText() {
    return QStringLiteral("gorlin %1\n").arg(QString::fromLatin1(kProgramVersion));
}

std::unique_ptr<FolderWindow> StartProgram(const StartArguments& args, AppContext& context,
                                           const StartEnvironment& environment) {
    PrepareFirstStart(context, environment);
    auto window = std::make_unique<FolderWindow>(context);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    if (!args.LeagueFile.isEmpty()) {
        FolderWindow* folderWindow = window.get();
        QTimer::singleShot(0, folderWindow,
                           [folderWindow, file = args.LeagueFile] { folderWindow->OpenLeagueFile(file); });
    }
    return window;
}

} // namespace gorlin
