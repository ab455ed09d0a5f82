#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/engine/DivisionStats.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gorlin::cli {

const char* const kDivisionStatsUsage =
    "Usage: gorlin-cli division-stats FILE [--high home|away]\n"
    "       gorlin-cli division-stats FILE --referees [--cup] [--click HEADING]...\n"
    "Print the division statistics page over the played league games: a line NAME<TAB>TEXT\n"
    "for edDivGames, the Goals tab's six totals (edHomeGoals .. edClnShts) and the Results\n"
    "tab's five counts (edDivHome .. edDivNsDraws).\n\n"
    "Options:\n"
    "  --high home|away   print the highest home (away) scores instead: GAME<TAB>ITEM per item\n"
    "  --referees         print the referee grid instead: its heading line, then its rows\n"
    "                     sorted by Name\n"
    "  --cup              count the games of other competitions in the referee grid too (as\n"
    "                     the Referees maintenance page does)\n"
    "  --click HEADING    then click a heading of the referee grid; repeat for more clicks\n"
    "Texts are written in fixed conventions: dates YYYY-MM-DD, thousands \",\", decimals \".\".\n";

namespace {

struct DivisionStatsOptions {
    std::string File;
    int High = -1; // 0 home, 1 away
    bool Referees = false;
    bool Cup = false;
    std::vector<int> Clicks;
};

Status ParseOptions(const std::vector<std::string>& args, DivisionStatsOptions& o) {
    const std::vector<Option> options = {
        ChoiceOption("--high", {"home", "away"}, o.High, "--high needs home or away"),
        FlagOption("--referees", o.Referees),
        FlagOption("--cup", o.Cup),
        {"--click", true,
         [&o](const auto& v) {
             const std::optional<int> key = v ? RefSortKeyOfHeading(*v) : std::nullopt;
             if (!key)
                 return Status::Failure("--click needs a heading: Name, Games, Pens, Yellows, Reds, "
                                        "Y/Gm or R/Gm");
             o.Clicks.push_back(*key);
             return Status::Success();
         }},
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (o.High >= 0 && o.Referees)
        return Status::Failure("--high and --referees cannot be combined");
    if (!o.Referees && (o.Cup || !o.Clicks.empty()))
        return Status::Failure("--cup and --click need --referees");
    return Status::Success();
}

void WriteRefereeRows(std::ostream& out, const std::vector<RefGridRow>& rows) {
    for (const RefGridRow& row : rows) {
        std::vector<std::string> cells;
        for (const std::string& cell : row.Cells)
            cells.push_back(Win1252ToUtf8(cell));
        WriteTsvRow(out, cells);
    }
}

} // namespace

int RunDivisionStats(const Invocation& inv, std::ostream& out, std::ostream& err) {
    DivisionStatsOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli division-stats: " << parsed.Message << "\n" << kDivisionStatsUsage;
        return kExitUsage;
    }
    const auto league = LoadLeagueFor("division-stats", o.File, err);
    if (!league)
        return kExitFailure;
    const Locale locale = FixedLocale(TodayFromClock());

    if (o.Referees) {
        RefStats stats = BuildRefStats(*league, o.Cup);
        std::vector<RefGridRow> rows = SortRefStats(stats, *league, kRefName, locale);
        for (int key : o.Clicks)
            rows = SortRefStats(stats, *league, key, locale);
        WriteTsvRow(out, std::vector<std::string>(kRefHeadings.begin(), kRefHeadings.end()));
        WriteRefereeRows(out, rows);
        return out ? kExitOk : kExitFailure;
    }
    const DivisionStatsData page = DivisionStats(*league, locale);
    if (o.High >= 0) {
        for (const HighScoreItem& item : o.High == 0 ? page.HighHome : page.HighAway)
            WriteTsvRow(out, {std::to_string(item.Game), Win1252ToUtf8(item.Text)});
        return out ? kExitOk : kExitFailure;
    }
    for (const auto& [name, text] : page.Edits())
        WriteTsvRow(out, {name, Win1252ToUtf8(text)});
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
