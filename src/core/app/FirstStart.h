#pragma once

#include "core/app/IniFile.h"

#include <optional>
#include <string>

namespace gorlin {

/// What the first-start rule is decided from; the caller gathers it from the system.
struct FirstStartInputs {
    /// The settings file was read, or is missing. A file that could not be read never makes a
    /// first start: the table folder it may name is unknown, not absent.
    bool SettingsRead = false;
    /// The settings file names a table folder (SettingsNameTableFolder).
    bool HasFilePath = false;
    /// A table folder was given for this run (`--table-folder`).
    bool TableFolderGiven = false;
    /// The example leagues shipped with the program; empty when none were found.
    std::string ExamplesFolder;
    /// The program folder, ending with '/'.
    std::string ProgramFolder;
    /// The per-user data base ($XDG_DATA_HOME, else ~/.local/share); may be empty.
    std::string UserDataHome;
};

/// A first start's work: copy the example leagues of From into To, then show To as the table
/// folder for this run (the settings keep naming no folder). Both end with '/'.
struct FirstStartPlan {
    std::string From;
    std::string To;
};

/// Whether the settings store names a table folder (the key FilePath, even when empty).
bool SettingsNameTableFolder(const IniFile& ini);

/// The first start's plan, or nothing when this start is not a first start (the settings name a
/// table folder or could not be read, or a folder was given for the run) or no example leagues
/// were shipped. The copies go to UserDataHome + "/gorlin/examples/", whichever program folder
/// holds the settings, so every way of starting the program shows the same copies; with no data
/// home known, to "examples/" in the program folder.
std::optional<FirstStartPlan> PlanFirstStart(const FirstStartInputs& in);

} // namespace gorlin
