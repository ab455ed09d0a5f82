#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace gorlin {

struct AppContext;
class FolderWindow;

/// What the program's command line asks for.
struct StartArguments {
    /// `--config-dir DIR`; empty when not given.
    QString ConfigDir;
    /// `--table-folder DIR`: the table folder for this run (FilePath is left as it is); empty
    /// when not given.
    QString TableFolder;
    /// The league file to open at once, made absolute; empty when none was given.
    QString LeagueFile;
    bool Help = false;
    bool Version = false;
    /// Why the command line cannot be followed (the first problem met); empty when it can.
    QString Problem;
};

/// Reads the program's arguments (the first is the program itself): `-h`/`--help`,
/// `-V`/`--version`, `--config-dir DIR` and `--table-folder DIR` (or `=DIR`) and one league file;
/// `--` ends the options.
/// An unknown option, a missing folder or a second file is a Problem; Help and Version are
/// still noted after one.
StartArguments ParseStartArguments(const QStringList& arguments);

/// What `gorlin --help` prints.
QString StartHelpText();
/// What `gorlin --version` prints.
QString StartVersionText();

/// What the start learns from the system besides the context.
struct StartEnvironment {
    /// The example leagues shipped with the program; empty when none were found.
    QString ExamplesFolder;
    /// The per-user data base ($XDG_DATA_HOME, else ~/.local/share); may be empty.
    QString UserDataHome;
    /// Whether the settings file was read (or is missing) without a problem.
    bool SettingsRead = true;
};

/// Starts the program over its context: a table folder given for the run replaces FilePath for
/// the run; else, on a first start (PlanFirstStart), the example leagues are copied and their copy
/// is the table folder for the run (a failure to copy is reported and the table folder left as
/// it was). FilePath is never written here. Then the folder window is shown, centred. When a
/// league file is given it is opened over the folder window as soon as the message loop runs,
/// exactly as the Open button opens a listed league (FilePath is not changed). The caller runs
/// the message loop and keeps the window.
std::unique_ptr<FolderWindow> StartProgram(const StartArguments& args, AppContext& context,
                                           const StartEnvironment& environment);

} // namespace gorlin
