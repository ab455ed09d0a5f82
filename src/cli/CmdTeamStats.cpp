#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/StatsTeam.h"
#include "core/app/Settings.h"
#include "core/engine/TeamStats.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

namespace gorlin::cli {

const char* const kTeamStatsUsage =
    "Usage: gorlin-cli team-stats FILE --team NAME [OPTIONS]\n"
    "Print a team's statistics as the team statistics page shows them: a line NAME<TAB>TEXT\n"
    "per label (the page's control names), then btnGraph 1 or 0.\n\n"
    "Options:\n"
    "  --team NAME                     the team, by its name in the league\n"
    "  --games league|all|COMP         the game filter: league games only, league and cup, or\n"
    "                                  one competition by short name or name (default: the\n"
    "                                  file's; nothing is stored)\n"
    "  --today YYYY-MM-DD              the date that stands for today (default: the clock's)\n"
    "  --grid results|fixtures|players print a grid instead: its heading line, then its rows\n"
    "  --columns LETTERS               the players grid's column letters A..N (default: the\n"
    "                                  PlayerCols setting)\n"
    "  --click HEADING                 click a heading of the grid; repeat for more clicks\n"
    "  --chart WxH                     print the points chart's shapes for a box W x H pixels\n"
    "Texts are written in fixed conventions: dates YYYY-MM-DD, thousands \",\", decimals \".\".\n";

namespace {

constexpr int kChartMax = 10000;

struct TeamStatsOptions {
    std::string File;
    std::optional<std::string> Team;
    std::optional<std::string> Games;
    std::optional<int> Today;
    int Grid = -1; // 0 results, 1 fixtures, 2 players
    std::string Columns;
    std::vector<std::string> Clicks;
    std::optional<std::pair<int, int>> Chart;
};

std::optional<int> Dimension(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > kChartMax)
        return std::nullopt;
    return value;
}

Status ParseOptions(const std::vector<std::string>& args, TeamStatsOptions& o) {
    const std::vector<Option> options = {
        NonEmptyOption("--team", o.Team, "--team needs a team name"),
        GamesOption(o.Games),
        TodayOption(o.Today),
        ChoiceOption("--grid", {"results", "fixtures", "players"}, o.Grid,
                     "--grid needs results, fixtures or players"),
        {"--columns", true,
         [&o](const auto& v) {
             if (!v || v->empty() || PlayerColumns(*v) != *v)
                 return Status::Failure("--columns needs column letters A..N, each once");
             o.Columns = *v;
             return Status::Success();
         }},
        NonEmptyOption("--click", o.Clicks, "--click needs a heading"),
        {"--chart", true,
         [&o](const auto& v) {
             const std::size_t x = v ? v->find('x') : std::string::npos;
             const auto w =
                 x == std::string::npos ? std::nullopt : Dimension(std::string_view(*v).substr(0, x));
             const auto h =
                 x == std::string::npos ? std::nullopt : Dimension(std::string_view(*v).substr(x + 1));
             if (!w || !h)
                 return Status::Failure("--chart needs a size WxH of 1 to 10000 pixels each");
             o.Chart = std::pair{*w, *h};
             return Status::Success();
         }},
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (!o.Team)
        return Status::Failure("no team given (--team NAME)");
    if (o.Grid >= 0 && o.Chart)
        return Status::Failure("--grid and --chart cannot be combined");
    if (o.Grid < 0 && !o.Clicks.empty())
        return Status::Failure("--click needs --grid");
    if (o.Grid != 2 && !o.Columns.empty())
        return Status::Failure("--columns needs --grid players");
    return Status::Success();
}

std::vector<std::string> Utf8Cells(const std::vector<std::string>& cells) {
    std::vector<std::string> out;
    out.reserve(cells.size());
    for (const std::string& cell : cells)
        out.push_back(Win1252ToUtf8(cell));
    return out;
}

/// The column of a heading (UTF-8 as given), -1 when the grid has none.
int HeadingColumn(const std::vector<std::string>& headings, const std::string& heading) {
    const auto it = std::find(headings.begin(), headings.end(), Utf8ToWin1252(heading));
    return it == headings.end() ? -1 : static_cast<int>(it - headings.begin());
}

/// Prints a grid: headings, then the rows after each click of the header-click rule.
template <typename Row, typename Click>
Status PrintGrid(std::ostream& out, const std::vector<std::string>& headings, std::vector<Row> rows,
                 const std::vector<std::string>& clicks, Click click) {
    for (const std::string& heading : clicks) {
        const int column = HeadingColumn(headings, heading);
        if (column < 0)
            return Status::Failure("the grid has no heading '" + heading + "'");
        click(rows, column);
    }
    WriteTsvRow(out, Utf8Cells(headings));
    for (const Row& row : rows)
        WriteTsvRow(out, Utf8Cells(row.Cells));
    return Status::Success();
}

Status PrintChosenGrid(std::ostream& out, const TeamStatsData& d, const TeamStatsOptions& o) {
    switch (o.Grid) {
    case 0: {
        GridSort sort = TeamStatsSorts{}.Results;
        return PrintGrid(out, ResultsHeadings(), d.Results, o.Clicks, [&sort](auto& rows, int column) {
            sort = ClickHeading(sort, column);
            SortResults(rows, sort);
        });
    }
    case 1: {
        GridSort sort = TeamStatsSorts{}.Fixtures;
        return PrintGrid(out, FixturesHeadings(), d.FixtureRows, o.Clicks, [&sort](auto& rows, int column) {
            sort = ClickHeading(sort, column);
            SortFixtures(rows, sort);
        });
    }
    default:
        return PrintGrid(out, PlayerHeadings(d.PlayerColumns), d.Players, o.Clicks,
                         [&d](auto& rows, int column) {
                             SortPlayers(rows, d.PlayerColumns[static_cast<std::size_t>(column)]);
                         });
    }
}

} // namespace

int RunTeamStats(const Invocation& inv, std::ostream& out, std::ostream& err) {
    TeamStatsOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli team-stats: " << parsed.Message << "\n" << kTeamStatsUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("team-stats", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    const int team = StatsTeamFor("team-stats", league, *o.Team, o.Games, err);
    if (team == 0)
        return kExitFailure;

    Settings settings = ReadSettings(inv);
    if (!o.Columns.empty())
        settings.PlayerCols = o.Columns;
    const Locale locale = FixedLocale(o.Today ? *o.Today : TodayFromClock());
    const TeamStatsData d = TeamStats(league, team, settings, locale);

    if (o.Chart) {
        for (const Shape& shape : PointsGraph(d.Chart, o.Chart->first, o.Chart->second))
            out << DescribeShape(shape) << '\n';
    } else if (o.Grid >= 0) {
        // Headings are known only now (the players grid's follow the columns): check before writing.
        std::ostringstream text;
        if (const Status printed = PrintChosenGrid(text, d, o); !printed) {
            err << "gorlin-cli team-stats: " << printed.Message << "\n" << kTeamStatsUsage;
            return kExitUsage;
        }
        out << text.str();
    } else {
        for (const auto& [name, value] : TeamStatsLabels(d))
            WriteTsvRow(out, {name, Win1252ToUtf8(value)});
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
