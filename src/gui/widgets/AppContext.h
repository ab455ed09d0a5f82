#pragma once

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/model/Locale.h"
#include "gui/widgets/PrintSession.h"
#include "gui/widgets/Prompter.h"

#include <QString>

class QWidget;
#include <functional>

namespace gorlin {

class DialUpSession;
class LeagueHost;

/// What every window of the program is given instead of reaching for globals: the settings read
/// at start and their store, the date conventions, the message boxes and the file dialogs.
/// main() builds one for the run; tests build one over a temporary folder and scripted fakes.
struct AppContext {
    AppContext(Settings& settings_, IniFile& ini_, Locale& locale_, Prompter& prompter_,
               FileDialogs& fileDialogs_, QString programFolder_)
        : settings(settings_), ini(ini_), locale(locale_), prompter(prompter_), fileDialogs(fileDialogs_),
          programFolder(std::move(programFolder_)) {}

    Settings& settings;
    IniFile& ini;
    Locale& locale;
    Prompter& prompter;
    FileDialogs& fileDialogs;
    /// The program folder, ending with '/'.
    QString programFolder;
    /// Whether the dial-up service can be used on this machine (never on this platform).
    bool dialUpAvailable = false;
    /// The program's dial-up state (the connection it dialled), shared by every update dialog;
    /// unset, each dialog counts the service as absent.
    DialUpSession* dialUp = nullptr;
    /// The print dialog's heading and printer, kept for the run.
    PrintSession print;
    /// Installs the pages of a freshly loaded league window (a page per SetPage call); unset,
    /// each page shows its title. The program sets InstallLeaguePages.
    std::function<void(LeagueHost&)> installLeaguePages;
    /// Ends the program after a fatal message (std::exit in the program; tests record it).
    std::function<void(int)> terminate;

    /// The table folder (Settings::FilePath) as a path ending with '/'.
    QString TableFolder() const;
    /// Saves the settings store, reporting a failure through the prompter.
    bool SaveSettings(QWidget* parent) const;
};

} // namespace gorlin
