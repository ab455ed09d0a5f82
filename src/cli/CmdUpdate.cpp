#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/model/LeagueFile.h"
#include "core/model/SafeFile.h"
#include "core/update/LineReceiver.h"
#include "core/update/ProcessUpdate.h"

#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kUpdateUsage =
    "Usage: gorlin-cli update FILE --file UPDATEFILE [--no-referees] [--no-players]\n"
    "                         [--no-squads] [--dry-run]\n"
    "Applies an update file (gnupNNNN.txt, as \"Create Upload File\" writes it) to the league\n"
    "file FILE, as the On-Line Update does with a file it has fetched, and saves the league\n"
    "when it changed (with a backup unless TakeBackup is off in gorlin.ini).\n\n"
    "Options:\n"
    "  --file UPDATEFILE  the update file; its header must name the league's version ID\n"
    "  --no-referees      leave the referees alone (games get no referee)\n"
    "  --no-players       leave the players alone (goals get unknown scorers; squads,\n"
    "                     transfers and missed penalties are not applied)\n"
    "  --no-squads        leave the squads alone\n"
    "  --dry-run          apply, report, and leave the file as it was\n\n"
    "Prints tab-separated lines: \"status\" and each status text, \"error\" and each message,\n"
    "in order; once the header is accepted, one line per count: results-added,\n"
    "fixtures-completed, results-filled, results-not-applied, goals-added,\n"
    "squad-entries-added, missed-pens-added, players-added, referees-added, transfers,\n"
    "fixtures-dated, records-skipped (damaged records).\n\n"
    "Exit status: 0 when the update completed (with or without changes); 1 when the update\n"
    "file was refused or a file could not be read or saved; 2 on bad usage.\n";

namespace {

/// Update files are text of a few megabytes at most; anything far larger is no update file.
constexpr std::uint64_t kMaxUpdateFile = 256u << 20;

struct UpdateArgs {
    std::string File;
    std::string UpdateFile;
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
        FlagOption("--no-referees", noReferees),
        FlagOption("--no-players", noPlayers),
        FlagOption("--no-squads", noSquads),
        FlagOption("--dry-run", a.DryRun),
    };
    bool haveFile = false;
    Status st = ParseArguments(args, options, [&](const std::string& arg) {
        if (haveFile)
            return Status::Failure("more than one league file given");
        a.File = arg;
        haveFile = true;
        return Status::Success();
    });
    if (st && !haveFile)
        return Status::Failure("no league file given");
    if (st && a.UpdateFile.empty())
        return Status::Failure("--file is needed");
    a.Options = {!noReferees, !noPlayers, !noSquads};
    return st;
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
    const Expected<std::string> text = ReadWholeFile(a.UpdateFile, kMaxUpdateFile);
    if (!text) {
        err << "gorlin-cli update: " << a.UpdateFile << ' ' << text.error().Message << '\n';
        return kExitFailure;
    }

    const UpdateReport report = ProcessUpdate(league, SplitUpdateLines(*text, a.Options.Squads), a.Options);
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
