#include <ostream>

#include "cli/Cli.h"

namespace gorlin::cli {

const char* const kCheckUsage = "Usage: gorlin-cli check\n";

int RunCheck(const Invocation&, std::ostream&, std::ostream& err) {
    err << "gorlin-cli: check is not available yet\n";
    return kExitUsage;
}

} // namespace gorlin::cli
