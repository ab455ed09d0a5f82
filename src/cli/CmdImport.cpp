#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/io/CsvImport.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"
#include "platform/os/SystemFolders.h"

#include <cctype>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kImportUsage =
    "Usage: gorlin-cli import FILE --what results|players|scorers|fixtures [OPTIONS] DATA\n"
    "Import the comma-separated lines of DATA into the league file FILE, as the\n"
    "\"Import Gorlin Data\" dialog does, and save the league.\n\n"
    "Options:\n"
    "  --what KIND            results, players, scorers (goal scorers) or fixtures\n"
    "  --date-format PATTERN  how dates are written: day, month and year tokens (d or dd,\n"
    "                         m or mm, yy or yyyy) with the character between them, for\n"
    "                         example dd/mm/yyyy (the default) or yyyy-mm-dd\n"
    "  --dry-run              import, report, and leave the file as it was\n\n"
    "Lines:\n"
    "  results   date, home team, away team, home goals, away goals[, attendance,\n"
    "            competition, short name, comment, referee, awarded 1|2]; no competition\n"
    "            (or short name LGE) is a league game; a file whose first line starts with\n"
    "            \"div\" may give code, home, goals, away, goals, yymmdd\n"
    "  players   name, team[, squad number, position, birth date, foreign N|Y, cost]\n"
    "  scorers   player, team scored for, home team, away team, date, minute, penalty 1|0,\n"
    "            own goal 1|0[, competition short name]\n"
    "  fixtures  date, home team, away team\n"
    "Files in UTF-8 (with or without a byte-order mark) or Windows-1252. A line that does not\n"
    "fit (a heading line too) counts as an error and is skipped; why is written on standard\n"
    "error. Prints \"Records Read: N\", \"Successful: N\" and \"Errors: N\" on three lines.\n"
    "The league is saved when the import changed it (with a backup unless TakeBackup is off\n"
    "in gorlin.ini of the settings folder).\n\n"
    "Exit status: 0 when imported, 1 when a file could not be read or saved (nothing is\n"
    "written), 2 on bad usage.\n";

namespace {

struct ImportArgs {
    std::string File;
    std::string Data;
    int What = -1;
    std::string DateFormat = "dd/mm/yyyy";
    bool DryRun = false;
};

/// The locale of a date pattern: the tokens d or dd, m to mmmm, yy or yyyy (any case), one of
/// each, with the same character between them, which becomes the separator.
std::optional<Locale> PatternLocale(const std::string& pattern, Locale locale) {
    std::string runs;
    char separator = 0;
    bool needSeparator = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (c == 'd' || c == 'm' || c == 'y') {
            if (needSeparator || runs.find(c) != std::string::npos)
                return std::nullopt;
            runs += c;
            std::size_t length = 1;
            while (i + 1 < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[i + 1])) == c) {
                ++i;
                ++length;
            }
            const bool known = c == 'd' ? length <= 2 : c == 'm' ? length <= 4 : length == 2 || length == 4;
            if (!known)
                return std::nullopt;
            needSeparator = true;
        } else {
            if (!needSeparator || (separator != 0 && c != separator) ||
                std::isalnum(static_cast<unsigned char>(c)))
                return std::nullopt;
            separator = c;
            needSeparator = false;
        }
    }
    if (runs.size() != 3 || separator == 0 || !needSeparator)
        return std::nullopt;
    locale.ShortDateFormat = pattern;
    locale.DateSeparator = separator;
    return locale;
}

Status ParseOptions(const std::vector<std::string>& args, ImportArgs& a) {
    const std::vector<Option> options = {
        ChoiceOption("--what", {"results", "players", "scorers", "fixtures"}, a.What,
                     "--what needs results, players, scorers or fixtures"),
        {"--date-format", true,
         [&a](const auto& v) {
             if (!v || !PatternLocale(*v, {}))
                 return Status::Failure("--date-format needs a pattern such as dd/mm/yyyy or yyyy-mm-dd");
             a.DateFormat = *v;
             return Status::Success();
         }},
        FlagOption("--dry-run", a.DryRun),
    };
    int files = 0;
    Status st = ParseArguments(args, options, [&](const std::string& arg) {
        if (files == 2)
            return Status::Failure("more than a league file and a data file given");
        (files++ == 0 ? a.File : a.Data) = arg;
        return Status::Success();
    });
    if (st && files == 0)
        return Status::Failure("no league file given");
    if (st && files == 1)
        return Status::Failure("no data file given");
    if (st && a.What < 0)
        return Status::Failure("--what is needed");
    return st;
}

} // namespace

int RunImport(const Invocation& inv, std::ostream& out, std::ostream& err) {
    ImportArgs a;
    if (const Status parsed = ParseOptions(inv.Args, a); !parsed) {
        err << "gorlin-cli import: " << parsed.Message << "\n" << kImportUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("import", a.File, err);
    if (!loaded)
        return kExitFailure;
    League league = std::move(*loaded);

    const Settings settings = ReadSettings(inv);
    const Locale dates = *PatternLocale(a.DateFormat, FixedLocale(TodayFromClock()));
    const Expected<ImportResult> result =
        ImportFile(league, a.Data, MakeImportOptions(static_cast<ImportWhat>(a.What), dates, settings));
    if (!result) {
        err << "gorlin-cli import: " << result.error().Message << '\n'; // names a path: already UTF-8
        return kExitFailure;
    }
    if (!a.DryRun && league.DataChanged) {
        UpdateGameEx(league, 0);
        if (const Status saved = SaveLeague(league, a.File, SaveOptions{settings.TakeBackup}); !saved) {
            err << "gorlin-cli import: " << a.File << ": " << saved.Message << '\n';
            return kExitFailure;
        }
    }
    for (const ImportProblem& problem : result->Problems)
        err << "gorlin-cli import: line " << problem.Line << ": " << Win1252ToUtf8(problem.Message) << '\n';
    const ImportCounters& counters = result->Counters;
    if (counters.Errors > static_cast<int>(result->Problems.size()))
        err << "gorlin-cli import: " << counters.Errors - static_cast<int>(result->Problems.size())
            << " more lines failed\n";
    out << "Records Read: " << counters.RecordsRead << "\nSuccessful: " << counters.Successful
        << "\nErrors: " << counters.Errors << '\n';
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
