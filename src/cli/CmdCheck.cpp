#include "cli/Cli.h"
#include "core/model/LeagueFile.h"
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
        out << file << '\t';
        switch (info.Result) {
        case HeaderCheck::Ok:
            out << "ok\t" << info.Version << '\t' << Win1252ToUtf8(info.TableName) << '\n';
            break;
        case HeaderCheck::NotCompatible:
            out << "not compatible\n";
            allOk = false;
            break;
        case HeaderCheck::CouldNotOpen:
            out << "could not be opened\n";
            allOk = false;
            break;
        }
    }
    return allOk ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
