#include "cli/Cli.h"
#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/engine/Standings.h"
#include "core/engine/TableView.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
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
    std::optional<std::string> Columns;
    bool Poss = false;
    bool Csv = false;
};

/// Parses the command's arguments; on a bad option returns nullopt with `problem` set.
std::optional<TableOptions> ParseOptions(const std::vector<std::string>& args, std::string& problem) {
    TableOptions o;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        auto date = [&](std::optional<int>& target) {
            const auto v = value();
            const auto day = v ? ParseIsoDate(*v) : std::nullopt;
            if (!day)
                problem = arg + " needs a date YYYY-MM-DD";
            else
                target = *day;
        };

        if (arg == "--content") {
            const auto v = value();
            if (v == "played")
                o.Content = kPlayedGames;
            else if (v == "predicted")
                o.Content = kPlayedPredicted;
            else if (v == "form")
                o.Content = kCurrentForm;
            else
                problem = "--content needs played, predicted or form";
        } else if (arg == "--side") {
            const auto v = value();
            if (v == "both")
                o.Side = kHomeAndAway;
            else if (v == "home")
                o.Side = kHomeOnly;
            else if (v == "away")
                o.Side = kAwayOnly;
            else
                problem = "--side needs both, home or away";
        } else if (arg == "--from") {
            date(o.From);
        } else if (arg == "--to") {
            date(o.To);
        } else if (arg == "--selection") {
            const auto v = value();
            if (v && v->size() == 1 && (*v)[0] >= '0' && (*v)[0] <= '0' + kMaxTeamSels)
                o.Selection = (*v)[0] - '0';
            else
                problem = "--selection needs a number 0..8";
        } else if (arg == "--columns") {
            const auto v = value();
            if (v && !v->empty() && ShownColumns(*v).size() == v->size())
                o.Columns = *v;
            else
                problem = "--columns needs column letters A..V";
        } else if (arg == "--poss" && !inlineValue) {
            o.Poss = true;
        } else if (arg == "--format") {
            const auto v = value();
            if (v == "text" || v == "csv")
                o.Csv = v == "csv";
            else
                problem = "--format needs text or csv";
        } else if (arg.size() > 1 && arg[0] == '-') {
            problem = "unknown option '" + arg + "'";
        } else if (!haveFile) {
            o.File = arg;
            haveFile = true;
        } else {
            problem = "more than one league file given";
        }
        if (!problem.empty())
            return std::nullopt;
    }
    if (!haveFile) {
        problem = "no league file given";
        return std::nullopt;
    }
    return o;
}

/// Today's day number (day 0 = 30 December 1899).
int Today() {
    using namespace std::chrono;
    const auto days = floor<std::chrono::days>(system_clock::now()).time_since_epoch().count();
    return static_cast<int>(days) + 25569; // 1 January 1970
}

std::string CsvCell(const std::string& cell) {
    if (cell.find(',') == std::string::npos)
        return cell;
    std::string quoted = "\"";
    for (const char c : cell) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

/// Characters (not bytes) of a UTF-8 text, for alignment.
std::size_t TextWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
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
    std::string problem;
    const auto options = ParseOptions(inv.Args, problem);
    if (!options) {
        err << "gorlin-cli table: " << problem << "\n" << kTableUsage;
        return kExitUsage;
    }
    const TableOptions& o = *options;

    auto loaded = LoadLeague(o.File);
    if (!loaded) {
        err << "gorlin-cli table: " << o.File << ": " << loaded.error().Message << '\n';
        return kExitFailure;
    }
    League league = std::move(*loaded);
    if (o.Selection) {
        const int sel = *o.Selection;
        if (sel != 0 && league.TeamSels[static_cast<std::size_t>(sel)].Name.empty()) {
            err << "gorlin-cli table: the league has no team selection " << sel << "\n" << kTableUsage;
            return kExitUsage;
        }
        league.CurrentSel = static_cast<u16>(sel);
    }

    const Settings settings = ReadSettings(inv);
    // The page rebuilds the match dates and the whole range on opening (today when empty).
    DateTable dates = BuildDateTable(league, o.Content, Today());
    if (o.From)
        PickFromDate(dates, *o.From);
    if (o.To)
        PickToDate(dates, *o.To);

    TableViewArgs args;
    args.ColumnLetters = o.Columns ? *o.Columns : settings.TableLong;
    args.ShowPossPoints = o.Poss;
    args.ShowStatus = settings.ShowStatus;
    args.Content = o.Content;
    args.Side = o.Side;
    args.FromDate = dates.FromDate;
    args.ToDate = dates.ToDate;
    args.FormGames = settings.FormGames;
    const TableViewData view = DrawTable(league, args);

    std::vector<std::vector<std::string>> grid;
    grid.push_back(view.Headings);
    for (const TableRow& row : view.Rows) {
        std::vector<std::string> cells;
        for (const std::string& cell : row.Cells)
            cells.push_back(Win1252ToUtf8(cell));
        grid.push_back(std::move(cells));
    }

    if (o.Csv) {
        for (const auto& row : grid) {
            for (std::size_t c = 0; c < row.size(); ++c)
                out << (c ? "," : "") << CsvCell(row[c]);
            out << '\n';
        }
    } else {
        PrintText(out, Win1252ToUtf8(TableTitle(league)), view.Columns, grid, TableNote(o.Content, o.Side));
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
