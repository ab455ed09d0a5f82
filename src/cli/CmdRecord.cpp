#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/edit/ResultEntry.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace gorlin::cli {

const char* const kRecordUsage =
    "Usage: gorlin-cli record FILE --date YYYY-MM-DD --home NAME --away NAME --score H-A\n"
    "                         [--attendance N] [--referee NAME] [--comment TEXT]\n"
    "                         [--competition SHORTNAME]\n"
    "Records one result as the \"Enter Results\" page does, then saves the league as the\n"
    "Save command does (with a backup unless TakeBackup is off in gorlin.ini).\n\n"
    "Options:\n"
    "  --date YYYY-MM-DD         the date the match was played\n"
    "  --home NAME, --away NAME  the teams, named exactly as in the league\n"
    "  --score H-A               home and away goals, each 0..99\n"
    "  --attendance N            the attendance (default 0)\n"
    "  --referee NAME            a referee of the league (default none)\n"
    "  --comment TEXT            up to 50 characters\n"
    "  --competition SHORTNAME   another competition by its short name (default: the league)\n"
    "A league game completes the outstanding fixture of the two teams (the one dated that\n"
    "day, else the last); a game of another competition is added. Goals are recorded\n"
    "without scorers. Teams, referees and competitions are never created.\n"
    "Prints \"recorded\", the game's number, home, away and score, separated by tabs.\n\n"
    "Exit status: 0 recorded and saved; 1 the league refused the result (message on\n"
    "standard error, nothing written) or could not be loaded or saved; 2 bad usage.\n";

namespace {

struct RecordOptions {
    std::string File;
    std::optional<int> Date;
    std::optional<std::string> Home;
    std::optional<std::string> Away;
    std::optional<std::pair<int, int>> Score;
    std::string Attendance = "0";
    std::string Referee;
    std::string Comment;
    std::string Competition;
};

/// "H-A" with each side 0..99 in decimal digits.
std::optional<std::pair<int, int>> ParseScore(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos)
        return std::nullopt;
    auto goals = [](const std::string& part) -> std::optional<int> {
        if (part.empty() || part.size() > 2)
            return std::nullopt;
        int value = 0;
        for (char c : part) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const auto home = goals(text.substr(0, dash));
    const auto away = goals(text.substr(dash + 1));
    if (!home || !away)
        return std::nullopt;
    return std::pair{*home, *away};
}

Option TextOption(std::string_view name, std::string& target) {
    return {name, true, [name, &target](const auto& value) {
                if (!value)
                    return Status::Failure(std::string(name) + " needs a value");
                target = *value;
                return Status::Success();
            }};
}

Option NameOption(std::string_view name, std::optional<std::string>& target) {
    return {name, true, [name, &target](const auto& value) {
                if (!value || value->empty())
                    return Status::Failure(std::string(name) + " needs a team name");
                target = *value;
                return Status::Success();
            }};
}

Status ParseOptions(const std::vector<std::string>& args, RecordOptions& o) {
    const std::vector<Option> options = {
        {"--date", true,
         [&o](const auto& value) {
             Expected<int> day = DateValue("--date", value);
             if (!day)
                 return Status::Failure(day.error().Message);
             o.Date = *day;
             return Status::Success();
         }},
        NameOption("--home", o.Home),
        NameOption("--away", o.Away),
        {"--score", true,
         [&o](const auto& value) {
             o.Score = value ? ParseScore(*value) : std::nullopt;
             return o.Score ? Status::Success() : Status::Failure("--score needs H-A, each 0..99");
         }},
        TextOption("--attendance", o.Attendance),
        TextOption("--referee", o.Referee),
        TextOption("--comment", o.Comment),
        TextOption("--competition", o.Competition),
    };
    if (const Status st = ParseLeagueFileArguments(args, options, o.File); !st)
        return st;
    if (!o.Date)
        return Status::Failure("--date is needed");
    if (!o.Home || !o.Away)
        return Status::Failure("--home and --away are needed");
    if (!o.Score)
        return Status::Failure("--score is needed");
    return Status::Success();
}

} // namespace

int RunRecord(const Invocation& inv, std::ostream& out, std::ostream& err) {
    RecordOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli record: " << parsed.Message << "\n" << kRecordUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("record", o.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);

    ResultInput input;
    input.Date = *o.Date;
    input.Competition = Utf8ToWin1252(o.Competition);
    input.Home = Utf8ToWin1252(*o.Home);
    input.Away = Utf8ToWin1252(*o.Away);
    input.HomeGoals = o.Score->first;
    input.AwayGoals = o.Score->second;
    input.Attendance = o.Attendance;
    input.Referee = Utf8ToWin1252(o.Referee);
    input.Comment = Utf8ToWin1252(o.Comment);
    const Expected<RecordOutcome> recorded = RecordResult(league, input);
    if (!recorded) {
        err << "gorlin-cli record: " << Win1252ToUtf8(recorded.error().Message) << '\n';
        return kExitFailure;
    }
    const Status saved = SaveLeague(league, o.File, SaveOptions{ReadSettings(inv).TakeBackup});
    if (!saved) {
        err << "gorlin-cli record: " << o.File << ": " << saved.Message << '\n';
        return kExitFailure;
    }
    WriteTsvRow(out, {"recorded", std::to_string(recorded->Game), *o.Home, *o.Away,
                      std::to_string(o.Score->first) + "-" + std::to_string(o.Score->second)});
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
