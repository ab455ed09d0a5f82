#include "cli/Cli.h"
#include "cli/Output.h"
#include "core/model/LeagueFile.h"
#include "core/model/SafeFile.h"
#include "core/model/Text.h"

#include <ostream>

namespace gorlin::cli {

const char* const kCheckUsage =
    "Usage: gorlin-cli check FILE...\n"
    "\n"
    "Checks the header of each league file as the table folder does and prints one line per\n"
    "file, fields separated by tabs:\n"
    "  FILE  ok  VERSION  TABLE NAME     the file can be opened (version 6 to 46)\n"
    "  FILE  not compatible              not a league file, or a version this program cannot read\n"
    "  FILE  could not be opened         missing, unreadable or a folder\n"
    "  FILE  could not be opened  is not a regular file    a FIFO, a device or a socket\n"
    "  FILE  could not be opened  is read-only             no one may write it, so it is not listed\n"
    "Control characters in a name are shown escaped (\\t, \\n, \\xHH).\n"
    "\n"
    "Exit status: 0 when every file is ok, 1 otherwise, 2 when no file is given.\n";

int RunCheck(const Invocation& inv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    Status st = FileArguments(inv.Args, files);
    if (st && files.empty())
        st = Status::Failure("no league file given");
    if (!st) {
        err << "gorlin-cli check: " << st.Message << '\n' << kCheckUsage;
        return kExitUsage;
    }
    bool allOk = true;
    for (const std::string& file : files) {
        const HeaderInfo info = VerifyDivFile(file);
        switch (info.Result) {
        case HeaderCheck::Ok:
            WriteTsvRow(out, {file, "ok", std::to_string(info.Version), Win1252ToUtf8(info.TableName)});
            break;
        case HeaderCheck::NotCompatible:
            WriteTsvRow(out, {file, "not compatible"});
            allOk = false;
            break;
        case HeaderCheck::CouldNotOpen:
            if (info.Reason == kNotRegularFile || info.Reason == kReadOnlyFile)
                WriteTsvRow(out, {file, "could not be opened", info.Reason});
            else
                WriteTsvRow(out, {file, "could not be opened"});
            allOk = false;
            break;
        }
    }
    return allOk ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
