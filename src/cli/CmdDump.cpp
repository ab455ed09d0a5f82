#include <ostream>

#include "cli/Cli.h"

namespace gorlin::cli {

const char* const kDumpUsage = "Usage: gorlin-cli dump\n";

int RunDump(const Invocation&, std::ostream&, std::ostream& err) {
    err << "gorlin-cli: dump is not available yet\n";
    return kExitUsage;
}

} // namespace gorlin::cli
