#include "cli/Cli.h"
#include "cli/ListSubject.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/QueryChoice.h"
#include "core/app/Settings.h"
#include "core/engine/PlayerStats.h"
#include "core/engine/TablePage.h"
#include "core/io/GridExport.h"
#include "core/io/LeagueExport.h"
#include "core/io/ListGrids.h"
#include "core/io/QueryExport.h"
#include "core/model/Dates.h"
#include "core/model/SafeFile.h"
#include "core/model/Text.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"
#include "platform/os/SystemFolders.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace gorlin::cli {

const char* const kExportUsage =
    "Usage: gorlin-cli [--config-dir DIR] export FILE --what LIST [OPTIONS]\n"
    "       gorlin-cli [--config-dir DIR] export FILE --what list:NAME [OPTIONS]\n"
    "       gorlin-cli [--config-dir DIR] export FILE --what query (--design TEXT | --saved TITLE)\n"
    "Writes sections of a league as the Export dialog does, one list grid of the league window\n"
    "or a query's results as the grid and query exports do, to a file or to standard output.\n\n"
    "  --what LIST                      sections, comma separated, written in this order:\n"
    "                                   table, results, full, fixtures, grid, scorers, players\n"
    "                                   (full is written in HTML only)\n"
    "  --what list:NAME                 a list grid: results, goals, players, fixtures (each\n"
    "                                   for --team or every team), referees, hat-tricks,\n"
    "                                   penalties, own-goals, by-team, referee-stats,\n"
    "                                   team-games, team-players, team-fixtures (--team\n"
    "                                   needed) or player-matches (--player needed)\n"
    "  --what query                     a query's results; --design, --saved and --tab as the\n"
    "                                   query command takes them\n"
    "  --format html|csv|text|tsv       HTML fragment, comma separated (default), fixed-width\n"
    "                                   text or tab delimited\n"
    "  --out PATH                       the file to write (default: standard output)\n"
    "  --from YYYY-MM-DD                first day of the games included (default: the first\n"
    "                                   played game's date, or today when earlier)\n"
    "  --to YYYY-MM-DD                  last day of the games included (default: the last\n"
    "                                   date of any game)\n"
    "  --games league|all|NAME          league games (default), every game, or one competition\n"
    "  --team NAME                      only the games and players of this team (for a\n"
    "                                   list: the team it shows)\n"
    "  --player NAME                    the player of list:player-matches (with --team: the\n"
    "                                   player of that name in this team)\n"
    "  --date-format PATTERN            short date format (default dd/mm/yyyy)\n"
    "  --today YYYY-MM-DD               the date that stands for today\n"
    "The table section also takes table's --content, --side, --selection, --columns and --poss;\n"
    "--from and --to are its range too. Lists and queries follow --games as the statistics\n"
    "pages and the query window do (default: the file's own choice). Lines end with CR LF;\n"
    "files and standard output are UTF-8, HTML and CSV beginning with a byte-order mark. The\n"
    "table tag, position names, saved queries and the team players list's columns come from\n"
    "gorlin.ini of the program folder.\n\n"
    "Exit status: 0 on success, 1 when the league cannot be read or the file written, 2 on\n"
    "bad usage.\n";

namespace {

constexpr std::string_view kSectionNames[kExportSectionCount] = {"table", "results", "full",   "fixtures",
                                                                 "grid",  "scorers", "players"};

struct ExportOptions {
    std::string File;
    LeagueExportOptions Export;
    int Format = 1; // html, csv (default), text, tsv
    std::optional<std::string> Out;
    std::optional<int> From;
    std::optional<int> To;
    std::optional<std::string> Games;
    std::optional<std::string> Team;
    std::string DateFormat = "dd/mm/yyyy";
    std::optional<int> Today;
    int Content = kPlayedGames;
    int Side = kHomeAndAway;
    std::optional<int> Selection;
    std::string Columns;
    bool Poss = false;
    std::optional<std::string> List; // list:NAME
    bool Query = false;              // --what query
    std::optional<std::string> Player;
    int Tab = -1;
    std::optional<std::string> Design;
    std::optional<std::string> Saved;
};

Status ParseSections(const std::optional<std::string>& value, LeagueExportOptions& o) {
    if (!value || value->empty())
        return Status::Failure(
            "--what needs a list of table, results, full, fixtures, grid, scorers, players");
    std::string_view rest = *value;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        bool known = false;
        for (int s = 0; s < kExportSectionCount; ++s)
            if (name == kSectionNames[s]) {
                o.Set(static_cast<ExportSection>(s), true);
                known = true;
            }
        if (!known)
            return Status::Failure("--what: unknown section '" + std::string(name) + "'");
        if (comma == std::string_view::npos)
            return Status::Success();
        rest.remove_prefix(comma + 1);
    }
}

Option Date(const char* name, std::optional<int>& target) {
    return {name, true, [name, &target](const auto& value) {
                Expected<int> day = DateValue(name, value);
                if (!day)
                    return Status::Failure(day.error().Message);
                target = *day;
                return Status::Success();
            }};
}

Status ParseOptions(const std::vector<std::string>& args, ExportOptions& o) {
    std::optional<std::string> dateFormat;
    bool haveWhat = false;
    const std::vector<Option> options = {
        {"--what", true,
         [&](const auto& v) {
             haveWhat = true;
             if (v && v->starts_with("list:")) {
                 if (!FindListGrid(v->substr(5)))
                     return Status::Failure("--what: no list called '" + v->substr(5) + "'");
                 o.List = v->substr(5);
                 return Status::Success();
             }
             o.Query = v && *v == "query";
             return o.Query ? Status::Success() : ParseSections(v, o.Export);
         }},
        ChoiceOption("--format", {"html", "csv", "text", "tsv"}, o.Format,
                     "--format needs html, csv, text or tsv"),
        NonEmptyOption("--out", o.Out),
        Date("--from", o.From),
        Date("--to", o.To),
        GamesOption(o.Games),
        NonEmptyOption("--team", o.Team),
        NonEmptyOption("--player", o.Player),
        ChoiceOption("--tab", {"teams", "games", "goals", "players", "squads"}, o.Tab,
                     "--tab needs teams, games, goals, players or squads"),
        NonEmptyOption("--design", o.Design),
        NonEmptyOption("--saved", o.Saved),
        NonEmptyOption("--date-format", dateFormat),
        TodayOption(o.Today),
        ChoiceOption("--content", {"played", "predicted", "form"}, o.Content,
                     "--content needs played, predicted or form"),
        ChoiceOption("--side", {"both", "home", "away"}, o.Side, "--side needs both, home or away"),
        SelectionOption(o.Selection),
        TableColumnsOption(o.Columns),
        FlagOption("--poss", o.Poss),
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (!haveWhat)
        return Status::Failure("--what is needed");
    static constexpr ExportFormat kFormats[] = {ExportFormat::Html, ExportFormat::Csv, ExportFormat::Fixed,
                                                ExportFormat::Tab};
    o.Export.Format = kFormats[o.Format];
    if (o.Query && o.Design.has_value() == o.Saved.has_value())
        return Status::Failure("--what query needs either --design or --saved");
    if (!o.Query && (o.Design || o.Saved || o.Tab >= 0))
        return Status::Failure("--design, --saved and --tab need --what query");
    if (o.Player && !(o.List && *o.List == "player-matches"))
        return Status::Failure("--player needs --what list:player-matches");
    if (FormatLocked(o.Export) && o.Export.Format != ExportFormat::Html)
        return Status::Failure("full results are written in HTML only (--format html)");
    if (dateFormat)
        o.DateFormat = Utf8ToWin1252(*dateFormat);
    return Status::Success();
}

/// Writes the lines as the file's bytes to --out or standard output.
int Emit(const ExportOptions& o, const LineSink& sink, ExportFormat format, std::ostream& out,
         std::ostream& err) {
    const std::string bytes = ExportFileBytes(sink.Text(), format);
    if (o.Out) {
        if (const Status written = WriteFileAtomically(*o.Out, bytes); !written) {
            err << "gorlin-cli export: " << written.Message << "\n";
            return kExitFailure;
        }
        return kExitOk;
    }
    out << bytes;
    return out ? kExitOk : kExitFailure;
}

/// The lines of list:NAME; a problem is reported on err and its exit status returned.
int WriteList(const Invocation& inv, const ExportOptions& o, League& league, const Locale& locale,
              LineSink& sink, std::ostream& err) {
    const ListGridInfo& info = *FindListGrid(*o.List);
    const auto usage = [&err](const std::string& problem) {
        err << "gorlin-cli export: " << problem << "\n" << kExportUsage;
        return kExitUsage;
    };
    if (const Status games = ApplyGamesFilter(league, o.Games); !games)
        return usage(games.Message);
    const ListSubjectChoice subject = ChooseListSubject(league, info, o.Team, o.Player);
    if (subject.Exit == kExitUsage)
        return usage(subject.Problem);
    if (subject.Exit != kExitOk) {
        err << "gorlin-cli export: " << subject.Problem << '\n';
        return subject.Exit;
    }
    const Settings settings = ReadSettings(inv);
    const Expected<ListGrid> grid = BuildListGrid(league, info.Name, subject.Subject, settings, locale);
    if (!grid) {
        err << "gorlin-cli export: " << Win1252ToUtf8(grid.error().Message) << '\n';
        return kExitFailure;
    }
    WriteGridExport(grid->Rows, grid->HeadingRows, o.Export.Format, settings.TableTag, sink);
    return kExitOk;
}

/// The lines of --what query, run as the query command runs it.
int WriteQuery(const Invocation& inv, const ExportOptions& o, League& league, const Locale& locale,
               LineSink& sink, std::ostream& err) {
    const SettingsFile settings = LoadSettingsFile(ProgramFolder(inv));
    const Expected<QueryChoice> chosen =
        ChooseQuery(ReadSavedQueries(settings.Ini), o.Tab, o.Saved, o.Design);
    Status usable = chosen ? Status::Success() : Status::Failure(chosen.error().Message);
    if (usable && o.Games)
        usable = ApplyGamesFilter(league, o.Games);
    if (!usable) {
        err << "gorlin-cli export: " << usable.Message << "\n" << kExportUsage;
        return kExitUsage;
    }
    const QueryRows rows = BuildData(league, locale.Today);
    const QueryFormat format{locale, settings.Values.Positions};
    const Expected<QueryResult> result =
        RunQuery(DecodeQuery(chosen->Text, chosen->Tab), {league, rows, format});
    if (!result) {
        err << "gorlin-cli export: " << Win1252ToUtf8(result.error().Message) << '\n';
        return kExitFailure;
    }
    WriteQueryExport(*result, o.Export.Format, settings.Values.TableTag, sink);
    return kExitOk;
}

} // namespace

int RunExport(const Invocation& inv, std::ostream& out, std::ostream& err) {
    ExportOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli export: " << parsed.Message << "\n" << kExportUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("export", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    const int today = o.Today ? *o.Today : TodayFromClock();
    auto usage = [&err](const std::string& problem) {
        err << "gorlin-cli export: " << problem << "\n" << kExportUsage;
        return kExitUsage;
    };
    if (o.List || o.Query) {
        const Expected<Locale> locale = PatternLocale(o.DateFormat, today);
        if (!locale)
            return usage(locale.error().Message);
        LineSink sink;
        const int written = o.List ? WriteList(inv, o, league, *locale, sink, err)
                                   : WriteQuery(inv, o, league, *locale, sink, err);
        return written == kExitOk ? Emit(o, sink, o.Export.Format, out, err) : written;
    }

    LeagueExportOptions& e = o.Export;
    if (o.Games) {
        const Expected<int> type = GamesFilterFor(league, *o.Games);
        if (!type)
            return usage(type.error().Message);
        e.GameType = *type;
    }
    if (o.Team) {
        const Expected<int> team = TeamNamed(league, *o.Team);
        if (!team)
            return usage(team.error().Message);
        e.Team = *team;
    }
    if (o.Selection) {
        if (*o.Selection != 0 && league.TeamSels[static_cast<std::size_t>(*o.Selection)].Name.empty())
            return usage("the league has no team selection " + std::to_string(*o.Selection));
        league.CurrentSel = static_cast<u16>(*o.Selection);
    }
    if (e.Has(ExportSection::Grid) && MatchesGridCount(league) == 0) {
        err << "gorlin-cli export: " << o.File
            << ": the league games are not two or four rounds of the league teams, so there is no matches "
               "grid\n";
        return kExitFailure;
    }
    const ExportDates dates = DefaultExportDates(league, today);
    e.FromDate = o.From ? *o.From : dates.From;
    e.ToDate = o.To ? *o.To : dates.To;

    const Settings settings = ReadSettings(inv);
    e.TableTag = settings.TableTag;
    e.Positions = settings.Positions;
    Locale locale;
    locale.ShortDateFormat = o.DateFormat;
    locale.Today = today;

    // The table as the league table page shows it for the same options.
    TablePageState state = OpenTablePage(league, settings, today);
    state.ShortFormat = false;
    state.ShowPossPoints = o.Poss;
    state.Columns = o.Columns;
    state.Side = o.Side;
    SetContent(state, league, o.Content, today);
    if (o.From)
        PickFromDate(state.Dates, *o.From);
    if (o.To)
        PickToDate(state.Dates, *o.To);
    const TableViewData table = DrawTable(league, TableArgs(state, settings));

    LineSink sink;
    WriteLeagueExport(league, table, e, locale, sink);
    return Emit(o, sink, e.Format, out, err);
}

} // namespace gorlin::cli
