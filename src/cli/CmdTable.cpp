#include <ostream>

#include "cli/Cli.h"

namespace gorlin::cli {

const char* const kTableUsage = "Usage: gorlin-cli table\n";

int RunTable(const Invocation&, std::ostream&, std::ostream& err) {
    err << "gorlin-cli: table is not available yet\n";
    return kExitUsage;
}

} // namespace gorlin::cli
