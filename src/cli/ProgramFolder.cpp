#include "cli/Cli.h"
#include "cli/Options.h"
#include "core/app/Settings.h"
#include "core/model/LeagueFile.h"
#include "platform/os/SystemFolders.h"

#include <ostream>

namespace gorlin::cli {

std::string ProgramFolder(const Invocation& inv) {
    return FindProgramFolder(inv.ConfigDir);
}

Settings ReadSettings(const Invocation& inv) {
    return LoadSettingsFile(ProgramFolder(inv)).Values;
}

Status FileArguments(const std::vector<std::string>& args, std::vector<std::string>& files) {
    return ParseArguments(args, {}, [&files](const std::string& file) {
        files.push_back(file);
        return Status::Success();
    });
}

std::optional<League> LoadLeagueFor(std::string_view command, const std::string& file, std::ostream& err) {
    Expected<League> loaded = LoadLeague(file);
    if (!loaded) {
        err << "gorlin-cli " << command << ": " << file << ": " << loaded.error().Message << '\n';
        return std::nullopt;
    }
    return std::move(*loaded);
}

} // namespace gorlin::cli
