#include "cli/Cli.h"

#include <iostream>
#include <string>
#include <vector>

using namespace gorlin::cli;

namespace {

const Command kCommands[] = {
    {"check", "report whether league files can be opened", kCheckUsage, RunCheck},
    {"dump", "print a league as JSON", kDumpUsage, RunDump},
    {"save", "load and save league files in the current layout", kSaveUsage, RunSave},
    {"settings", "print every setting with its value", kSettingsUsage, RunSettings},
    {"table", "print the league table", kTableUsage, RunTable},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: gorlin-cli [--config-dir DIR] COMMAND [ARGS...]\n\n"
           "Commands:\n";
    for (const Command& c : kCommands)
        out << "  " << c.Name << std::string(10 - std::string(c.Name).size(), ' ') << c.Summary << '\n';
    out << "\nRun 'gorlin-cli COMMAND --help' for the options of a command.\n";
}

} // namespace

namespace gorlin::cli {

bool WantsHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "-h" || a == "--help")
            return true;
    return false;
}

} // namespace gorlin::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    Invocation inv;
    std::string command;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--config-dir") {
            if (i + 1 >= argc) {
                std::cerr << "gorlin-cli: --config-dir needs a folder\n";
                return kExitUsage;
            }
            inv.ConfigDir = argv[++i];
        } else if (arg.rfind("--config-dir=", 0) == 0) {
            inv.ConfigDir = arg.substr(13);
        } else if (command.empty() && (arg == "-h" || arg == "--help")) {
            PrintHelp(std::cout);
            return kExitOk;
        } else if (command.empty()) {
            command = arg;
        } else {
            inv.Args.push_back(arg);
        }
    }
    if (command.empty()) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    for (const Command& c : kCommands) {
        if (command == c.Name) {
            if (WantsHelp(inv.Args)) {
                std::cout << c.Usage;
                return kExitOk;
            }
            return c.Run(inv, std::cout, std::cerr);
        }
    }
    std::cerr << "gorlin-cli: unknown command '" << command << "'\n";
    PrintHelp(std::cerr);
    return kExitUsage;
}
