#include "cli/print/CmdPrint.h"

#include "cli/ListSubject.h"
#include "cli/Options.h"
#include "cli/QueryChoice.h"
#include "cli/StatsTeam.h"
#include "core/app/Settings.h"
#include "core/engine/GameFilter.h"
#include "core/engine/MatchGrid.h"
#include "core/engine/PositionGraph.h"
#include "core/engine/StatsLookup.h"
#include "core/engine/TablePage.h"
#include "core/engine/TableView.h"
#include "core/engine/TeamStats.h"
#include "core/io/ListGrids.h"
#include "core/io/PrintLayouts.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"
#include "core/query/QueryRows.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"
#include "paint/PrintPainter.h"
#include "platform/os/SystemFolders.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

namespace {

enum PrintWhat : int { kWhatTable = 0, kWhatTeam, kWhatGrid, kWhatGraph, kWhatQuery, kWhatList };

struct PrintOptions {
    std::string File;
    int What = -1;
    std::string ListName;
    std::optional<std::string> Pdf;
    std::optional<std::string> Heading;
    bool NoHeading = false;
    bool NoDate = false;
    std::optional<std::string> Font;
    int Page = 0; // a4, letter
    std::optional<std::string> Team;
    std::optional<std::string> Player; // list:player-matches
    bool Second = false;
    std::optional<int> Today;
    // The query: as `gorlin-cli query` takes it.
    std::optional<std::string> Design;
    std::optional<std::string> Saved;
    int Tab = -1;
    std::optional<std::string> Games;
};

Status ParseWhat(const std::optional<std::string>& value, PrintOptions& o) {
    static constexpr const char* kNames[] = {"table", "team", "grid", "graph", "query"};
    const std::string what = value.value_or("");
    for (int w = 0; w < 5; ++w)
        if (what == kNames[w]) {
            o.What = w;
            return Status::Success();
        }
    if (what.rfind("list:", 0) == 0 && what.size() > 5) {
        o.What = kWhatList;
        o.ListName = what.substr(5);
        return Status::Success();
    }
    return Status::Failure("--what needs table, team, grid, graph, query or list:NAME");
}

Status ParseOptions(const std::vector<std::string>& args, PrintOptions& o) {
    const std::vector<Option> options = {
        {"--what", true, [&o](const auto& v) { return ParseWhat(v, o); }},
        NonEmptyOption("--pdf", o.Pdf),
        {"--heading", true,
         [&o](const auto& v) {
             if (!v)
                 return Status::Failure("--heading needs a text");
             o.Heading = *v;
             return Status::Success();
         }},
        FlagOption("--no-heading", o.NoHeading),
        FlagOption("--no-date", o.NoDate),
        NonEmptyOption("--font", o.Font),
        ChoiceOption("--page", {"a4", "letter"}, o.Page, "--page needs a4 or letter"),
        NonEmptyOption("--team", o.Team),
        NonEmptyOption("--player", o.Player),
        FlagOption("--second", o.Second),
        TodayOption(o.Today),
        NonEmptyOption("--design", o.Design),
        NonEmptyOption("--saved", o.Saved),
        ChoiceOption("--tab", {"teams", "games", "goals", "players", "squads"}, o.Tab,
                     "--tab needs teams, games, goals, players or squads"),
        GamesOption(o.Games),
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (o.What < 0)
        return Status::Failure("--what is needed");
    if (!o.Pdf)
        return Status::Failure("--pdf is needed");
    if (o.Heading && o.NoHeading)
        return Status::Failure("--heading and --no-heading exclude each other");
    if ((o.What == kWhatQuery) != (o.Design || o.Saved))
        return Status::Failure(o.What == kWhatQuery ? "--what query needs --design or --saved"
                                                    : "--design and --saved belong to --what query");
    if (o.Design && o.Saved)
        return Status::Failure("--design and --saved exclude each other");
    if (o.What == kWhatList && !FindListGrid(o.ListName))
        return Status::Failure("--what: no list called '" + o.ListName + "'");
    if (o.Player && o.What != kWhatList)
        return Status::Failure("--player belongs to --what list:player-matches");
    return Status::Success();
}

/// A QGuiApplication for the command when the process has none (the tests run commands inside
/// their own application); without a display it runs on the offscreen platform.
/// Null when the process already runs an application (then `ready` says whether it can paint).
std::unique_ptr<QGuiApplication> EnsureGuiApplication(bool& ready) {
    ready = true;
    if (QCoreApplication::instance() != nullptr) {
        ready = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        return nullptr;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "gorlin-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

/// What the job prints and the heading it proposes.
struct PrintJob {
    PrintLayout Layout;
    std::string Heading; // Windows-1252
    bool HeadingAllowed = true;
    bool DateAllowed = true;
};

/// The results of a query run as `gorlin-cli query` runs it, as the query window prints them.
Expected<PrintListData> QueryList(const Invocation& inv, const PrintOptions& o, League& league,
                                  const Locale& locale) {
    const SettingsFile settings = LoadSettingsFile(ProgramFolder(inv));
    const Expected<QueryChoice> chosen =
        ChooseQuery(ReadSavedQueries(settings.Ini), o.Tab, o.Saved, o.Design);
    if (!chosen)
        return chosen.error();
    if (o.Games)
        if (const Status games = ApplyGamesFilter(league, o.Games); !games)
            return Error{games.Message};
    const QueryRows rows = BuildData(league, locale.Today);
    const QueryFormat format{locale, settings.Values.Positions};
    const Expected<QueryResult> result =
        gorlin::RunQuery(DecodeQuery(chosen->Text, chosen->Tab), {league, rows, format});
    if (!result)
        return result.error();
    return QueryPrintList(*result);
}

} // namespace

int RunPrint(const Invocation& inv, std::ostream& out, std::ostream& err) {
    PrintOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli print: " << parsed.Message << "\n" << kPrintUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("print", o.File, err);
    if (!loaded)
        return kExitFailure;
    auto league = std::make_shared<League>(std::move(*loaded));
    const auto settings = std::make_shared<Settings>(ReadSettings(inv));
    const int today = o.Today ? *o.Today : TodayFromClock();
    Locale locale;
    locale.ShortDateFormat = "dd/mm/yyyy";
    locale.Today = today;
    auto failed = [&err](const std::string& problem) {
        err << "gorlin-cli print: " << problem << "\n";
        return kExitFailure;
    };

    // The team of team statistics and the graph: the named one, else the one the statistics
    // page opens with; for the lists the named one or every team.
    int team = 0;
    ListSubjectChoice subject;
    if (o.What == kWhatTeam || o.What == kWhatGraph) {
        if (o.Team) {
            team = StatsTeamFor("print", *league, *o.Team, std::nullopt, err);
            if (team == 0)
                return kExitFailure;
        } else {
            SelectGameFilter(*league);
            const StatsTeamList list = OpeningTeamList(*league);
            if (list.Teams.empty())
                return failed(o.File + ": the league has no teams");
            team = list.Teams[static_cast<std::size_t>(list.Selected)];
        }
    } else if (o.What == kWhatList) {
        subject = ChooseListSubject(*league, *FindListGrid(o.ListName), o.Team, o.Player);
        if (subject.Exit == kExitUsage) {
            err << "gorlin-cli print: " << subject.Problem << "\n" << kPrintUsage;
            return kExitUsage;
        }
        if (subject.Exit != kExitOk)
            return failed(subject.Problem);
    } else if (o.Team) {
        const Expected<int> named = TeamNamed(*league, *o.Team);
        if (!named) {
            err << "gorlin-cli print: " << named.error().Message << "\n" << kPrintUsage;
            return kExitUsage;
        }
        team = *named;
    }

    PrintJob job;
    job.Heading = TableTitle(*league);
    switch (o.What) {
    case kWhatTable: {
        const auto state = std::make_shared<TablePageState>(OpenTablePage(*league, *settings, today));
        job.Layout = [league, settings, state](const PrintPageSetup& setup, const TextMeasure& measure) {
            return PrintLeagueTable(*league, *state, *settings, setup, measure);
        };
        break;
    }
    case kWhatTeam: {
        const auto data = std::make_shared<TeamStatsData>(TeamStats(*league, team, *settings, locale));
        if (!data->btnTSPrint)
            return failed(Win1252ToUtf8(TeamName(*league, team)) +
                          ": there are no statistics to print (no league game played, or a single "
                          "competition chosen)");
        job.Layout = [league, data](const PrintPageSetup& setup, const TextMeasure& measure) {
            return PrintTeamStatistics(*league, *data, setup, measure);
        };
        break;
    }
    case kWhatGrid: {
        const int set = o.Second ? 2 : 1;
        if (o.Second && MatchGridSetCount(*league) < 2)
            return failed(o.File + ": the league has no second set of matches");
        Expected<MatchGridData> grid = BuildMatchGrid(*league, set);
        if (!grid)
            return failed(o.File + ": " + grid.error().Message);
        const auto data = std::make_shared<MatchGridData>(std::move(*grid));
        job.Layout = [data](const PrintPageSetup& setup, const TextMeasure& measure) {
            return PrintMatchGrid(*data, setup, measure);
        };
        job.HeadingAllowed = false;
        job.DateAllowed = false;
        break;
    }
    case kWhatGraph: {
        const auto series = std::make_shared<GraphSeries>(
            BuildGraph(*league, team, kPointsProgress, today, settings->Colour4, locale));
        job.Heading = series->Caption;
        job.Layout = [series](const PrintPageSetup& setup, const TextMeasure& measure) {
            return PrintGraph(*series, true, setup, measure);
        };
        job.DateAllowed = false;
        break;
    }
    case kWhatQuery: {
        Expected<PrintListData> list = QueryList(inv, o, *league, locale);
        if (!list)
            return failed(list.error().Message);
        const auto data = std::make_shared<PrintListData>(std::move(*list));
        job.Layout = [data](const PrintPageSetup& setup, const TextMeasure& measure) {
            return PrintListTable(*data, setup, measure);
        };
        job.DateAllowed = false;
        break;
    }
    default: {
        const Expected<ListGrid> grid =
            BuildListGrid(*league, o.ListName, subject.Subject, *settings, locale);
        if (!grid)
            return failed(Win1252ToUtf8(grid.error().Message));
        const auto data = std::make_shared<PrintListData>(
            MakePrintList(grid->Title, grid->Rows, grid->HeadingRows, grid->RightAligned));
        job.Layout = [data](const PrintPageSetup& setup, const TextMeasure& measure) {
            return PrintListTable(*data, setup, measure);
        };
        job.DateAllowed = false;
        break;
    }
    }

    bool ready = false;
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication(ready);
    if (!ready)
        return failed("printing needs a graphical application, and this process runs another kind");
    PdfJob pdf;
    pdf.Paper = o.Page == 1 ? PrintPaper::Letter : PrintPaper::A4;
    if (job.HeadingAllowed && !o.NoHeading)
        pdf.Heading = o.Heading ? Utf8ToWin1252(*o.Heading) : job.Heading;
    if (job.DateAllowed && !o.NoDate)
        pdf.DateText = FormatShortDate(today, locale);
    pdf.Font = QFont(QString::fromStdString(o.Font ? *o.Font : Win1252ToUtf8(settings->FontName)));
    const Expected<int> pages = WritePdfFile(*o.Pdf, job.Layout, pdf);
    if (!pages)
        return failed(*o.Pdf + ": " + pages.error().Message);
    out << "Pages: " << *pages << '\n';
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
