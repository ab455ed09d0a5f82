#include "cli/Cli.h"
#include "core/app/ProgramFolderRule.h"
#include "core/app/Settings.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace gorlin::cli {

std::string ProgramFolder(const Invocation& inv) {
    ProgramFolderInputs in;
    in.ConfigDir = inv.ConfigDir;
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

Settings ReadSettings(const Invocation& inv) {
    const std::string folder = ProgramFolder(inv);
    IniFile ini(folder + kSettingsFileName);
    if (!ini.Load())
        return Settings::Read(IniFile{}, folder);
    return Settings::Read(ini, folder);
}

} // namespace gorlin::cli
