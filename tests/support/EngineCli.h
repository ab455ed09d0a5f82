#pragma once

#include "support/TestPaths.h"

#include <string>
#include <vector>

namespace gorlin::test {

/// What one run of a gorlin-cli command line gave.
struct CliRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

/// Runs a gorlin-cli command line in this process (cli::Main), capturing its exit status and
/// both output streams. Pass --config-dir so the settings lookup ignores the test's own folder.
CliRun RunCli(const std::vector<std::string>& args);

/// RunCli with the settings folder DIR/config, made (empty) when missing.
CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args);

/// The lines of a text ('\n' separated, a final empty line dropped).
std::vector<std::string> Lines(const std::string& text);

} // namespace gorlin::test
