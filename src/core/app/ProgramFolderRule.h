#pragma once

#include <string>

namespace gorlin {

/// What the program-folder rule is decided from; the caller gathers it from the system.
struct ProgramFolderInputs {
    /// `--config-dir DIR`; empty when not given.
    std::string ConfigDir;
    /// The folder of the executable.
    std::string ExeFolder;
    bool ExeFolderHasIni = false;
    bool ExeFolderWritable = false;
    /// The per-user configuration base ($XDG_CONFIG_HOME, else ~/.config); may be empty.
    std::string UserConfigHome;
    /// The executable belongs to an installed tree (PREFIX/bin beside PREFIX/share/gorlin): its
    /// folder is then the program folder only when it holds the settings file, never for being
    /// writable (the bin folder of a per-user or an administrator's install can be written).
    bool ExeFolderInstalled = false;
};

/// The program folder, where the settings file lives, always ending with '/': an explicit
/// config folder wins; else the executable's folder when it holds the settings file, or can be
/// written and is not part of an installed tree (a portable install); else UserConfigHome +
/// "/gorlin"; with no config home known, the executable's folder after all ("./" when even
/// that is unknown).
std::string ChooseProgramFolder(const ProgramFolderInputs& in);

/// The path with one trailing '/' added when it has none ("./" for an empty path).
std::string WithTrailingSeparator(std::string path);

} // namespace gorlin
