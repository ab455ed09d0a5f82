#include "cli/Cli.h"
#include "cli/Output.h"
#include "core/app/Settings.h"
#include "core/model/Text.h"

#include <ostream>

namespace gorlin::cli {

const char* const kSettingsUsage =
    "Usage: gorlin-cli [--config-dir DIR] settings\n"
    "\n"
    "Prints every setting of gorlin.ini with its value after defaults, one per line:\n"
    "Section<TAB>Key<TAB>Value. The settings file is read from DIR when given, else from the\n"
    "program folder: the executable's folder when it holds gorlin.ini or can be written,\n"
    "else $XDG_CONFIG_HOME/gorlin (or ~/.config/gorlin).\n";

int RunSettings(const Invocation& inv, std::ostream& out, std::ostream& err) {
    if (!inv.Args.empty()) {
        err << "gorlin-cli: settings takes no arguments\n" << kSettingsUsage;
        return kExitUsage;
    }
    const std::string folder = ProgramFolder(inv);
    const SettingsFile file = LoadSettingsFile(folder);
    if (!file.Problem) {
        err << "gorlin-cli: " << file.Problem.Message << '\n';
        return kExitFailure;
    }
    // Texts are Windows-1252; the table folder is already a system path.
    for (const SettingEntry& e : ListSettings(file.Ini, folder))
        WriteTsvRow(
            out, {e.Section, Win1252ToUtf8(e.Key), e.Key == "FilePath" ? e.Value : Win1252ToUtf8(e.Value)});
    return kExitOk;
}

} // namespace gorlin::cli
