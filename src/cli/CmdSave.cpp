#include <ostream>

#include "cli/Cli.h"

namespace gorlin::cli {

const char* const kSaveUsage = "Usage: gorlin-cli save\n";

int RunSave(const Invocation&, std::ostream&, std::ostream& err) {
    err << "gorlin-cli: save is not available yet\n";
    return kExitUsage;
}

} // namespace gorlin::cli
