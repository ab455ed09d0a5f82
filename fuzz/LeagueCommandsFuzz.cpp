// Runs the commands that read a league (and, last, one that predicts and saves it) over arbitrary bytes that
// load as a league file. A damaged file may hold links (games, teams, players, referees, competitions) that
// point anywhere: no command may crash, read outside an array or overflow for it. The sanitizers report any
// such fault; an exception escaping a command is one too.

#include "cli/Cli.h"
#include "core/engine/StatsLookup.h"
#include "core/model/LeagueFile.h"
#include "core/query/SavedQueries.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

/// The folder the league file and the settings live in, removed at exit. A plain array, so that
/// it outlives every object destroyed at exit.
char folderName[] = "/tmp/gorlin-fuzz-XXXXXX";

const std::string& WorkFolder() {
    static const std::string folder = [] {
        if (mkdtemp(folderName) == nullptr)
            std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folderName, ignored);
        });
        return std::string(folderName);
    }();
    return folder;
}

void Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", WorkFolder()});
    std::ostringstream out;
    std::ostringstream err;
    const int status = gorlin::cli::Main(args, out, err);
    // A command's own failures name the command; an exception that escaped it does not. A usage
    // error means a line below is wrong.
    if (status == 2 || err.str().starts_with("gorlin-cli: "))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto league = gorlin::DecodeLeague(bytes);
    if (!league)
        return 0;
    const std::string file = WorkFolder() + "/league.DIV";
    {
        std::ofstream f(file, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!f)
            std::abort();
    }
    const std::string team(gorlin::TeamName(*league, 1));
    const std::string player(gorlin::PlayerName(*league, 1));
    // A name that reads as an option would be a usage error.
    auto usable = [](const std::string& name) { return !name.empty() && name.front() != '-'; };

    Run({"table", file});
    Run({"table", file, "--content", "form", "--side", "home", "--poss", "--columns",
         "ABCDEFGHIJKLMNOPQRSTUV"});
    Run({"table", file, "--content", "predicted", "--format", "csv"});
    Run({"fixtures", file});
    Run({"dump", file});
    Run({"division-stats", file});
    Run({"division-stats", file, "--referees", "--cup"});
    for (const char* list :
         {"summary", "scorers", "hat-tricks", "penalties", "own-goals", "by-team", "times"})
        Run({"goal-stats", file, "--games", "all", "--list", list});
    Run({"goal-stats", file, "--chart", "400x300"});
    Run({"match-grid", file});
    Run({"match-grid", file, "--set", "2"});
    Run({"export", file, "--what", "grid", "--format", "csv"}); // refused unless two or four rounds
    Run({"export", file, "--what", "table,results,full,fixtures,scorers,players", "--format", "html",
         "--games", "all", "--today", "2019-05-12"});
    Run({"export", file, "--what", "table,results,fixtures,scorers,players", "--format", "text", "--today",
         "2019-05-12"});
    for (const char* list : {"results", "goals", "players", "fixtures", "referees", "referee-stats"})
        Run({"export", file, "--what", std::string("list:") + list, "--format", "tsv", "--today",
             "2019-05-12"});
    if (usable(team)) {
        Run({"team-stats", file, "--team", team, "--games", "all", "--today", "2019-05-12"});
        for (const char* grid : {"results", "fixtures", "players"})
            Run({"team-stats", file, "--team", team, "--grid", grid, "--today", "2019-05-12"});
        Run({"team-stats", file, "--team", team, "--chart", "300x200", "--today", "2019-05-12"});
        Run({"form", file, "--team", team, "--games", "all"});
        for (const char* type : {"points", "top", "bottom"})
            Run({"graph", file, "--team", team, "--type", type, "--today", "2019-05-12"});
        Run({"goal-stats", file, "--list", "times", "--team", team});
    }
    for (const gorlin::SavedQuery& q : gorlin::DefaultQueries())
        Run({"query", file, "--saved", q.Title, "--games", "all"});
    Run({"upload", file, "--out", WorkFolder() + "/upload.txt", "--today", "2019-05-12"});
    if (usable(player)) {
        Run({"player-stats", file, "--player", player, "--games", "all"});
        Run({"player-stats", file, "--player", player, "--list", "matches"});
    }
    // Last: it saves the league (an input that loads may still be refused by the save's checks).
    Run({"predict", file, "--matches", "3"});
    return 0;
}
