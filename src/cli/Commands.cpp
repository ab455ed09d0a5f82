#include "cli/Cli.h"
#include "core/Version.h"

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace gorlin::cli {

namespace {

const Command kCommands[] = {
    {"check", "report whether league files can be opened", kCheckUsage, RunCheck},
    {"division-stats", "print the division and referee statistics", kDivisionStatsUsage, RunDivisionStats},
    {"dump", "print a league as JSON", kDumpUsage, RunDump},
    {"export", "write league sections as HTML, CSV or text", kExportUsage, RunExport},
    {"fixtures", "print the fixtures with their dates and predicted scores", kFixturesUsage, RunFixtures},
    {"form", "print a team's current form", kFormUsage, RunForm},
    {"goal-stats", "print the goal statistics and goal times", kGoalStatsUsage, RunGoalStats},
    {"graph", "print a team's points progress or a top or bottom comparison", kGraphUsage, RunGraph},
    {"import", "import results, players, goal scorers or fixtures from a CSV file", kImportUsage, RunImport},
    {"maintain", "change a league's settings, teams, players and referees and save", kMaintainUsage,
     RunMaintain},
    {"match-grid", "print the grid of league matches played and scheduled", kMatchGridUsage, RunMatchGrid},
    {"new", "create a league file as the New Table wizard does", kNewUsage, RunNew},
    {"player-stats", "print a player's statistics", kPlayerStatsUsage, RunPlayerStats},
    {"predict", "predict the scores of the league fixtures and save", kPredictUsage, RunPredict},
    {"print", "print the table, statistics, grid, a list or the graph to PDF", kPrintUsage, RunPrintCommand},
    {"query", "run a query over a league and print its results", kQueryUsage, RunQuery},
    {"record", "record one result and save the league", kRecordUsage, RunRecord},
    {"save", "load and save league files in the current layout", kSaveUsage, RunSave},
    {"settings", "print every setting with its value", kSettingsUsage, RunSettings},
    {"table", "print the league table", kTableUsage, RunTable},
    {"team-stats", "print a team's statistics", kTeamStatsUsage, RunTeamStats},
    {"update", "fetch or read an update file, apply it to a league and save", kUpdateUsage, RunUpdate},
    {"upload", "write the update file of a league", kUploadUsage, RunUpload},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: gorlin-cli [--config-dir DIR] COMMAND [ARGS...]\n"
           "       gorlin-cli --version\n\n"
           "Commands:\n";
    for (const Command& c : kCommands) {
        // Names longer than the column still get two blanks before their summary.
        const std::size_t length = std::string(c.Name).size();
        out << "  " << c.Name << std::string(length < 14 ? 16 - length : 2, ' ') << c.Summary << '\n';
    }
    out << "\nRun 'gorlin-cli COMMAND --help' for the options of a command.\n";
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Invocation inv;
    std::string command;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--config-dir") {
            if (i + 1 >= args.size()) {
                err << "gorlin-cli: --config-dir needs a folder\n";
                return kExitUsage;
            }
            inv.ConfigDir = args[++i];
        } else if (arg.rfind("--config-dir=", 0) == 0) {
            inv.ConfigDir = arg.substr(13);
        } else if (command.empty() && (arg == "-h" || arg == "--help")) {
            PrintHelp(out);
            return kExitOk;
        } else if (command.empty() && (arg == "-V" || arg == "--version")) {
            out << "gorlin-cli " << kProgramVersion << '\n';
            return kExitOk;
        } else if (command.empty()) {
            command = arg;
        } else {
            inv.Args.push_back(arg);
        }
    }
    if (command.empty()) {
        PrintHelp(err);
        return kExitUsage;
    }
    for (const Command& c : kCommands) {
        if (command == c.Name) {
            if (WantsHelp(inv.Args)) {
                out << c.Usage;
                return kExitOk;
            }
            return c.Run(inv, out, err);
        }
    }
    err << "gorlin-cli: unknown command '" << command << "'\n";
    PrintHelp(err);
    return kExitUsage;
}

} // namespace

bool WantsHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "-h" || a == "--help")
            return true;
    return false;
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        return Dispatch(args, out, err);
    } catch (const std::bad_alloc&) {
        err << "gorlin-cli: out of memory\n";
    } catch (const std::exception& e) {
        err << "gorlin-cli: " << e.what() << '\n';
    }
    return kExitFailure;
}

} // namespace gorlin::cli
