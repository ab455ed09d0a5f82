#pragma once

#include <string>
#include <vector>

namespace gorlin::test {

/// What one run of the built gorlin-cli gave.
struct CliRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

/// Runs gorlin-cli with the arguments (each passed as one word, no shell expansion) and
/// captures its exit status and both output streams.
CliRun RunCli(const std::vector<std::string>& args);

/// The lines of a text ('\n' separated, a final empty line dropped).
std::vector<std::string> Lines(const std::string& text);

} // namespace gorlin::test
