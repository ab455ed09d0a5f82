#include "cli/Cli.h"
#include "core/app/Settings.h"
#include "core/edit/DeleteTeam.h"
#include "core/edit/Maintenance.h"
#include "core/edit/PlayersGrid.h"
#include "core/edit/Referees.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <charconv>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gorlin::cli {

const char* const kMaintainUsage =
    "Usage: gorlin-cli maintain FILE ACTION...\n"
    "Changes a league as the Table, Teams, Players and Referees maintenance pages do, running\n"
    "the actions in the order given, then saves it as the Save command does (with a backup\n"
    "unless TakeBackup is off in gorlin.ini). A confirmation the page would ask counts as Yes.\n\n"
    "Actions:\n"
    "  --name TEXT                 the table name (1 to 30 characters)\n"
    "  --own TEAM|none             the own team: a league team, or none\n"
    "  --promoted N                automatic promotion places, 0..9\n"
    "  --playoffs N                promotion play-off places, 0..9\n"
    "  --relegated N               automatic relegation places, 0..9\n"
    "  --relplayoffs N             relegation play-off places, 0..9\n"
    "  --points W,D,L              points for a win (1..9), a draw (1..5) and a loss (0..4)\n"
    "  --half N                    length of each half in minutes, 10..45\n"
    "  --adjust TEAM N             a league team's added or deducted points, -20..20\n"
    "  --increment TEAM N          a league team's increment, 0..32\n"
    "  --rename-team TEAM NEW      renames a team in place\n"
    "  --delete-team TEAM          deletes a team with all its games and players\n"
    "  --delete-player TEAM NAME   deletes a player (TEAM may be Transferred-Out)\n"
    "  --add-referee NAME          adds a referee\n"
    "  --rename-referee OLD NEW    renames a referee\n"
    "  --delete-referee NAME       deletes a referee\n"
    "Names are given exactly as in the league.\n\n"
    "Exit status: 0 changed and saved; 1 an unknown name, a value out of range or a refusal\n"
    "(message on standard error, nothing written), or the league could not be loaded or saved;\n"
    "2 bad usage.\n";

namespace {

/// One action: its option name and its values (texts as given, UTF-8).
struct Action {
    std::string Name;
    std::vector<std::string> Values;
};

/// The number of values each action takes.
int ArityOf(const std::string& name) {
    static const std::pair<const char*, int> kActions[] = {
        {"--name", 1},          {"--own", 1},         {"--promoted", 1},       {"--playoffs", 1},
        {"--relegated", 1},     {"--relplayoffs", 1}, {"--points", 1},         {"--half", 1},
        {"--adjust", 2},        {"--increment", 2},   {"--rename-team", 2},    {"--delete-team", 1},
        {"--delete-player", 2}, {"--add-referee", 1}, {"--rename-referee", 2}, {"--delete-referee", 1},
    };
    for (const auto& [action, arity] : kActions)
        if (name == action)
            return arity;
    return -1;
}

/// A whole decimal number with an optional sign (small enough to check against any range).
std::optional<int> Number(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

/// "W,D,L" as three numbers.
std::optional<std::vector<int>> Points(const std::string& text) {
    std::vector<int> values;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = text.find(',', from);
        const auto value = Number(std::string_view(text).substr(from, comma - from));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
    return values.size() == 3 ? std::optional(values) : std::nullopt;
}

/// Checks the numbers an action needs, so a bad number is a usage error found before loading.
Status CheckValues(const Action& a) {
    if (a.Name == "--points")
        return Points(a.Values[0]) ? Status::Success() : Status::Failure("--points needs W,D,L");
    const bool numberLast = a.Name == "--promoted" || a.Name == "--playoffs" || a.Name == "--relegated" ||
                            a.Name == "--relplayoffs" || a.Name == "--half" || a.Name == "--adjust" ||
                            a.Name == "--increment";
    if (numberLast && !Number(a.Values.back()))
        return Status::Failure(a.Name + " needs a whole number");
    return Status::Success();
}

Status ParseArgs(const std::vector<std::string>& args, std::string& file, std::vector<Action>& actions) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') {
            if (!file.empty())
                return Status::Failure("more than one league file given");
            file = arg;
            continue;
        }
        const int arity = ArityOf(arg);
        if (arity < 0)
            return Status::Failure("unknown option '" + arg + "'");
        if (i + static_cast<std::size_t>(arity) >= args.size())
            return Status::Failure(arg + " needs " + (arity == 1 ? "a value" : "two values"));
        Action action{arg,
                      {args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 1 + arity}};
        if (Status st = CheckValues(action); !st)
            return st;
        actions.push_back(std::move(action));
        i += static_cast<std::size_t>(arity);
    }
    if (file.empty())
        return Status::Failure("no league file given");
    if (actions.empty())
        return Status::Failure("no action given");
    return Status::Success();
}

Status FromExpected(const Error& e) {
    // A refusal the page only beeps for has no text of its own.
    return Status::Failure(e.Message.empty() ? "Input is invalid, please correct" : e.Message);
}

Status SetNumber(League& league, TableSetting setting, const std::string& value) {
    return SetTableSetting(league, setting, *Number(value));
}

/// Runs one action on the league through the page's own operations and checks.
Status Apply(League& league, const Action& a) {
    const auto text = [&a](std::size_t i) { return Utf8ToWin1252(a.Values[i]); };
    const auto team = [&](std::size_t i) { return FindTeam(league, text(i)); };
    const std::string& name = a.Name;
    if (name == "--name")
        return SetTableName(league, text(0));
    if (name == "--own") {
        int chosen = 0;
        if (a.Values[0] != "none") {
            const Expected<int> t = team(0);
            if (!t)
                return FromExpected(t.error());
            chosen = *t;
        }
        const Expected<bool> set = SetOwnTeam(league, chosen);
        return set ? Status::Success() : FromExpected(set.error());
    }
    if (name == "--promoted")
        return SetNumber(league, TableSetting::Promoted, a.Values[0]);
    if (name == "--playoffs")
        return SetNumber(league, TableSetting::PlayOffs, a.Values[0]);
    if (name == "--relegated")
        return SetNumber(league, TableSetting::Relegated, a.Values[0]);
    if (name == "--relplayoffs")
        return SetNumber(league, TableSetting::RelPlayOffs, a.Values[0]);
    if (name == "--half")
        return SetNumber(league, TableSetting::HalfLength, a.Values[0]);
    if (name == "--points") {
        const std::vector<int> points = *Points(a.Values[0]);
        const TableSetting settings[] = {TableSetting::WinPoints, TableSetting::DrawPoints,
                                         TableSetting::LossPoints};
        for (std::size_t i = 0; i < 3; ++i)
            if (Status st = SetTableSetting(league, settings[i], points[i]); !st)
                return st;
        return Status::Success();
    }
    if (name == "--adjust" || name == "--increment" || name == "--rename-team" || name == "--delete-team") {
        const Expected<int> t = team(0);
        if (!t)
            return FromExpected(t.error());
        if (name == "--adjust")
            return SetPointsAdjust(league, *t, *Number(a.Values[1]));
        if (name == "--increment")
            return SetIncrement(league, *t, *Number(a.Values[1]));
        if (name == "--rename-team")
            return RenameTeam(league, *t, text(1));
        if (Status st = CheckDeleteTeam(league, *t); !st)
            return st;
        DeleteTeam(league, *t);
        return Status::Success();
    }
    if (name == "--delete-player") {
        const Expected<int> p = FindPlayer(league, text(0), text(1));
        if (!p)
            return FromExpected(p.error());
        if (Status st = CheckDeletePlayer(league, *p); !st)
            return st;
        DeletePlayer(league, *p);
        return Status::Success();
    }
    if (name == "--add-referee" || name == "--rename-referee") {
        int r = 0;
        if (name == "--rename-referee") {
            const Expected<int> found = FindReferee(league, text(0));
            if (!found)
                return FromExpected(found.error());
            r = *found;
        }
        const Expected<int> stored = StoreReferee(league, r, text(a.Values.size() - 1));
        return stored ? Status::Success() : FromExpected(stored.error());
    }
    const Expected<int> r = FindReferee(league, text(0)); // --delete-referee
    if (!r)
        return FromExpected(r.error());
    return DeleteReferee(league, *r);
}

} // namespace

int RunMaintain(const Invocation& inv, std::ostream&, std::ostream& err) {
    std::string file;
    std::vector<Action> actions;
    if (const Status parsed = ParseArgs(inv.Args, file, actions); !parsed) {
        err << "gorlin-cli maintain: " << parsed.Message << "\n" << kMaintainUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("maintain", file, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);
    for (const Action& action : actions)
        if (const Status done = Apply(league, action); !done) {
            err << "gorlin-cli maintain: " << action.Name << ": " << Win1252ToUtf8(done.Message) << '\n';
            return kExitFailure;
        }
    if (const Status saved = SaveLeague(league, file, SaveOptions{ReadSettings(inv).TakeBackup}); !saved) {
        err << "gorlin-cli maintain: " << file << ": " << saved.Message << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace gorlin::cli
