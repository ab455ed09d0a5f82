// Imports arbitrary bytes into a new league as each kind of import file in turn: results,
// fixtures, players, goal scorers. Whatever the lines hold, the league must stay sound: it saves,
// loads back to the same bytes, and its table and goal statistics can be computed.

#include "FuzzLeague.h"
#include "core/engine/GameFilter.h"
#include "core/engine/GoalStats.h"
#include "core/engine/Standings.h"
#include "core/model/LeagueFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gorlin;
    static const League fresh = fuzz::FourTeams();
    League league = fresh;
    const std::string text = ImportText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string_view> lines = ImportTextLines(text);
    for (ImportWhat what :
         {ImportWhat::MatchResults, ImportWhat::Fixtures, ImportWhat::Players, ImportWhat::GoalScorers}) {
        const ImportResult result = ImportLines(league, lines, fuzz::ImportOf(what));
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
