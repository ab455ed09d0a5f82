#pragma once

// What the import and query fuzz targets start from.

#include "core/app/NewTable.h"
#include "core/io/CsvImport.h"

#include <cstdlib>

namespace gorlin::fuzz {

/// A new league of four teams, Alpha to Delta.
inline League FourTeams() {
    NewTableInput input;
    input.TableName = "Fuzz";
    input.TeamNames = {"Alpha", "Bravo", "Charlie", "Delta"};
    auto built = BuildNewLeague(input);
    if (!built)
        std::abort();
    return std::move(*built);
}

/// Import options for `what`, with the default position names.
inline ImportOptions ImportOf(ImportWhat what) {
    ImportOptions options;
    options.What = what;
    options.PositionNames = {"Goal Keeper", "Defender", "Midfield", "Forward"};
    return options;
}

} // namespace gorlin::fuzz
