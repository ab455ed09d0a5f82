#include "cli/Cli.h"
#include "core/app/Settings.h"
#include "core/model/LeagueFile.h"

#include <ostream>

namespace gorlin::cli {

const char* const kSaveUsage =
    "Usage: gorlin-cli [--config-dir DIR] save FILE...\n"
    "\n"
    "Loads each league file and saves it as the league window's Save does, so a file of an\n"
    "older version is brought to the current layout (version 45 when the league fits the\n"
    "compact layout, else 46). The previous contents go to the backup (the name with its last\n"
    "three characters replaced by \"bak\") unless TakeBackup is off in gorlin.ini of the\n"
    "settings folder. Prints one line per saved file: FILE, \"saved\" and the version written,\n"
    "separated by tabs.\n"
    "\n"
    "Exit status: 0 when every file was saved, 1 when any could not be loaded or saved (reason\n"
    "on standard error; that file is left as it was), 2 when no file is given.\n";

int RunSave(const Invocation& inv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    Status st = FileArguments(inv.Args, files);
    if (st && files.empty())
        st = Status::Failure("no league file given");
    if (!st) {
        err << "gorlin-cli save: " << st.Message << '\n' << kSaveUsage;
        return kExitUsage;
    }
    const SaveOptions options{ReadSettings(inv).TakeBackup};
    bool allSaved = true;
    for (const std::string& file : files) {
        auto loaded = LoadLeagueFor("save", file, err);
        if (!loaded) {
            allSaved = false;
            continue;
        }
        const Status saved = SaveLeague(*loaded, file, options);
        if (!saved) {
            err << "gorlin-cli save: " << file << ": " << saved.Message << '\n';
            allSaved = false;
            continue;
        }
        out << file << "\tsaved\t" << loaded->LoadedVersion << '\n';
    }
    return allSaved ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
