#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/engine/TablePage.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kTableUsage =
    "Usage: gorlin-cli table FILE [OPTIONS]\n"
    "Print the league table of a league file as the league table page shows it.\n\n"
    "Options:\n"
    "  --content played|predicted|form  games that count (default played)\n"
    "  --side both|home|away            sides of a game that count (default both)\n"
    "  --from YYYY-MM-DD                first day of the range, snapped to a match date\n"
    "  --to YYYY-MM-DD                  last day of the range, snapped to a match date\n"
    "  --selection N                    team selection 1..8, 0 for all teams\n"
    "                                   (default: the selection in force on opening)\n"
    "  --columns LETTERS                column letters A..V (default: TableLong setting)\n"
    "  --poss                           add the possible-points column \"PP\"\n"
    "  --format text|csv                output format (default text)\n"
    "The columns, status marks and form length follow gorlin.ini of the program folder\n"
    "(TableLong, ShowStatus, FormGames), as for 'gorlin-cli settings'.\n";

namespace {

struct TableOptions {
    std::string File;
    int Content = kPlayedGames;
    int Side = kHomeAndAway;
    std::optional<int> From;
    std::optional<int> To;
    std::optional<int> Selection;
    std::string Columns;
    bool Poss = false;
    int Format = 0; // 0 text, 1 csv
};

Status ParseOptions(const std::vector<std::string>& args, TableOptions& o) {
    auto date = [](const char* name, std::optional<int>& target) {
        return Option{name, true, [name, &target](const auto& value) {
                          Expected<int> day = DateValue(name, value);
                          if (!day)
                              return Status::Failure(day.error().Message);
                          target = *day;
                          return Status::Success();
                      }};
    };
    const std::vector<Option> options = {
        ChoiceOption("--content", {"played", "predicted", "form"}, o.Content,
                     "--content needs played, predicted or form"),
        ChoiceOption("--side", {"both", "home", "away"}, o.Side, "--side needs both, home or away"),
        date("--from", o.From),
        date("--to", o.To),
        SelectionOption(o.Selection),
        TableColumnsOption(o.Columns),
        FlagOption("--poss", o.Poss),
        ChoiceOption("--format", {"text", "csv"}, o.Format, "--format needs text or csv"),
    };
    return ParseLeagueFileArguments(args, options, o.File);
}

void PrintText(std::ostream& out, const std::string& title, const std::string& columns,
               const std::vector<std::vector<std::string>>& grid, const std::string& note) {
    std::vector<std::size_t> widths;
    for (const auto& row : grid)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], TextWidth(row[c]));
        }
    out << title << "\n\n";
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - TextWidth(row[c]), ' ');
            const bool left = c < columns.size() && columns[c] == 'B';
            if (c > 0)
                line += "  ";
            line += left ? row[c] + pad : pad + row[c];
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
    if (!note.empty())
        out << '\n' << note << '\n';
}

} // namespace

int RunTable(const Invocation& inv, std::ostream& out, std::ostream& err) {
    TableOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli table: " << parsed.Message << "\n" << kTableUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("table", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    if (o.Selection) {
        const int sel = *o.Selection;
        if (sel != 0 && league.TeamSels[static_cast<std::size_t>(sel)].Name.empty()) {
            err << "gorlin-cli table: the league has no team selection " << sel << "\n" << kTableUsage;
            return kExitUsage;
        }
        league.CurrentSel = static_cast<u16>(sel);
    }

    // The page's state as it opens, with the command's options in place of the pop-up's.
    const Settings settings = ReadSettings(inv);
    TablePageState state = OpenTablePage(league, settings, TodayFromClock());
    state.ShortFormat = false;
    state.ShowPossPoints = o.Poss;
    state.Columns = o.Columns;
    state.Side = o.Side;
    SetContent(state, league, o.Content, TodayFromClock());
    if (o.From)
        PickFromDate(state.Dates, *o.From);
    if (o.To)
        PickToDate(state.Dates, *o.To);
    const TableViewData view = DrawTable(league, TableArgs(state, settings));

    std::vector<std::vector<std::string>> grid;
    grid.push_back(view.Headings);
    for (const TableRow& row : view.Rows) {
        std::vector<std::string> cells;
        for (const std::string& cell : row.Cells)
            cells.push_back(Win1252ToUtf8(cell));
        grid.push_back(std::move(cells));
    }

    if (o.Format == 1) {
        for (const auto& row : grid)
            WriteCsvRow(out, row);
    } else {
        PrintText(out, Win1252ToUtf8(TableTitle(league)), view.Columns, grid, TableNote(o.Content, o.Side));
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
