#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/StatsTeam.h"
#include "core/app/Settings.h"
#include "core/engine/TeamStats.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kFormUsage =
    "Usage: gorlin-cli form FILE --team NAME [--games league|all|COMP]\n"
    "Print a team's current form as the team statistics page shows it:\n"
    "  HomeForm<TAB>LETTERS and AwayForm<TAB>LETTERS (W, D, L; the most recent on the right),\n"
    "  then Phrase<TAB>TEXT for each form phrase in order.\n\n"
    "Options:\n"
    "  --team NAME               the team, by its name in the league\n"
    "  --games league|all|COMP   the game filter: league games only, league and cup, or one\n"
    "                            competition by short name or name (default: the file's;\n"
    "                            nothing is stored)\n";

int RunForm(const Invocation& inv, std::ostream& out, std::ostream& err) {
    std::string file;
    std::optional<std::string> team;
    std::optional<std::string> games;
    const std::vector<Option> options = {
        NonEmptyOption("--team", team, "--team needs a team name"),
        GamesOption(games),
    };
    Status parsed = ParseLeagueFileArguments(inv.Args, options, file);
    if (parsed && !team)
        parsed = Status::Failure("no team given (--team NAME)");
    if (!parsed) {
        err << "gorlin-cli form: " << parsed.Message << "\n" << kFormUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("form", file, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    const int index = StatsTeamFor("form", league, *team, games, err);
    if (index == 0)
        return kExitFailure;

    const TeamStatsData d = TeamStats(league, index, ReadSettings(inv), FixedLocale(TodayFromClock()));
    WriteTsvRow(out, {"HomeForm", d.HomeForm});
    WriteTsvRow(out, {"AwayForm", d.AwayForm});
    for (const std::string& phrase : d.FormPhrases)
        WriteTsvRow(out, {"Phrase", Win1252ToUtf8(phrase)});
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
