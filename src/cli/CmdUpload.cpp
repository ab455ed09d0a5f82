#include "cli/Cli.h"
#include "cli/Options.h"
#include "core/engine/Standings.h"
#include "core/model/LeagueFile.h"
#include "core/update/UpdateWriter.h"
#include "platform/os/SystemFolders.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kUploadUsage =
    "Usage: gorlin-cli upload FILE --out PATH [--since YYYY-MM-DD] [--no-squads]\n"
    "                         [--today YYYY-MM-DD]\n"
    "Writes the update file of the league file FILE, as \"Create Upload File\" does: the\n"
    "referees, the players, the played league games from the period's start on with their\n"
    "goals, transfers, squads and missed penalties, and the dated fixtures of the period.\n\n"
    "Options:\n"
    "  --out PATH          the file to write; a folder gets the proposed name gnupNNNN.txt\n"
    "                      (NNNN the league's version ID)\n"
    "  --since YYYY-MM-DD  the period's start (default 60 days before today); never before\n"
    "                      the league's first match date\n"
    "  --no-squads         leave out squads and missed penalties\n"
    "  --today YYYY-MM-DD  the date the file is created (default: the system clock's)\n"
    "The file is written beside its place and then renamed in. Prints the path written.\n\n"
    "Exit status: 0 written; 1 no league game has been played, or a file could not be read\n"
    "or written (nothing is written); 2 on bad usage.\n";

namespace {

struct UploadArgs {
    std::string File;
    std::string Out;
    std::optional<int> Since;
    std::optional<int> Today;
    bool NoSquads = false;
};

Status ParseOptions(const std::vector<std::string>& args, UploadArgs& a) {
    const std::vector<Option> options = {
        NonEmptyOption("--out", a.Out, "--out needs a file or folder"),
        {"--since", true,
         [&a](const auto& value) {
             Expected<int> day = DateValue("--since", value);
             if (!day)
                 return Status::Failure(day.error().Message);
             a.Since = *day;
             return Status::Success();
         }},
        FlagOption("--no-squads", a.NoSquads),
        TodayOption(a.Today),
    };
    const Status st = ParseLeagueFileArguments(args, options, a.File);
    if (st && a.Out.empty())
        return Status::Failure("--out is needed");
    return st;
}

} // namespace

int RunUpload(const Invocation& inv, std::ostream& out, std::ostream& err) {
    UploadArgs a;
    if (const Status parsed = ParseOptions(inv.Args, a); !parsed) {
        err << "gorlin-cli upload: " << parsed.Message << "\n" << kUploadUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("upload", a.File, err);
    if (!loaded)
        return kExitFailure;
    const League& league = *loaded;

    const int today = a.Today.value_or(TodayFromClock());
    const int from = BuildDateTable(league, kPlayedGames, today).FromDate;
    UploadOptions options;
    options.Since = a.Since ? ClampUploadSince(*a.Since, from) : UploadSinceDefault(today, from);
    options.Squads = !a.NoSquads;
    options.Today = today;
    std::filesystem::path path = a.Out;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        path /= UpdateFileName(league.Head.VersionId);
    if (const Status written = CreateUploadFile(league, path, options); !written) {
        err << "gorlin-cli upload: " << written.Message << '\n';
        return kExitFailure;
    }
    out << path.string() << '\n';
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
