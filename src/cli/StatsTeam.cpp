#include "cli/StatsTeam.h"

#include "cli/Options.h"
#include "core/engine/GameFilter.h"
#include "core/model/League.h"

#include <algorithm>
#include <ostream>

namespace gorlin::cli {

int StatsTeamFor(std::string_view command, League& league, const std::string& teamName,
                 const std::optional<std::string>& games, std::ostream& err) {
    if (const Status applied = ApplyGamesFilter(league, games); !applied) {
        err << "gorlin-cli " << command << ": " << applied.Message << '\n';
        return 0;
    }
    const Expected<int> team = TeamNamed(league, teamName);
    if (!team) {
        err << "gorlin-cli " << command << ": " << team.error().Message << '\n';
        return 0;
    }
    const std::vector<int> offered = FilterTeams(league, league.Head.GameType);
    if (std::find(offered.begin(), offered.end(), *team) == offered.end()) {
        err << "gorlin-cli " << command << ": " << teamName
            << " is not in the team list for these games (try --games all)\n";
        return 0;
    }
    return *team;
}

} // namespace gorlin::cli
