#pragma once

#include "core/model/League.h"

#include <filesystem>
#include <string>
#include <vector>

namespace gorlin::test {

/// Rows of a small UTF-8 CSV file (header line included); double quotes group a field and ""
/// inside them is one quote. An unreadable file gives no rows.
std::vector<std::vector<std::string>> ReadCsv(const std::filesystem::path& path);

/// A league built from a results file "Date,HomeTeam,AwayTeam,HomeGoals,AwayGoals": the teams
/// in alphabetical order (as the new-table wizard creates them), every row a played league game
/// in file order, 3/1/0 points, the given sort rules, TimesToPlay from the games per pairing.
/// Team names are stored as Windows-1252.
League BuildSeasonLeague(const std::filesystem::path& results, const std::string& tableName,
                         const std::string& sortRules = "123");

} // namespace gorlin::test
