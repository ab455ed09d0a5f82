#include "support/SeasonOnDisk.h"

#include "core/model/LeagueFile.h"
#include "support/SeasonCsv.h"

#include <filesystem>
#include <stdexcept>

namespace gorlin::test {

SeasonOnDisk::SeasonOnDisk()
    : Season(BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Premier League 2018-19")),
      File((Dir / "eng1.div").string()), Config((Dir / "config").string()) {
    if (const Status saved = SaveLeague(Season, File, SaveOptions{false}); !saved)
        throw std::runtime_error("cannot save the season: " + saved.Message);
    std::filesystem::create_directories(Config);
}

CliRun SeasonOnDisk::Run(std::vector<std::string> args) const {
    return RunCliIn(Dir, std::move(args));
}

} // namespace gorlin::test
