// Imports arbitrary bytes into a new league as each kind of import file in turn: results,
// fixtures, players, goal scorers. Whatever the lines hold, the league must stay sound: it saves,
// loads back to the same bytes, and its table and goal statistics can be computed.

#include "core/app/NewTable.h"
#include "core/engine/GameFilter.h"
#include "core/engine/GoalStats.h"
#include "core/engine/Standings.h"
#include "core/io/CsvImport.h"
#include "core/model/LeagueFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

const gorlin::League& NewLeague() {
    static const gorlin::League league = [] {
        gorlin::NewTableInput input;
        input.TableName = "Fuzz";
        input.TeamNames = {"Alpha", "Bravo", "Charlie", "Delta"};
        auto built = gorlin::BuildNewLeague(input);
        if (!built)
            std::abort();
        return *built;
    }();
    return league;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gorlin;
    League league = NewLeague();
    const std::string text = ImportText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string_view> lines = ImportTextLines(text);
    for (ImportWhat what :
         {ImportWhat::MatchResults, ImportWhat::Fixtures, ImportWhat::Players, ImportWhat::GoalScorers}) {
        ImportOptions options;
        options.What = what;
        options.PositionNames = {"Goal Keeper", "Defender", "Midfield", "Forward"};
        const ImportResult result = ImportLines(league, lines, options);
        if (result.Counters.Successful + result.Counters.Errors > result.Counters.RecordsRead)
            std::abort();
    }
    const std::vector<std::uint8_t> saved = EncodeLeague(league);
    auto again = DecodeLeague(saved);
    if (!again || EncodeLeague(*again) != saved)
        std::abort();
    for (int content : {kPlayedGames, kPlayedPredicted}) {
        FillTableArgs args;
        args.Content = content;
        if (FillTable(league, args).TableSize != league.TeamCount())
            std::abort();
    }
    GoalStats(league, kLeagueAndCup);
    return 0;
}
