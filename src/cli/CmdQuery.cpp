#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/QueryChoice.h"
#include "core/app/Settings.h"
#include "core/model/Text.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"
#include "platform/os/SystemFolders.h"

#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kQueryUsage =
    "Usage: gorlin-cli query FILE (--design TEXT | --saved TITLE) [OPTIONS]\n"
    "Run a query over a league file as the query window does and print its results: the\n"
    "headings, then one line per row, cells as the results grid shows them.\n\n"
    "Options:\n"
    "  --tab teams|games|goals|players|squads\n"
    "                         the rows the query reads (default teams; with --saved, the tab\n"
    "                         of the first saved query with that title)\n"
    "  --design TEXT          the query as saved-query text: six items per column, each\n"
    "                         followed by a comma: field id, A/D/N (sort), Y/N (include),\n"
    "                         then the criteria, the or-criteria and the title in double\n"
    "                         quotes or empty, e.g. '1,N,Y,,,,25,D,Y,\">40\",,,'\n"
    "  --saved TITLE          a saved query of gorlin.ini (the nine predefined queries when\n"
    "                         none are stored)\n"
    "  --games league|all|NAME\n"
    "                         games to include for this run: league games only, every game,\n"
    "                         or one competition by short name or name (default: the\n"
    "                         league's own choice)\n"
    "  --format csv|tsv       output format (default csv)\n"
    "  --date-format PATTERN  dates shown and read in criteria, of d, dd, m, mm, mmm, yy,\n"
    "                         yyyy and a separator (default dd/mm/yyyy)\n"
    "  --today YYYY-MM-DD     the day ages count to (default: today)\n"
    "  --save TITLE           also save the query under TITLE in gorlin.ini, as the query\n"
    "                         window's Save does (replacing a query of the tab with that\n"
    "                         title)\n"
    "Numbers are written with ',' between thousands and '.' before decimals. A query the\n"
    "window would refuse prints the window's message and exits with status 1.\n";

namespace {

constexpr std::string_view kTabNames[] = {"teams", "games", "goals", "players", "squads"};

struct QueryOptions {
    std::string File;
    int Tab = -1; // none given
    std::optional<std::string> Design;
    std::optional<std::string> Saved;
    std::optional<std::string> Games;
    int Format = 0; // 0 csv, 1 tsv
    std::string DatePattern = "dd/mm/yyyy";
    std::optional<int> Today;
    std::optional<std::string> SaveTitle;
};

Option TextOption(std::string_view name, std::optional<std::string>& target) {
    return {name, true, [name, &target](const auto& value) {
                if (!value)
                    return Status::Failure(std::string(name) + " needs a value");
                target = *value;
                return Status::Success();
            }};
}

Status ParseOptions(const std::vector<std::string>& args, QueryOptions& o) {
    const std::vector<Option> options = {
        ChoiceOption("--tab", {std::begin(kTabNames), std::end(kTabNames)}, o.Tab,
                     "--tab needs teams, games, goals, players or squads"),
        TextOption("--design", o.Design),
        TextOption("--saved", o.Saved),
        GamesOption(o.Games),
        ChoiceOption("--format", {"csv", "tsv"}, o.Format, "--format needs csv or tsv"),
        {"--date-format", true,
         [&o](const auto& value) {
             if (!value || value->empty())
                 return Status::Failure("--date-format needs a pattern such as dd/mm/yyyy");
             o.DatePattern = *value;
             return Status::Success();
         }},
        TodayOption(o.Today),
        TextOption("--save", o.SaveTitle),
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (o.Design.has_value() == o.Saved.has_value())
        return Status::Failure("give either --design or --saved");
    return Status::Success();
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "gorlin-cli query: " << problem << "\n" << kQueryUsage;
    return kExitUsage;
}

int Refused(std::ostream& err, const std::string& message) {
    err << "gorlin-cli query: " << Win1252ToUtf8(message) << '\n';
    return kExitFailure;
}

std::vector<std::string> Utf8Cells(const std::vector<std::string>& cells) {
    std::vector<std::string> out;
    out.reserve(cells.size());
    for (const std::string& cell : cells)
        out.push_back(Win1252ToUtf8(cell));
    return out;
}

} // namespace

int RunQuery(const Invocation& inv, std::ostream& out, std::ostream& err) {
    QueryOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed)
        return Usage(err, parsed.Message);
    const int today = o.Today.value_or(TodayFromClock());
    const Expected<Locale> locale = PatternLocale(o.DatePattern, today);
    if (!locale)
        return Usage(err, locale.error().Message);

    // The settings are read once: positions, the saved queries and the store --save writes.
    SettingsFile settings = LoadSettingsFile(ProgramFolder(inv));
    const std::vector<SavedQuery> saved = ReadSavedQueries(settings.Ini);
    const Expected<QueryChoice> chosen = ChooseQuery(saved, o.Tab, o.Saved, o.Design);
    if (!chosen)
        return Usage(err, chosen.error().Message);
    const int tab = chosen->Tab;

    auto loaded = LoadLeagueFor("query", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    if (o.Games)
        if (const Status games = ApplyGamesFilter(league, o.Games); !games)
            return Usage(err, games.Message);

    const QueryRows rows = BuildData(league, today);
    const QueryFormat format{*locale, settings.Values.Positions};
    const QueryDesign design = DecodeQuery(chosen->Text, tab);
    const Expected<QueryResult> result = gorlin::RunQuery(design, {league, rows, format});
    if (!result)
        return Refused(err, result.error().Message);

    if (o.SaveTitle) {
        if (!settings.Problem)
            return Refused(err, "the settings file could not be read: " + settings.Problem.Message);
        EnsureSavedQueries(settings.Ini);
        std::vector<SavedQuery> list = ReadSavedQueries(settings.Ini);
        const Expected<int> entry =
            SaveQuery(list, settings.Ini, tab, Utf8ToWin1252(*o.SaveTitle), EncodeQuery(design));
        if (!entry)
            return Refused(err, entry.error().Message);
        if (const Status written = settings.Ini.Save(); !written)
            return Refused(err, "the settings file could not be written: " + written.Message);
    }

    const auto write = o.Format == 0 ? WriteCsvRow : WriteTsvRow;
    write(out, Utf8Cells(result->Headings));
    for (const std::vector<std::string>& row : result->Cells)
        write(out, Utf8Cells(row));
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
