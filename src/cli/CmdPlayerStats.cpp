#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/engine/PlayerStats.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kPlayerStatsUsage =
    "Usage: gorlin-cli player-stats FILE --player NAME [OPTIONS]\n"
    "Print a player's statistics as the player statistics window shows them.\n\n"
    "Options:\n"
    "  --player NAME            the player, by name (the first of that name)\n"
    "  --team NAME              the player of that name in this team\n"
    "  --list totals|matches    the labels as NAME<TAB>TEXT (default), or the match list with\n"
    "                           the game details of each row\n"
    "  --games league|all|COMP  the window's game filter (default: the file's)\n"
    "  --today YYYY-MM-DD       the date that stands for today (default: the clock's)\n"
    "  --click HEADING          click a heading of the match list; repeat for more clicks\n"
    "Texts are written in fixed conventions: dates YYYY-MM-DD, thousands \",\", decimals \".\".\n";

namespace {

struct PlayerStatsOptions {
    std::string File;
    std::optional<std::string> Player;
    std::optional<std::string> Team;
    int List = 0; // 0 totals, 1 matches
    std::optional<std::string> Games;
    std::optional<int> Today;
    std::vector<std::string> Clicks;
};

Status ParseOptions(const std::vector<std::string>& args, PlayerStatsOptions& o) {
    const std::vector<Option> options = {
        NonEmptyOption("--player", o.Player, "--player needs a name"),
        NonEmptyOption("--team", o.Team, "--team needs a name"),
        ChoiceOption("--list", {"totals", "matches"}, o.List, "--list needs totals or matches"),
        GamesOption(o.Games),
        TodayOption(o.Today),
        {"--click", true,
         [&o](const auto& v) {
             if (!v || v->empty())
                 return Status::Failure("--click needs a heading");
             const auto& headings = PlayerMatchHeadings();
             if (std::find(headings.begin(), headings.end(), *v) == headings.end())
                 return Status::Failure("the match list has no heading '" + *v + "'");
             o.Clicks.push_back(*v);
             return Status::Success();
         }},
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (!o.Player)
        return Status::Failure("no player given (--player NAME)");
    if (!o.Clicks.empty() && o.List != 1)
        return Status::Failure("--click needs --list matches");
    return Status::Success();
}

} // namespace

int RunPlayerStats(const Invocation& inv, std::ostream& out, std::ostream& err) {
    PlayerStatsOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli player-stats: " << parsed.Message << "\n" << kPlayerStatsUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("player-stats", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    if (const Status applied = ApplyGamesFilter(league, o.Games); !applied) {
        err << "gorlin-cli player-stats: " << applied.Message << '\n';
        return kExitFailure;
    }
    int team = -1;
    if (o.Team) {
        const Expected<int> named = TeamNamed(league, *o.Team);
        if (!named) {
            err << "gorlin-cli player-stats: " << named.error().Message << '\n';
            return kExitFailure;
        }
        team = *named;
    }
    const int player = FindPlayer(league, Utf8ToWin1252(*o.Player), team);
    if (player == 0) {
        err << "gorlin-cli player-stats: no player called " << *o.Player << (o.Team ? " in " + *o.Team : "")
            << '\n';
        return kExitFailure;
    }
    const Locale locale = FixedLocale(o.Today ? *o.Today : TodayFromClock());
    PlayerStatsData d = BuildData(league, player, league.Head.GameType, locale);
    auto line = [&out](const std::string& name, const std::string& text) {
        WriteTsvRow(out, {name, Win1252ToUtf8(text)});
    };
    if (o.List == 0) {
        line("Caption", d.Caption);
        for (const LabelText& bar : d.Bars)
            line(bar.Name, bar.Text);
        line("lbYellow", d.lbYellow);
        line("lbRed", d.lbRed);
        line("labRatWorst", d.labRatWorst);
        line("labRatBest", d.labRatBest);
        line("labRatAve", d.labRatAve);
        return out ? kExitOk : kExitFailure;
    }
    const auto& headings = PlayerMatchHeadings();
    for (const std::string& click : o.Clicks)
        SortPlayerMatches(
            d.Matches,
            static_cast<int>(std::find(headings.begin(), headings.end(), click) - headings.begin()) + 1);
    WriteTsvRow(out, PlayerMatchDetailHeadings());
    for (const PlayerMatchRow& row : d.Matches) {
        std::vector<std::string> cells;
        for (const std::string& cell : row.Cells)
            cells.push_back(Win1252ToUtf8(cell));
        const GameDetails& g = row.Details;
        for (const std::string* detail :
             {&g.TimeOn, &g.TimeOff, &g.YellowCards, &g.RedCard, &g.Penalties, &g.Rating})
            cells.push_back(Win1252ToUtf8(*detail));
        WriteTsvRow(out, cells);
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
