#pragma once

// The few facts both programs read from the system without Qt: where the settings and the
// shipped files live and what day it is. Everything else takes them as values.

#include <string>

namespace gorlin {

/// The program folder (where gorlin.ini lives), ending with '/', by the program-folder rule
/// (ChooseProgramFolder): configDir when given; else the executable's folder when it holds
/// gorlin.ini, or can be written and is not installed; else $XDG_CONFIG_HOME/gorlin
/// (~/.config/gorlin).
std::string FindProgramFolder(const std::string& configDir);

/// The folder of the running executable ("" when unknown).
std::string ExecutableFolder();

/// The per-user configuration base: $XDG_CONFIG_HOME when absolute, else $HOME/.config; ""
/// when neither is known.
std::string UserConfigHome();
/// The per-user data base: $XDG_DATA_HOME when absolute, else $HOME/.local/share; "" when
/// neither is known.
std::string UserDataHome();

/// Where the files shipped with the program (the user guide in guide/, the example leagues in
/// examples/) were found.
struct ProgramData {
    /// Ends with '/'; empty when none were found.
    std::string Folder;
    /// The executable belongs to an installed tree: PREFIX/share/gorlin beside PREFIX/bin.
    bool Installed = false;
};

/// Looks for the shipped files of an executable in exeFolder: "share/gorlin" in that folder (a
/// build folder, or a portable copy of one) first, else the installed data folder relative to
/// it (PREFIX/share/gorlin for PREFIX/bin). Only folders count.
ProgramData FindProgramData(const std::string& exeFolder);

/// Today's day number by the system clock, in local time.
int TodayFromClock();

} // namespace gorlin
