#include "cli/Cli.h"
#include "core/app/Settings.h"
#include "platform/os/SystemFolders.h"

namespace gorlin::cli {

std::string ProgramFolder(const Invocation& inv) {
    return FindProgramFolder(inv.ConfigDir);
}

Settings ReadSettings(const Invocation& inv) {
    return LoadSettingsFile(ProgramFolder(inv)).Values;
}

} // namespace gorlin::cli
