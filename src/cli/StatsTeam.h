#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace gorlin {
struct League;
}

namespace gorlin::cli {

/// The team of a statistics command: puts the --games filter into the loaded league (without
/// it, the file's GameType as the page selects it) and finds the team by name among the teams
/// the statistics team list offers for that filter. Returns 0 after reporting
/// "gorlin-cli COMMAND: reason" on err when there is no such competition or team.
int StatsTeamFor(std::string_view command, League& league, const std::string& teamName,
                 const std::optional<std::string>& games, std::ostream& err);

} // namespace gorlin::cli
