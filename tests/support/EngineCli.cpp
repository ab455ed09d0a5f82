#include "support/EngineCli.h"

#include "support/TestPaths.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace gorlin::test {

namespace {

std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (const char c : arg) {
        if (c == '\'')
            q += "'\\''";
        else
            q.push_back(c);
    }
    return q + "'";
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

CliRun RunCli(const std::vector<std::string>& args) {
    TempDir dir;
    std::string command = Quote(CliPath().string());
    for (const std::string& a : args)
        command += " " + Quote(a);
    command += " >" + Quote((dir / "out").string()) + " 2>" + Quote((dir / "err").string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.Exit = (status != -1 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    run.Out = Slurp(dir / "out");
    run.Err = Slurp(dir / "err");
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

} // namespace gorlin::test
