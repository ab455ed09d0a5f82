#include "cli/Cli.h"

#include <ostream>

namespace gorlin::cli {

const char* const kPrintUsage =
    "Usage: gorlin-cli [--config-dir DIR] print FILE --what WHAT --pdf OUT.pdf [OPTIONS]\n"
    "Lays out a page of the league window as the Print button does and writes it as a PDF file.\n\n"
    "  --what WHAT                      table, team, grid, graph, query, or list:NAME with NAME\n"
    "                                   a list of 'gorlin-cli export' (results, goals, players,\n"
    "                                   referees, fixtures, hat-tricks, penalties, own-goals,\n"
    "                                   by-team, referee-stats, team-games, team-players,\n"
    "                                   team-fixtures, player-matches)\n"
    "  --pdf PATH                       the PDF file to write\n"
    "  --heading TEXT                   page heading (default: the table name; for the graph\n"
    "                                   its caption)\n"
    "  --no-heading                     print no page heading\n"
    "  --no-date                        do not print today's date at the top of the page\n"
    "  --font FAMILY                    print font (default: the FontName setting)\n"
    "  --page a4|letter                 paper size (default a4)\n"
    "  --team NAME                      the team of team, graph and the lists (default: the\n"
    "                                   team the statistics page opens with; every team for\n"
    "                                   the lists; needed by the team lists)\n"
    "  --player NAME                    list:player-matches: the player\n"
    "  --second                         grid: the second set of matches\n"
    "  --today YYYY-MM-DD               the date that stands for today\n"
    "  --design TEXT | --saved TITLE    query: the query, as 'gorlin-cli query' takes it\n"
    "  --tab teams|games|goals|players|squads\n"
    "                                   query: the rows it reads (default teams)\n"
    "  --games league|all|NAME          query: the games to include for this run\n"
    "Dates are printed dd/mm/yyyy. The match grid prints no heading or date; the graph, the\n"
    "lists and a query print no date. Prints \"Pages: N\" when the file is written.\n\n"
    "Exit status: 0 on success, 1 when the league cannot be read, the page has nothing to\n"
    "print or the file cannot be written, 2 on bad usage or when this build cannot print.\n";

namespace {

CommandFn g_printCommand = nullptr;

} // namespace

void RegisterPrintCommand(CommandFn run) {
    g_printCommand = run;
}

int RunPrintCommand(const Invocation& inv, std::ostream& out, std::ostream& err) {
    if (g_printCommand == nullptr) {
        err << "gorlin-cli print: printing is not available in this build (it was built without Qt)\n";
        return kExitUsage;
    }
    return g_printCommand(inv, out, err);
}

} // namespace gorlin::cli
