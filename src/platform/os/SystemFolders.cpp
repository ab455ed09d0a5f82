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

namespace {

/// The XDG base folder of `variable` when it is absolute, else $HOME + fallback.
std::string XdgHome(const char* variable, const char* fallback) {
    if (const char* xdg = std::getenv(variable); xdg != nullptr && *xdg == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::string(home) + fallback;
    return {};
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

} // namespace

std::string UserConfigHome() {
    return XdgHome("XDG_CONFIG_HOME", "/.config");
}

std::string UserDataHome() {
    return XdgHome("XDG_DATA_HOME", "/.local/share");
}

ProgramData FindProgramData(const std::string& exeFolder) {
    ProgramData data;
    if (exeFolder.empty())
        return data;
    const std::filesystem::path exe(exeFolder);
    const std::filesystem::path installed = (exe / GORLIN_DATA_FROM_BIN).lexically_normal();
    data.Installed = IsFolder(installed);
    if (const auto beside = exe / "share" / "gorlin"; IsFolder(beside))
        data.Folder = WithTrailingSeparator(beside.string());
    else if (data.Installed)
        data.Folder = WithTrailingSeparator(installed.string());
    return data;
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
        in.ExeFolderInstalled = FindProgramData(in.ExeFolder).Installed;
    }
    in.UserConfigHome = UserConfigHome();
    return ChooseProgramFolder(in);
}

int TodayFromClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return ToDayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace gorlin
