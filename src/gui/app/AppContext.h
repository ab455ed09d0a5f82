#pragma once

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/model/Locale.h"
#include "gui/widgets/Prompter.h"

#include <QObject>
#include <QString>
#include <functional>

namespace gorlin {

class LeagueWindow;

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
    /// Installs the pages of a freshly loaded league window (a page per SetPage call); unset,
    /// each page shows its title.
    std::function<void(LeagueWindow&)> installLeaguePages;
    /// Ends the program after a fatal message (std::exit in the program; tests record it).
    std::function<void(int)> terminate;

    /// The table folder (Settings::FilePath) as a path ending with '/'.
    QString TableFolder() const;
    /// Saves the settings store, reporting a failure through the prompter.
    bool SaveSettings(QWidget* parent) const;
};

/// Applies ShowHints to the whole program, as it stands at each hint (so a change made in Setup
/// applies at once): with hints off every tool tip is swallowed; with hints on a tool tip stays
/// visible for kHintVisibleMs. Installed once on the application.
class HintFilter final : public QObject {
    Q_OBJECT
public:
    static constexpr int kHintVisibleMs = 3000;

    explicit HintFilter(const Settings& settings, QObject* parent = nullptr)
        : QObject(parent), m_settings(settings) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Settings& m_settings;
};

} // namespace gorlin
