#pragma once

#include "core/model/League.h"
#include "support/EngineCli.h"
#include "support/TestPaths.h"

#include <string>
#include <vector>

namespace gorlin::test {

/// The 2018-19 Premier League season of the shared data, saved in a temporary folder as
/// eng1.div, with an empty settings folder beside it.
struct SeasonOnDisk {
    TempDir Dir;
    League Season;
    std::string File;
    std::string Config;

    SeasonOnDisk(); // throws when the league cannot be saved
    /// A gorlin-cli command line run with --config-dir, so no other settings are read.
    CliRun Run(std::vector<std::string> args) const;
};

} // namespace gorlin::test
