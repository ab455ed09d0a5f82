#include "cli/Cli.h"
#include "core/app/IniFile.h"
#include "core/app/ProgramFolderRule.h"
#include "core/app/Settings.h"
#include "core/model/Text.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <system_error>
#include <unistd.h>

namespace gorlin::cli {

const char* const kSettingsUsage =
    "Usage: gorlin-cli [--config-dir DIR] settings\n"
    "\n"
    "Prints every setting of gorlin.ini with its value after defaults, one per line:\n"
    "Section<TAB>Key<TAB>Value. The settings file is read from DIR when given, else from the\n"
    "program folder: the executable's folder when it holds gorlin.ini or can be written,\n"
    "else $XDG_CONFIG_HOME/gorlin (or ~/.config/gorlin).\n";

namespace {

/// The program folder as the GUI program finds it, gathered from this process.
std::string CliProgramFolder(const std::string& configDir) {
    ProgramFolderInputs in;
    in.ConfigDir = configDir;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path()) {
        in.ExeFolder = exe.parent_path().string();
        in.ExeFolderHasIni = std::filesystem::exists(exe.parent_path() / kSettingsFileName, ec);
        in.ExeFolderWritable = ::access(in.ExeFolder.c_str(), W_OK) == 0;
    }
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/')
        in.UserConfigHome = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        in.UserConfigHome = std::string(home) + "/.config";
    return ChooseProgramFolder(in);
}

} // namespace

int RunSettings(const Invocation& inv, std::ostream& out, std::ostream& err) {
    if (!inv.Args.empty()) {
        err << "gorlin-cli: settings takes no arguments\n" << kSettingsUsage;
        return kExitUsage;
    }
    const std::string folder = CliProgramFolder(inv.ConfigDir);
    IniFile ini(folder + kSettingsFileName);
    if (const Status st = ini.Load(); !st.Ok) {
        err << "gorlin-cli: " << st.Message << '\n';
        return kExitFailure;
    }
    // Texts are Windows-1252; the table folder is already a system path.
    for (const SettingEntry& e : ListSettings(ini, folder))
        out << e.Section << '\t' << Win1252ToUtf8(e.Key) << '\t'
            << (e.Key == "FilePath" ? e.Value : Win1252ToUtf8(e.Value)) << '\n';
    return kExitOk;
}

} // namespace gorlin::cli
