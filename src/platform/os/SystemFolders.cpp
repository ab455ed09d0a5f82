#include "platform/os/SystemFolders.h"

#include "core/app/ProgramFolderRule.h"
#include "core/app/Settings.h"
#include "core/model/Dates.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace gorlin {

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return !ec && exe.has_parent_path() ? exe.parent_path().string() : std::string();
}

std::string FindProgramFolder(const std::string& configDir) {
    ProgramFolderInputs in;
    in.ConfigDir = configDir;
    in.ExeFolder = ExecutableFolder();
    if (!in.ExeFolder.empty()) {
        std::error_code ec;
        in.ExeFolderHasIni =
            std::filesystem::exists(std::filesystem::path(in.ExeFolder) / kSettingsFileName, ec);
        in.ExeFolderWritable = ::access(in.ExeFolder.c_str(), W_OK) == 0;
    }
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/')
        in.UserConfigHome = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        in.UserConfigHome = std::string(home) + "/.config";
    return ChooseProgramFolder(in);
}

int TodayFromClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return ToDayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace gorlin
