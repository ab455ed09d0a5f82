#include "support/EngineCli.h"

#include "cli/Cli.h"

#include <sstream>

namespace gorlin::test {

CliRun RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.Exit = cli::Main(args, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args) {
    std::filesystem::create_directories(dir / "config");
    args.insert(args.begin(), {"--config-dir", (dir / "config").string()});
    return RunCli(args);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace gorlin::test
