#include "cli/Cli.h"
#include "cli/Options.h"
#include "core/app/NewTable.h"
#include "core/app/ResultsTeamNames.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gorlin::cli {

const char* const kNewUsage =
    "Usage: gorlin-cli [--config-dir DIR] new OUT.DIV --name NAME --team NAME [--team NAME ...]\n"
    "                  [OPTIONS]\n"
    "\n"
    "Creates a league file as the New Table wizard does: the teams numbered in alphabetical\n"
    "order, every fixture of the league unplayed, and the wizard's starting values for what is\n"
    "not given. The table folder lists only files whose names end in .div.\n"
    "\n"
    "Options:\n"
    "  --name NAME            table name (up to 30 characters)\n"
    "  --team NAME            a league team (up to 30 characters); repeat for each, 4 to 32 teams\n"
    "  --teams-from FILE      add the teams of the HomeTeam and AwayTeam columns of a results CSV\n"
    "  --times N              times teams play each other, 0..8 (default 2; 0 = no fixed schedule)\n"
    "  --points W,D,L         points for a win 1..9, a draw 1..5, a loss 0..4 (default 3,1,0)\n"
    "  --own NAME             your own team, one of the teams (default none)\n"
    "  --promoted N           teams promoted automatically, 0..9 (default 0)\n"
    "  --playoffs N           teams in the promotion playoffs, 0..9 (default 0)\n"
    "  --relegated N          teams relegated automatically, 0..9 (default 0)\n"
    "  --relplayoffs N        teams in the relegation playoffs, 0..9 (default 0)\n"
    "  --team-size N          players in a team, substitutes not counted, 5..11 (default 11)\n"
    "  --half N               minutes in each half, 10..45 (default 45)\n"
    "  --base FILE...         one to three existing league files (version 45 or 46) to build\n"
    "                         on: the words after --base up to the next option, or --base\n"
    "                         repeated. Without --team and --teams-from, every league team of\n"
    "                         the base files is taken (equal names once).\n"
    "  --copy-players         copy the players of each base team named as a new team\n"
    "  --copy-referees        copy the referees of the base files (duplicates merged, at most 250)\n"
    "  --force                replace OUT.DIV when it exists (otherwise it is refused)\n"
    "\n"
    "Prints one line, fields separated by tabs: OUT.DIV, \"created\", the version written and\n"
    "the numbers of teams, games, players and referees.\n"
    "\n"
    "Exit status: 0 when the file was written, 1 when a check failed (the reason on standard\n"
    "error; nothing is written), 2 on bad usage.\n";

namespace {

struct NewOptions {
    std::string File;
    NewTableInput Input;
    std::optional<std::string> Name;
    std::vector<std::string> Teams; // Windows-1252
    std::vector<std::string> TeamsFrom;
    std::vector<std::string> BaseFiles;
    bool Force = false;
};

/// A whole decimal number, or nothing.
std::optional<int> Number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

Option NumberOption(std::string_view name, int& target) {
    return {name, true, [name, &target](const std::optional<std::string>& value) {
                const std::optional<int> n = value ? Number(*value) : std::nullopt;
                if (!n)
                    return Status::Failure(std::string(name) + " needs a whole number");
                target = *n;
                return Status::Success();
            }};
}

/// A value option whose every use appends its (non-empty) value to `target`.
Option ListOption(std::string_view name, std::vector<std::string>& target, const char* problem,
                  bool win1252) {
    return {name, true, [&target, problem, win1252](const std::optional<std::string>& value) {
                if (!value || value->empty())
                    return Status::Failure(problem);
                target.push_back(win1252 ? Utf8ToWin1252(*value) : *value);
                return Status::Success();
            }};
}

/// "--base A B" as "--base A --base B": the words after --base up to the next option are base
/// files, so OUT.DIV must come before --base.
std::vector<std::string> SplitBaseLists(const std::vector<std::string>& args) {
    std::vector<std::string> out;
    bool inBase = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--base") {
            out.push_back(arg);
            if (i + 1 < args.size())
                out.push_back(args[++i]);
            inBase = true;
        } else if (inBase && !arg.empty() && arg[0] != '-') {
            out.push_back("--base");
            out.push_back(arg);
        } else {
            inBase = arg.rfind("--base=", 0) == 0;
            out.push_back(arg);
        }
    }
    return out;
}

Status ParseOptions(const std::vector<std::string>& args, NewOptions& o) {
    NewTableInput& in = o.Input;
    const std::vector<Option> options = {
        {"--name", true,
         [&o](const auto& v) {
             if (!v)
                 return Status::Failure("--name needs a table name");
             o.Name = Utf8ToWin1252(*v);
             return Status::Success();
         }},
        ListOption("--team", o.Teams, "--team needs a team name", true),
        ListOption("--teams-from", o.TeamsFrom, "--teams-from needs a results file", false),
        ListOption("--base", o.BaseFiles, "--base needs a league file", false),
        NumberOption("--times", in.TimesToPlay),
        {"--points", true,
         [&in](const auto& v) {
             const std::string text = v.value_or("");
             const std::size_t a = text.find(',');
             const std::size_t b = a == std::string::npos ? a : text.find(',', a + 1);
             std::optional<int> w, d, l;
             if (b != std::string::npos) {
                 w = Number(std::string_view(text).substr(0, a));
                 d = Number(std::string_view(text).substr(a + 1, b - a - 1));
                 l = Number(std::string_view(text).substr(b + 1));
             }
             if (!w || !d || !l)
                 return Status::Failure("--points needs three whole numbers W,D,L");
             in.WinPoints = *w;
             in.DrawPoints = *d;
             in.LossPoints = *l;
             return Status::Success();
         }},
        {"--own", true,
         [&in](const auto& v) {
             if (!v || v->empty())
                 return Status::Failure("--own needs a team name");
             in.OwnTeam = Utf8ToWin1252(*v);
             return Status::Success();
         }},
        NumberOption("--promoted", in.Promoted),
        NumberOption("--playoffs", in.PlayOffs),
        NumberOption("--relegated", in.Relegated),
        NumberOption("--relplayoffs", in.RelPlayOffs),
        NumberOption("--team-size", in.TeamSize),
        NumberOption("--half", in.HalfLength),
        FlagOption("--copy-players", in.CopyPlayers),
        FlagOption("--copy-referees", in.CopyReferees),
        FlagOption("--force", o.Force),
    };
    bool haveFile = false;
    Status st = ParseArguments(SplitBaseLists(args), options, [&](const std::string& arg) {
        if (haveFile)
            return Status::Failure("more than one output file given");
        o.File = arg;
        haveFile = true;
        return Status::Success();
    });
    if (!st)
        return st;
    if (!haveFile)
        return Status::Failure("no output file given");
    if (!o.Name)
        return Status::Failure("no table name given (--name)");
    if (o.Teams.empty() && o.TeamsFrom.empty() && o.BaseFiles.empty())
        return Status::Failure("no teams given (--team, --teams-from or --base)");
    if ((in.CopyPlayers || in.CopyReferees) && o.BaseFiles.empty())
        return Status::Failure("--copy-players and --copy-referees need --base");
    return Status::Success();
}

/// The new table's input: the given teams, those of the results files, or else every league
/// team of the base tables. Fails with the program's message.
Status CompleteInput(NewOptions& o) {
    NewTableInput& in = o.Input;
    in.TableName = *o.Name;
    in.TeamNames = o.Teams;
    for (const std::string& file : o.TeamsFrom) {
        Expected<std::vector<std::string>> names = ReadResultsTeamNames(file);
        if (!names)
            return Status::Failure(names.error().Message);
        in.TeamNames.insert(in.TeamNames.end(), names->begin(), names->end());
    }
    if (!o.BaseFiles.empty()) {
        std::vector<std::filesystem::path> paths(o.BaseFiles.begin(), o.BaseFiles.end());
        Expected<BaseTables> base = LoadBaseFiles(paths);
        if (!base)
            return Status::Failure(base.error().Message);
        if (in.TeamNames.empty())
            in.TeamNames = base->DistinctNames();
        in.Base = std::move(*base);
    }
    return Status::Success();
}

} // namespace

int RunNew(const Invocation& inv, std::ostream& out, std::ostream& err) {
    NewOptions o;
    if (const Status st = ParseOptions(inv.Args, o); !st) {
        err << "gorlin-cli new: " << st.Message << '\n' << kNewUsage;
        return kExitUsage;
    }
    auto fail = [&err](const std::string& message) {
        err << "gorlin-cli new: " << message << '\n';
        return kExitFailure;
    };
    std::error_code ec;
    if (!o.Force && std::filesystem::exists(std::filesystem::symlink_status(o.File, ec)))
        return fail(o.File + " already exists (--force replaces it)");
    if (const Status st = CompleteInput(o); !st)
        return fail(st.Message);
    Expected<League> league = BuildNewLeague(o.Input);
    if (!league)
        return fail(league.error().Message);
    if (const Status saved = SaveNewLeague(*league, o.File); !saved)
        return fail(o.File + ": " + saved.Message);
    const DivHead& h = league->Head;
    out << o.File << "\tcreated\t" << +league->LoadedVersion << '\t' << h.TeamCount << '\t' << h.GameCount
        << '\t' << h.PlayerCount << '\t' << +h.RefereeCount << '\n';
    return kExitOk;
}

} // namespace gorlin::cli
