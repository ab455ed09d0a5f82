#include "cli/ChartSize.h"
#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/engine/GoalStats.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kGoalStatsUsage =
    "Usage: gorlin-cli goal-stats FILE [OPTIONS]\n"
    "Print the goal statistics as the goal statistics page shows them.\n\n"
    "Options:\n"
    "  --list summary|scorers|hat-tricks|penalties|own-goals|by-team|times\n"
    "                          what to print (default summary): the penalty labels as\n"
    "                          NAME<TAB>TEXT, the top scorers one a line, a grid (heading line,\n"
    "                          then rows) or the goal-time buckets as K<TAB>COUNT\n"
    "  --team NAME             the chart's team (times and --chart; default all teams)\n"
    "  --chart WxH             print the goal-time chart's shapes for a box W x H pixels\n"
    "  --games league|all|COMP the game filter (default: the file's; nothing is stored)\n"
    "  --today YYYY-MM-DD      the date that stands for today (default: the clock's)\n"
    "  --click HEADING         click a heading of the grid; repeat for more clicks\n"
    "Texts are written in fixed conventions: dates YYYY-MM-DD, thousands \",\", decimals \".\".\n";

namespace {

enum List { kSummary, kScorers, kHatTricks, kPenalties, kOwnGoals, kByTeam, kTimes };

struct GoalStatsOptions {
    std::string File;
    int List = kSummary;
    std::optional<std::string> Team;
    std::optional<std::string> Games;
    std::optional<int> Today;
    std::vector<std::string> Clicks;
    std::optional<std::pair<int, int>> Chart;
};

Status ParseOptions(const std::vector<std::string>& args, GoalStatsOptions& o) {
    const std::vector<Option> options = {
        ChoiceOption(
            "--list", {"summary", "scorers", "hat-tricks", "penalties", "own-goals", "by-team", "times"},
            o.List, "--list needs summary, scorers, hat-tricks, penalties, own-goals, by-team or times"),
        NonEmptyOption("--team", o.Team, "--team needs a team name"),
        GamesOption(o.Games),
        TodayOption(o.Today),
        NonEmptyOption("--click", o.Clicks, "--click needs a heading"),
        {"--chart", true,
         [&o](const auto& v) {
             const auto size = ChartSize(v);
             if (!size)
                 return Status::Failure(size.error().Message);
             o.Chart = *size;
             return Status::Success();
         }},
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    const bool grid = o.List >= kHatTricks && o.List <= kByTeam;
    if (o.Chart && o.List != kSummary)
        return Status::Failure("--chart and --list cannot be combined");
    if (!o.Clicks.empty() && !grid)
        return Status::Failure("--click needs --list hat-tricks, penalties, own-goals or by-team");
    if (o.Team && !o.Chart && o.List != kTimes)
        return Status::Failure("--team needs --list times or --chart");
    return Status::Success();
}

std::vector<std::string> Utf8Cells(const std::vector<std::string>& cells) {
    std::vector<std::string> out;
    for (const std::string& cell : cells)
        out.push_back(Win1252ToUtf8(cell));
    return out;
}

/// The 1-based column of each click, or the first heading the grid lacks.
Status ClickColumns(const std::vector<std::string>& headings, const std::vector<std::string>& clicks,
                    std::vector<int>& columns) {
    for (const std::string& click : clicks) {
        const auto it = std::find(headings.begin(), headings.end(), Utf8ToWin1252(click));
        if (it == headings.end())
            return Status::Failure("the grid has no heading '" + click + "'");
        columns.push_back(static_cast<int>(it - headings.begin()) + 1);
    }
    return Status::Success();
}

const std::vector<std::string>& GridHeadings(int list) {
    switch (list) {
    case kHatTricks:
        return GoalsPerMatchHeadings();
    case kPenalties:
        return PensHeadings();
    case kOwnGoals:
        return OwnGoalsHeadings();
    default:
        return TeamGoalsHeadings();
    }
}

void PrintGrid(std::ostream& out, const League& league, GoalStatsData& d, int list,
               const std::vector<int>& clicks, const Locale& locale) {
    WriteTsvRow(out, Utf8Cells(GridHeadings(list)));
    for (const int key : clicks) {
        if (list == kHatTricks)
            SortGoalsPerMatch(d.sgGoalsPerMatch, key);
        else if (list == kPenalties)
            SortPens(d.sgPens, key);
        else if (list == kOwnGoals)
            SortOwnGoals(d.sgOwnGoals, key);
        else
            SortTeamGoals(d.sgTeamGoals, key);
    }
    if (list == kHatTricks)
        for (const HatTrickRow& row : d.sgGoalsPerMatch)
            WriteTsvRow(out, Utf8Cells(HatTrickCells(league, row, locale)));
    else if (list == kPenalties || list == kOwnGoals)
        for (const PlayerGoalsRow& row : list == kPenalties ? d.sgPens : d.sgOwnGoals)
            WriteTsvRow(out, Utf8Cells(PlayerGoalsCells(league, row, list == kPenalties ? 4 : 3)));
    else
        for (const TeamGoalsRow& row : d.sgTeamGoals)
            WriteTsvRow(out, Utf8Cells(TeamGoalsCells(league, row)));
}

} // namespace

int RunGoalStats(const Invocation& inv, std::ostream& out, std::ostream& err) {
    GoalStatsOptions o;
    std::vector<int> clicks;
    Status parsed = ParseOptions(inv.Args, o);
    if (parsed && !o.Clicks.empty())
        parsed = ClickColumns(GridHeadings(o.List), o.Clicks, clicks);
    if (!parsed) {
        err << "gorlin-cli goal-stats: " << parsed.Message << "\n" << kGoalStatsUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("goal-stats", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    if (const Status applied = ApplyGamesFilter(league, o.Games); !applied) {
        err << "gorlin-cli goal-stats: " << applied.Message << '\n';
        return kExitFailure;
    }
    int team = 0;
    if (o.Team) {
        const std::string name = Utf8ToWin1252(*o.Team);
        for (const TeamListItem& item : GoalChartTeams(league))
            if (item.Team != 0 && item.Text == name)
                team = item.Team;
        if (team == 0) {
            err << "gorlin-cli goal-stats: no league team called " << *o.Team << '\n';
            return kExitFailure;
        }
    }
    const int gameType = league.Head.GameType;
    const Locale locale = FixedLocale(o.Today ? *o.Today : TodayFromClock());

    if (o.Chart) {
        const GoalTimes times = GoalTimeBuckets(league, gameType, team);
        for (const Shape& shape : GoalGraph(times, o.Chart->first, o.Chart->second))
            out << DescribeShape(shape) << '\n';
    } else if (o.List == kTimes) {
        const GoalTimes times = GoalTimeBuckets(league, gameType, team);
        for (int k = 1; k <= times.BucketCount; ++k)
            WriteTsvRow(out, {std::to_string(k), std::to_string(times.Counts[static_cast<std::size_t>(k)])});
    } else {
        GoalStatsData d = GoalStats(league, gameType);
        if (o.List == kSummary) {
            WriteTsvRow(out, {"lbPenScored", d.lbPenScored});
            WriteTsvRow(out, {"lbPenMissed", d.lbPenMissed});
            WriteTsvRow(out, {"lbPenCon", Win1252ToUtf8(d.lbPenCon)});
            WriteTsvRow(out, {"lbPenAward", Win1252ToUtf8(d.lbPenAward)});
        } else if (o.List == kScorers) {
            for (int i = 0; i < d.TopScorerCount; ++i)
                WriteTsvRow(out,
                            {Win1252ToUtf8(TopScorerText(league, d.Scorers[static_cast<std::size_t>(i)]))});
        } else {
            PrintGrid(out, league, d, o.List, clicks, locale);
        }
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
