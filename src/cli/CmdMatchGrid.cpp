#include "cli/Cli.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "core/engine/MatchGrid.h"
#include "core/model/Text.h"

#include <charconv>
#include <ostream>
#include <string>

namespace gorlin::cli {

const char* const kMatchGridUsage =
    "Usage: gorlin-cli match-grid FILE [--set N]\n"
    "Print the match grid: a heading line (an empty cell, then the league teams), then per home\n"
    "team its name and a cell per away team (a result, a fixture's day/month, \" - \" for an\n"
    "undated fixture, empty when the set has no such game).\n\n"
    "Options:\n"
    "  --set N    the set of matches (default 1); a league whose teams meet more than twice\n"
    "             has a set per TeamCount x (TeamCount - 1) games\n";

namespace {

struct MatchGridOptions {
    std::string File;
    int Set = 1;
};

Status ParseOptions(const std::vector<std::string>& args, MatchGridOptions& o) {
    const std::vector<Option> options = {
        {"--set", true,
         [&o](const auto& v) {
             int set = 0;
             const char* end = v ? v->data() + v->size() : nullptr;
             if (!v || std::from_chars(v->data(), end, set).ptr != end || v->empty() || set < 1)
                 return Status::Failure("--set needs a number from 1");
             o.Set = set;
             return Status::Success();
         }},
    };
    return ParseLeagueFileArguments(args, options, o.File);
}

} // namespace

int RunMatchGrid(const Invocation& inv, std::ostream& out, std::ostream& err) {
    MatchGridOptions o;
    if (const Status parsed = ParseOptions(inv.Args, o); !parsed) {
        err << "gorlin-cli match-grid: " << parsed.Message << "\n" << kMatchGridUsage;
        return kExitUsage;
    }
    auto loaded = LoadLeagueFor("match-grid", o.File, err);
    if (!loaded)
        return kExitFailure;
    const Expected<MatchGridData> grid = BuildMatchGrid(*loaded, o.Set);
    if (!grid) {
        err << "gorlin-cli match-grid: " << grid.error().Message << '\n';
        return kExitFailure;
    }
    std::vector<std::string> heading = {""};
    for (int t = 1; t <= grid->TeamCount; ++t)
        heading.push_back(Win1252ToUtf8(grid->Teams[static_cast<std::size_t>(t)]));
    WriteTsvRow(out, heading);
    for (int home = 1; home <= grid->TeamCount; ++home) {
        std::vector<std::string> row = {heading[static_cast<std::size_t>(home)]};
        for (int away = 1; away <= grid->TeamCount; ++away)
            row.push_back(grid->Cell(home, away).Text);
        WriteTsvRow(out, row);
    }
    return out ? kExitOk : kExitFailure;
}

} // namespace gorlin::cli
