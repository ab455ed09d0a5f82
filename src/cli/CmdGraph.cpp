#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/StatsTeam.h"
#include "core/app/Settings.h"
#include "core/engine/PositionGraph.h"
#include "core/engine/TeamStats.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kGraphUsage =
    "Usage: gorlin-cli graph FILE --team NAME [OPTIONS]\n"
    "Print what the points progress graph draws. Points progress: per game of the team\n"
    "K<TAB>GAME<TAB>DATE<TAB>TOTAL<TAB>POSITION<TAB>HOVER. A comparison: per shown slot\n"
    "SLOT<TAB>TEAM<TAB>#RRGGBB<TAB>TOTALS (running totals, comma-separated).\n\n"
    "Options:\n"
    "  --team NAME                the team, by its name in the league\n"
    "  --type points|top|bottom   points progress (default), top or bottom team comparison\n"
    "  --games league|all|COMP    the team list's game filter (default: the file's)\n"
    "  --today YYYY-MM-DD         the date that stands for today (default: the clock's)\n"
    "Texts are written in fixed conventions: dates YYYY-MM-DD, thousands \",\", decimals \".\".\n"
    "Fails, as the team page offers no graph, for a team with no league game played up to today\n"
    "or when --games chooses one competition.\n";

namespace {

struct GraphOptions {
    std::string File;
    std::optional<std::string> Team;
    int Type = kPointsProgress;
    std::optional<std::string> Games;
    std::optional<int> Today;
};

Status ParseOptions(const std::vector<std::string>& args, GraphOptions& o) {
    const std::vector<Option> options = {
        NonEmptyOption("--team", o.Team, "--team needs a team name"),
        ChoiceOption("--type", {"points", "top", "bottom"}, o.Type, "--type needs points, top or bottom"),
        GamesOption(o.Games),
        TodayOption(o.Today),
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (!o.Team)
        return Status::Failure("no team given (--team NAME)");
    return Status::Success();
}

} // namespace

int RunGraph(const Invocation& inv, std::ostream& out, std::ostream& err) {
    GraphOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli graph: " << parsed.Message << "\n" << kGraphUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("graph", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    const int team = StatsTeamFor("graph", league, *o.Team, o.Games, err);
    if (team == 0)
        return kExitFailure;
    const int today = o.Today ? *o.Today : TodayFromClock();
    const Locale locale = FixedLocale(today);
    if (!GraphOffered(league, team, today)) {
        err << "gorlin-cli graph: " << *o.Team
            << (league.Head.GameType >= 2 ? ": the graph covers league games; choose --games league or all\n"
                                          : " has played no league game up to today\n");
        return kExitFailure;
    }
    const GraphSeries g = BuildGraph(league, team, o.Type, today, ReadSettings(inv).Colour4, locale);
    if (o.Type == kPointsProgress) {
        const GraphSlot& slot = g.Slots[1];
        for (std::size_t k = 0; k < slot.Games.size(); ++k) {
            const GraphGame& game = slot.Games[k];
            WriteTsvRow(out, {std::to_string(k + 1), std::to_string(game.Game),
                              FormatShortDate(game.Date, locale), std::to_string(game.Total),
                              std::to_string(game.Position), Win1252ToUtf8(game.Hover)});
        }
    } else {
        for (int s = 1; s <= 4; ++s) {
            const GraphSlot& slot = g.Slots[static_cast<std::size_t>(s)];
            if (slot.Team == 0)
                continue;
            std::string totals;
            for (const GraphGame& game : slot.Games)
                totals += (totals.empty() ? "" : ",") + std::to_string(game.Total);
            WriteTsvRow(out,
                        {std::to_string(s), Win1252ToUtf8(slot.Name), ColourHex(slot.ScreenColour), totals});
        }
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
