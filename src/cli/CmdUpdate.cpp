#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/model/LeagueFile.h"
#include "core/model/SafeFile.h"
#include "core/update/DialUp.h"
#include "core/update/LineReceiver.h"
#include "core/update/ProcessUpdate.h"
#include "core/update/UpdateRetrieval.h"
#include "platform/os/SocketRetrieval.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kUpdateUsage =
    "Usage: gorlin-cli update FILE [--file UPDATEFILE | --from [http://]HOST[:PORT][/PATH]]\n"
    "                         [--timeout SECONDS] [--no-referees] [--no-players]\n"
    "                         [--no-squads] [--dry-run]\n"
    "Applies an update file (gnupNNNN.txt, as \"Create Upload File\" writes it) to the league\n"
    "file FILE, as the On-Line Update does, and saves the league when it changed (with a\n"
    "backup unless TakeBackup is off in gorlin.ini). Without --file the file is fetched as the\n"
    "On-Line Update fetches it: from the league's update address, else RootHost of gorlin.ini,\n"
    "through the proxy of gorlin.ini when UseProxy is on; on a 404 the server's index file\n"
    "gnupindx.txt says where another version's file is.\n\n"
    "Options:\n"
    "  --file UPDATEFILE  the update file; its header must name the league's version ID\n"
    "  --from HOST...     fetch from this server (and folder) instead of the league's\n"
    "  --timeout SECONDS  give up fetching after this long (default 300)\n"
    "  --no-referees      leave the referees alone (games get no referee)\n"
    "  --no-players       leave the players alone (goals get unknown scorers; squads,\n"
    "                     transfers and missed penalties are not applied)\n"
    "  --no-squads        leave the squads alone\n"
    "  --dry-run          apply, report, and leave the file as it was\n\n"
    "Prints tab-separated lines in order: \"status\" and each status text, \"error\" and each\n"
    "message, \"request\", HOST, PORT and the request line for each request made; once the\n"
    "header is accepted, one line per count: results-added, fixtures-completed,\n"
    "results-filled, results-not-applied, goals-added, squad-entries-added,\n"
    "missed-pens-added, players-added, referees-added, transfers, fixtures-dated,\n"
    "records-skipped (damaged records).\n\n"
    "Exit status: 0 when the update completed (with or without changes); 1 when the update\n"
    "file could not be fetched or was refused, or a file could not be read or saved (nothing\n"
    "is saved then); 2 on bad usage.\n";

namespace {

/// Update files are text of a few megabytes at most; anything far larger is no update file.
constexpr std::uint64_t kMaxUpdateFile = 256u << 20;

/// The longest wait --timeout takes: a day.
constexpr int kMaxTimeoutSeconds = 86400;

struct UpdateArgs {
    std::string File;
    std::string UpdateFile;
    std::optional<std::string> From;
    std::optional<int> TimeoutSeconds;
    UpdateOptions Options;
    bool DryRun = false;
};

Status ParseOptions(const std::vector<std::string>& args, UpdateArgs& a) {
    bool noReferees = false;
    bool noPlayers = false;
    bool noSquads = false;
    const std::vector<Option> options = {
        {"--file", true,
         [&a](const auto& value) {
             if (!value || value->empty())
                 return Status::Failure("--file needs an update file");
             a.UpdateFile = *value;
             return Status::Success();
         }},
        {"--from", true,
         [&a](const auto& value) {
             if (!value || value->empty())
                 return Status::Failure("--from needs a server");
             std::string from = *value;
             if (CompareNoCase(std::string_view(from).substr(0, 7), "http://") == 0)
                 from.erase(0, 7);
             if (from.find("://") != std::string::npos)
                 return Status::Failure("--from takes http:// servers only");
             a.From = from;
             return Status::Success();
         }},
        {"--timeout", true,
         [&a](const auto& value) {
             const std::string text = value.value_or("");
             if (text.empty() || text.size() > 5 ||
                 text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) < 1 ||
                 std::stoi(text) > kMaxTimeoutSeconds)
                 return Status::Failure("--timeout needs a number of seconds from 1 to 86400");
             a.TimeoutSeconds = std::stoi(text);
             return Status::Success();
         }},
        FlagOption("--no-referees", noReferees),
        FlagOption("--no-players", noPlayers),
        FlagOption("--no-squads", noSquads),
        FlagOption("--dry-run", a.DryRun),
    };
    const Status st = ParseLeagueFileArguments(args, options, a.File);
    if (st && !a.UpdateFile.empty() && (a.From || a.TimeoutSeconds))
        return Status::Failure("--file does not go with --from or --timeout");
    a.Options = {!noReferees, !noPlayers, !noSquads};
    return st;
}

/// Fetches the league's update file as the On-Line Update does (on line by hand: this platform
/// has no dial-up service), printing status, error and request lines as they come.
bool Fetch(const Invocation& inv, const UpdateArgs& a, const League& league, std::vector<std::string>& lines,
           std::ostream& out, std::ostream& err) {
    if (league.Head.VersionId == 0) {
        err << "gorlin-cli update: " << a.File << ": the league has no version ID (on-line update is off)\n";
        return false;
    }
    const Settings settings = ReadSettings(inv);
    AbsentDialUpService service;
    DialUpSession session(service);
    for (const DialUpAction& action : session.Proceed(settings))
        if (action.Type == DialUpAction::StatusText)
            WriteTsvRow(out, {"status", Win1252ToUtf8(action.Text)});

    RetrievalStart start = RetrievalStartFor(league, settings, a.Options.Squads);
    if (a.From)
        start.UpdateAddress = Utf8ToWin1252(*a.From);
    if (a.TimeoutSeconds)
        start.Limits.ChainMs = std::int64_t{*a.TimeoutSeconds} * 1000;
    const RetrievalAction end = RunRetrieval(start, [&out](const RetrievalAction& action) {
        switch (action.Type) {
        case RetrievalAction::Connect:
            WriteTsvRow(out, {"request", Win1252ToUtf8(action.Host), std::to_string(action.Port),
                              Win1252ToUtf8(action.RequestLine)});
            break;
        case RetrievalAction::StatusText:
            WriteTsvRow(out, {"status", Win1252ToUtf8(action.Text)});
            break;
        case RetrievalAction::Failed:
            if (action.Box)
                WriteTsvRow(out, {"error", action.BoxText.substr(0, action.BoxText.find('\n'))});
            WriteTsvRow(out, {"status", Win1252ToUtf8(action.Text)});
            break;
        default:
            break;
        }
    });
    if (end.Type != RetrievalAction::Finished)
        return false;
    lines = end.Lines;
    return true;
}

} // namespace

int RunUpdate(const Invocation& inv, std::ostream& out, std::ostream& err) {
    UpdateArgs a;
    if (const Status parsed = ParseOptions(inv.Args, a); !parsed) {
        err << "gorlin-cli update: " << parsed.Message << "\n" << kUpdateUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("update", a.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    std::vector<std::string> lines;
    if (!a.UpdateFile.empty()) {
        const Expected<std::string> text = ReadWholeFile(a.UpdateFile, kMaxUpdateFile);
        if (!text) {
            err << "gorlin-cli update: " << a.UpdateFile << ' ' << text.error().Message << '\n';
            return kExitFailure;
        }
        lines = SplitUpdateLines(*text, a.Options.Squads);
    } else if (!Fetch(inv, a, league, lines, out, err)) {
        return kExitFailure;
    }

    const UpdateReport report = ProcessUpdate(league, lines, a.Options);
    if (report.Changed && !a.DryRun) {
        if (const Status saved = SaveLeague(league, a.File, SaveOptions{ReadSettings(inv).TakeBackup});
            !saved) {
            err << "gorlin-cli update: " << a.File << ": " << saved.Message << '\n';
            return kExitFailure;
        }
    }
    for (const UpdateMessage& m : report.Messages) {
        if (m.Type == UpdateMessage::Status)
            WriteTsvRow(out, {"status", m.Text});
        else
            WriteTsvRow(out, {"error", m.Text.substr(0, m.Text.find('\n'))});
    }
    if (report.Accepted) {
        const UpdateCounts& c = report.Counts;
        const std::pair<const char*, int> counts[] = {
            {"results-added", c.ResultsAdded},
            {"fixtures-completed", c.FixturesCompleted},
            {"results-filled", c.ResultsFilled},
            {"results-not-applied", c.ResultsNotApplied},
            {"goals-added", c.GoalsAdded},
            {"squad-entries-added", c.SquadEntriesAdded},
            {"missed-pens-added", c.MissedPensAdded},
            {"players-added", c.PlayersAdded},
            {"referees-added", c.RefereesAdded},
            {"transfers", c.Transfers},
            {"fixtures-dated", c.FixturesDated},
            {"records-skipped", c.RecordsSkipped},
        };
        for (const auto& [name, n] : counts)
            WriteTsvRow(out, {name, std::to_string(n)});
    }
    if (!report.Accepted)
        return kExitFailure;
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
