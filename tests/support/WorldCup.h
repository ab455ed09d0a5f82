#pragma once

#include "core/model/League.h"

#include <filesystem>

namespace gorlin::test {

/// The World Cup 2018 as one league: the results file as BuildSeasonLeague reads it (the 32 teams
/// in alphabetical order, every match a played league game), a player per scorer and team (the
/// scorer of an own goal plays for the side that conceded it) and every goal of the goals file in
/// file order, with its minute, penalty and own-goal marks. Names are stored as Windows-1252.
League BuildWorldCupLeague(const std::filesystem::path& results, const std::filesystem::path& goals);

} // namespace gorlin::test
