#pragma once

#include "core/app/IniFile.h"

#include <optional>
#include <string>

namespace gorlin {

/// What the first-start rule is decided from; the caller gathers it from the system.
struct FirstStartInputs {
    /// The settings file was read, or is missing. A file that could not be read never makes a
    /// first start: writing the table folder into it would lose everything else it holds.
    bool SettingsRead = false;
    /// The settings file names a table folder (SettingsNameTableFolder).
    bool HasFilePath = false;
    /// The example leagues shipped with the program; empty when none were found.
    std::string ExamplesFolder;
    /// The program folder, ending with '/'.
    std::string ProgramFolder;
    /// The per-user configuration base ($XDG_CONFIG_HOME, else ~/.config); may be empty.
    std::string UserConfigHome;
    /// The per-user data base ($XDG_DATA_HOME, else ~/.local/share); may be empty.
    std::string UserDataHome;
};

/// A first start's work: copy the example leagues of From into To, then show To as the table
/// folder. Both end with '/'.
struct FirstStartPlan {
    std::string From;
    std::string To;
};

/// Whether the settings store names a table folder (the key FilePath, even when empty).
bool SettingsNameTableFolder(const IniFile& ini);

/// The first start's plan, or nothing when this start is not a first start (the settings name a
/// table folder or could not be read) or no example leagues were shipped. The copies go to
/// UserDataHome + "/gorlin/examples/" when the program folder is the per-user one (an installed
/// program); else, and when no data home is known, to "examples/" in the program folder, so a
/// portable program or one started with --config-dir keeps everything in its own folder.
std::optional<FirstStartPlan> PlanFirstStart(const FirstStartInputs& in);

} // namespace gorlin
