#pragma once

// The list grids `gorlin-cli print --what list:NAME` prints, built by the same core operations
// as the league window's pages, with each page's opening sort.

#include "core/app/Settings.h"
#include "core/io/PrintLayouts.h"
#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string_view>
#include <vector>

namespace gorlin {

/// The list names that can be printed: "results", "goals", "fixtures", "players".
const std::vector<std::string_view>& PrintListNames();

/// A list by name for `team` (0: every team; for "players" every player), titled as the page
/// names it ("Results", "Goals", "Fixtures", "Players"); an error for a name not in
/// PrintListNames.
Expected<PrintListData> PrintListFor(const League& league, std::string_view name, int team,
                                     const Settings& settings, const Locale& locale);

} // namespace gorlin
