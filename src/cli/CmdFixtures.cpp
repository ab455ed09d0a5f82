#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/edit/Fixtures.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <ostream>
#include <string>
#include <vector>

namespace gorlin::cli {

const char* const kFixturesUsage =
    "Usage: gorlin-cli [--config-dir DIR] fixtures FILE [--format text|csv]\n"
    "\n"
    "Prints the fixtures of a league file (its unplayed games, league and other competitions)\n"
    "as the Fixtures page lists them for all teams, in date order (undated fixtures last).\n"
    "A heading line, then one line per fixture: Predicted (1 when the predicted score counts in\n"
    "the Played+Predicted table, else 0), the competition's short name, the date (YYYY-MM-DD,\n"
    "empty when the fixture has none), home team, away team, predicted home and away goals.\n"
    "\n"
    "Options:\n"
    "  --format text|csv  tab-separated lines (default) or CSV\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be loaded, 2 on bad usage.\n";

int RunFixtures(const Invocation& inv, std::ostream& out, std::ostream& err) {
    std::string file;
    int format = 0; // 0 text, 1 csv
    const std::vector<Option> options = {
        ChoiceOption("--format", {"text", "csv"}, format, "--format needs text or csv"),
    };
    const Status st = ParseLeagueFileArguments(inv.Args, options, file);
    if (!st) {
        err << "gorlin-cli fixtures: " << st.Message << '\n' << kFixturesUsage;
        return kExitUsage;
    }
    const auto league = LoadLeagueFor("fixtures", file, err);
    if (!league)
        return kExitFailure;

    const FixtureList list = ListFixtures(*league, 0, kFixDate, FixedLocale(TodayFromClock()));
    auto write = [&out, format](const std::vector<std::string>& cells) {
        if (format == 1)
            WriteCsvRow(out, cells);
        else
            WriteTsvRow(out, cells);
    };
    write(std::vector<std::string>(kFixtureHeadings.begin(), kFixtureHeadings.end()));
    for (const FixtureRow& row : list.Rows) {
        std::vector<std::string> cells = {row.Predicted ? "1" : "0"};
        for (int column = kFixComp; column < kFixtureColumnCount; ++column)
            cells.push_back(Win1252ToUtf8(row.Cell(column)));
        write(cells);
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
