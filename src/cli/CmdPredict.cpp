#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/engine/Prediction.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <charconv>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

namespace gorlin::cli {

const char* const kPredictUsage =
    "Usage: gorlin-cli [--config-dir DIR] predict FILE [--what all|unpredicted] [--matches N]\n"
    "\n"
    "Predicts the scores of the outstanding league fixtures as the Fixtures page's Auto button\n"
    "does, from today's table positions and each team's latest N home and away league games,\n"
    "marks them as predicted, and saves the league as the league window's Save does (with a\n"
    "backup unless TakeBackup is off in gorlin.ini of the settings folder). Fixtures of other\n"
    "competitions are never predicted. Prints FILE, \"predicted\" and the number of fixtures\n"
    "predicted, separated by tabs; when none was, the file is left as it was.\n"
    "\n"
    "Options:\n"
    "  --what all|unpredicted  every league fixture (default) or those not yet predicted\n"
    "  --matches N             games to consider at home and away (default 5): from 3 to the\n"
    "                          fewest home or away games any team has played, at most 10\n"
    "\n"
    "Exit status: 0 on success; 1 when the file cannot be loaded or saved, when there is no\n"
    "fixture, when a team has played fewer than 5 home or 5 away league games, or when N is out\n"
    "of range (the reason on standard error, nothing written); 2 on bad usage.\n";

int RunPredict(const Invocation& inv, std::ostream& out, std::ostream& err) {
    std::string file;
    int what = 0; // 0 all, 1 unpredicted
    int matches = kPredictMatchesDefault;
    const std::vector<Option> options = {
        ChoiceOption("--what", {"all", "unpredicted"}, what, "--what needs all or unpredicted"),
        {"--matches", true,
         [&matches](const std::optional<std::string>& v) {
             int n = 0;
             const char* end = v ? v->data() + v->size() : nullptr;
             const auto parsed = v ? std::from_chars(v->data(), end, n) : std::from_chars_result{};
             if (!v || v->empty() || parsed.ec != std::errc{} || parsed.ptr != end)
                 return Status::Failure("--matches needs a number");
             matches = n;
             return Status::Success();
         }},
    };
    const Status st = ParseLeagueFileArguments(inv.Args, options, file);
    if (!st) {
        err << "gorlin-cli predict: " << st.Message << '\n' << kPredictUsage;
        return kExitUsage;
    }
    auto league = LoadLeagueFor("predict", file, err);
    if (!league)
        return kExitFailure;

    PredictArgs args;
    args.What = what == 0 ? kPredictAll : kPredictNonPredicted;
    args.Matches = matches;
    args.Today = TodayFromClock();
    const Expected<int> predicted = AutoPredict(*league, args);
    if (!predicted) {
        err << "gorlin-cli predict: " << file << ": " << Win1252ToUtf8(predicted.error().Message) << '\n';
        return kExitFailure;
    }
    if (*predicted > 0) {
        if (const Status saved = SaveLeague(*league, file, SaveOptions{ReadSettings(inv).TakeBackup});
            !saved) {
            err << "gorlin-cli predict: " << file << ": " << saved.Message << '\n';
            return kExitFailure;
        }
    }
    WriteTsvRow(out, {file, "predicted", std::to_string(*predicted)});
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
