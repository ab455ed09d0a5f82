#pragma once

#include "core/model/Expected.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {
struct League;
struct Settings;
} // namespace gorlin

namespace gorlin::cli {

/// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

/// Arguments after the command name, with the program-wide options removed.
struct Invocation {
    std::vector<std::string> Args;
    std::string ConfigDir; // --config-dir, empty when not given
};

using CommandFn = int (*)(const Invocation& inv, std::ostream& out, std::ostream& err);

struct Command {
    const char* Name;
    const char* Summary;
    const char* Usage; // full help text of the command
    CommandFn Run;
};

// One per command, each in its own file.
int RunCheck(const Invocation&, std::ostream&, std::ostream&);
int RunDump(const Invocation&, std::ostream&, std::ostream&);
int RunExport(const Invocation&, std::ostream&, std::ostream&);
int RunFixtures(const Invocation&, std::ostream&, std::ostream&);
int RunImport(const Invocation&, std::ostream&, std::ostream&);
int RunPredict(const Invocation&, std::ostream&, std::ostream&);
int RunQuery(const Invocation&, std::ostream&, std::ostream&);
int RunNew(const Invocation&, std::ostream&, std::ostream&);
int RunRecord(const Invocation&, std::ostream&, std::ostream&);
int RunSave(const Invocation&, std::ostream&, std::ostream&);
int RunSettings(const Invocation&, std::ostream&, std::ostream&);
int RunTable(const Invocation&, std::ostream&, std::ostream&);
int RunTeamStats(const Invocation&, std::ostream&, std::ostream&);
int RunForm(const Invocation&, std::ostream&, std::ostream&);
int RunDivisionStats(const Invocation&, std::ostream&, std::ostream&);
int RunMaintain(const Invocation&, std::ostream&, std::ostream&);
int RunGoalStats(const Invocation&, std::ostream&, std::ostream&);
int RunGraph(const Invocation&, std::ostream&, std::ostream&);
int RunMatchGrid(const Invocation&, std::ostream&, std::ostream&);
int RunPlayerStats(const Invocation&, std::ostream&, std::ostream&);
int RunUpdate(const Invocation&, std::ostream&, std::ostream&);
int RunUpload(const Invocation&, std::ostream&, std::ostream&);

extern const char* const kCheckUsage;
extern const char* const kDumpUsage;
extern const char* const kExportUsage;
extern const char* const kFixturesUsage;
extern const char* const kImportUsage;
extern const char* const kPredictUsage;
extern const char* const kQueryUsage;
extern const char* const kNewUsage;
extern const char* const kRecordUsage;
extern const char* const kSaveUsage;
extern const char* const kSettingsUsage;
extern const char* const kTableUsage;
extern const char* const kTeamStatsUsage;
extern const char* const kFormUsage;
extern const char* const kDivisionStatsUsage;
extern const char* const kMaintainUsage;
extern const char* const kGoalStatsUsage;
extern const char* const kGraphUsage;
extern const char* const kMatchGridUsage;
extern const char* const kPlayerStatsUsage;
extern const char* const kUpdateUsage;
extern const char* const kUploadUsage;
extern const char* const kPrintUsage;

/// `print` needs QtGui, so it lives in a library of its own that only a build with the GUI links
/// (cli/print/CmdPrint.h); that build registers it before running commands. Unregistered,
/// `print` reports that this build cannot print (status 2).
void RegisterPrintCommand(CommandFn run);
int RunPrintCommand(const Invocation&, std::ostream&, std::ostream&);

/// The folder of gorlin.ini, found as the program finds it: --config-dir, else the executable's
/// folder when it holds gorlin.ini or can be written, else $XDG_CONFIG_HOME/gorlin (~/.config/gorlin).
std::string ProgramFolder(const Invocation& inv);
/// The settings in force (defaults where the file or a key is missing).
Settings ReadSettings(const Invocation& inv);

/// Runs one command line (the arguments after the program name) with its output and errors
/// going to the streams; returns the exit status. Nothing escapes as an exception: an
/// unexpected failure is reported on err with status 1.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// The league files a command's arguments name (commands without options): every argument,
/// refusing any that looks like an option.
Status FileArguments(const std::vector<std::string>& args, std::vector<std::string>& files);

/// Loads a league file; a failure is reported on err as "gorlin-cli COMMAND: FILE: reason".
std::optional<League> LoadLeagueFor(std::string_view command, const std::string& file, std::ostream& err);

/// True when args hold -h or --help.
bool WantsHelp(const std::vector<std::string>& args);

} // namespace gorlin::cli
