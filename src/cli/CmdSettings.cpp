#include <ostream>

#include "cli/Cli.h"

namespace gorlin::cli {

const char* const kSettingsUsage = "Usage: gorlin-cli settings\n";

int RunSettings(const Invocation&, std::ostream&, std::ostream& err) {
    err << "gorlin-cli: settings is not available yet\n";
    return kExitUsage;
}

} // namespace gorlin::cli
