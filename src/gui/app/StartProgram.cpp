#include "gui/app/StartProgram.h"

#include "core/Version.h"
#include "core/app/FirstStart.h"
#include "gui/app/FolderWindow.h"
#include "gui/widgets/AppContext.h"
#include "platform/os/ExampleLeagues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <optional>

namespace gorlin {

namespace {

const QString kConfigDirOption = QStringLiteral("--config-dir");
const QString kTableFolderOption = QStringLiteral("--table-folder");

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

/// The table folder for this run: the one given, else on a first start the copy of the example
/// leagues.
void ChooseTableFolder(const StartArguments& args, AppContext& context, const StartEnvironment& environment) {
    if (!args.TableFolder.isEmpty())
        context.settings.FilePath = Native(QDir(args.TableFolder).absolutePath()) + "/";
    FirstStartInputs in;
    in.TableFolderGiven = !args.TableFolder.isEmpty();
    in.SettingsRead = environment.SettingsRead;
    in.HasFilePath = SettingsNameTableFolder(context.ini);
    in.ExamplesFolder = Native(environment.ExamplesFolder);
    in.ProgramFolder = Native(context.programFolder);
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
}

/// The value of `option DIR` or `option=DIR` at arguments[i] (i moves past a separate value);
/// nothing when arguments[i] is not that option.
std::optional<QString> OptionValue(const QStringList& arguments, qsizetype& i, const QString& option) {
    const QString& arg = arguments[i];
    if (arg == option)
        return i + 1 < arguments.size() ? arguments[++i] : QString();
    if (arg.startsWith(option + '='))
        return arg.mid(option.size() + 1);
    return std::nullopt;
}

} // namespace

StartArguments ParseStartArguments(const QStringList& arguments) {
    StartArguments args;
    const auto problem = [&args](const QString& text) {
        if (args.Problem.isEmpty())
            args.Problem = text;
    };
    const auto folder = [&problem](QString& target, const QString& value, const QString& option) {
        if (value.isEmpty())
            problem(option + QStringLiteral(" needs a folder"));
        else
            target = value;
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
            else if (const auto dir = OptionValue(arguments, i, kConfigDirOption))
                folder(args.ConfigDir, *dir, kConfigDirOption);
            else if (const auto tables = OptionValue(arguments, i, kTableFolderOption))
                folder(args.TableFolder, *tables, kTableFolderOption);
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
        "Usage: gorlin [--config-dir DIR] [--table-folder DIR] [FILE.DIV]\n"
        "       gorlin --help | --version\n"
        "\n"
        "Follows football competitions through a season. Starts with the folder window of the\n"
        "league files; with FILE.DIV, opens that league at once.\n"
        "\n"
        "Options:\n"
        "  --config-dir DIR    keep the settings (gorlin.ini) in DIR\n"
        "  --table-folder DIR  show the leagues of DIR for this run (the setting stays)\n"
        "  -h, --help          print this help and exit\n"
        "  -V, --version       print the version and exit\n"
        "\n"
        "The same leagues from the command line: gorlin-cli --help\n");
}

QString StartVersionText() {
    return QStringLiteral("gorlin %1\n").arg(QString::fromLatin1(kProgramVersion));
}

std::unique_ptr<FolderWindow> StartProgram(const StartArguments& args, AppContext& context,
                                           const StartEnvironment& environment) {
    ChooseTableFolder(args, context, environment);
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
