#include "cli/Cli.h"
#ifdef GORLIN_CLI_PRINT
#include "cli/print/CmdPrint.h"
#endif

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef GORLIN_CLI_PRINT
    gorlin::cli::RegisterPrintCommand(gorlin::cli::RunPrint);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    return gorlin::cli::Main(args, std::cout, std::cerr);
}
