#pragma once

#include "core/model/Expected.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {
struct League;
}

namespace gorlin::cli {

/// One option of a command. A value option takes the next argument or "--name=VALUE"; a flag
/// takes none. Apply receives the value (nullopt for a flag, or when the value is missing) and
/// returns the problem to report, if any.
struct Option {
    std::string_view Name;
    bool TakesValue = false;
    std::function<Status(const std::optional<std::string>& value)> Apply;
};

/// Parses a command's arguments from left to right: options by the table, anything else not
/// starting with '-' goes to `positional` (which may refuse it). The first problem ends the
/// parse: its message, or "unknown option '--x'" for an option not in the table.
Status ParseArguments(const std::vector<std::string>& args, const std::vector<Option>& options,
                      const std::function<Status(const std::string&)>& positional);
/// ParseArguments for a command of one league file: exactly one positional argument, the file
/// ("no league file given", "more than one league file given").
Status ParseLeagueFileArguments(const std::vector<std::string>& args, const std::vector<Option>& options,
                                std::string& file);

/// A value option whose value must be one of `choices`; target gets the chosen index.
Option ChoiceOption(std::string_view name, std::vector<std::string_view> choices, int& target,
                    std::string problem);

/// A flag that sets target to true.
Option FlagOption(std::string_view name, bool& target);

/// The league table's "--selection 0..8" (a team selection; 0 for none).
Option SelectionOption(std::optional<int>& target);

/// The league table's "--columns LETTERS" (column letters A..V, each once).
Option TableColumnsOption(std::string& target);

/// A value option whose value must not be empty: target gets it; an empty or missing value is
/// `problem` ("NAME needs a value" when none is given).
Option NonEmptyOption(std::string_view name, std::optional<std::string>& target, std::string problem = {});
Option NonEmptyOption(std::string_view name, std::string& target, std::string problem = {});
/// The same for an option that may be given again: each value is appended.
Option NonEmptyOption(std::string_view name, std::vector<std::string>& target, std::string problem = {});

/// "--today YYYY-MM-DD": the date that stands for today (default: the system clock's).
Option TodayOption(std::optional<int>& today);

/// "--games league|all|NAME": the game filter for this run, a competition by short name or
/// name (resolve it with GamesFilterFor once the league is loaded).
Option GamesOption(std::optional<std::string>& games);

/// The game filter a --games value names for the league (Windows-1252 conversion included),
/// or "no competition called NAME".
Expected<int> GamesFilterFor(const League& league, const std::string& games);
/// Puts the --games filter into the loaded league; without one, the file's own filter as the
/// pages select it. Fails with GamesFilterFor's reason.
Status ApplyGamesFilter(League& league, const std::optional<std::string>& games);

/// The team 1..TeamCount + OtherTeamCount whose name (UTF-8 on the command line) is given
/// exactly, or "no team called NAME".
Expected<int> TeamNamed(const League& league, const std::string& utf8Name);

/// The day number of a "YYYY-MM-DD" value from 1900-01-01 on; otherwise the problem "NAME needs
/// a date YYYY-MM-DD" (or "... from 1900-01-01 on").
Expected<int> DateValue(std::string_view name, const std::optional<std::string>& value);

} // namespace gorlin::cli
