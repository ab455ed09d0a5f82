#pragma once

#include "core/io/ListGrids.h"
#include "core/model/League.h"

#include <optional>
#include <string>

namespace gorlin::cli {

/// The team or player a list:NAME grid is about, from --team and --player; Exit is kExitOk, or
/// kExitUsage / kExitFailure with Problem to report.
struct ListSubjectChoice {
    ListGridSubject Subject;
    int Exit = 0;
    std::string Problem;
};

/// Checks --team and --player against what the list needs: --team refused where the list takes
/// none, required where it needs a team; --player required for a player's list and found in the
/// --team given (exit 1 when there is no such player).
ListSubjectChoice ChooseListSubject(const League& league, const ListGridInfo& info,
                                    const std::optional<std::string>& team,
                                    const std::optional<std::string>& player);

} // namespace gorlin::cli
