#pragma once

// The few facts both programs read from the system without Qt: where the settings live and
// what day it is. Everything else takes them as values.

#include <string>

namespace gorlin {

/// The program folder (where gorlin.ini lives), ending with '/', by the program-folder rule
/// (ChooseProgramFolder): configDir when given; else the executable's folder when it holds
/// gorlin.ini or can be written; else $XDG_CONFIG_HOME/gorlin (~/.config/gorlin).
std::string FindProgramFolder(const std::string& configDir);

/// The folder of the running executable ("" when unknown).
std::string ExecutableFolder();

/// Today's day number by the system clock, in local time.
int TodayFromClock();

} // namespace gorlin
