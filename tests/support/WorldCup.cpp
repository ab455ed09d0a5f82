#include "support/WorldCup.h"

#include "core/model/Dates.h"
#include "core/model/Text.h"
#include "support/SeasonCsv.h"

#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace gorlin::test {

League BuildWorldCupLeague(const std::filesystem::path& results, const std::filesystem::path& goals) {
    League league = BuildSeasonLeague(results, "World Cup 2018");

    std::map<std::string, int> teamOf;
    for (int t = 1; t <= league.TeamCount(); ++t)
        teamOf[league.Teams[static_cast<std::size_t>(t)].Name.str()] = t;
    std::map<std::tuple<int, int, int>, int> gameOf; // (date, home, away)
    for (int g = 1; g <= league.GameCount(); ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        gameOf[{static_cast<int>(game.Date), game.HomeTeam, game.AwayTeam}] = g;
    }
    std::map<std::pair<std::string, int>, int> playerOf;

    const auto rows = ReadCsv(goals);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        if (row.size() < 8)
            continue;
        const int home = teamOf[Utf8ToWin1252(row[1])];
        const int away = teamOf[Utf8ToWin1252(row[2])];
        const int credited = teamOf[Utf8ToWin1252(row[3])];
        const int game = gameOf[{ParseIsoDate(row[0]).value_or(0), home, away}];
        if (game == 0 || credited == 0)
            continue;
        const bool ownGoal = row[7] == "1";
        const int side = ownGoal ? (credited == home ? away : home) : credited;
        // Names are cut to the record's 20 characters before they identify a player.
        PlayerRec probe{};
        probe.Name = Utf8ToWin1252(row[4]);
        const std::pair<std::string, int> key{probe.Name.str(), side};
        int& player = playerOf[key];
        if (player == 0) {
            player = league.Head.PlayerCount + 1;
            GrowTo(league.Players, static_cast<std::size_t>(player));
            probe.Team = static_cast<u8>(side);
            league.Players[static_cast<std::size_t>(player)] = probe;
            league.Head.PlayerCount = static_cast<u16>(player);
        }
        AddGoal(league, game, credited, player, std::stoi(row[5]), ownGoal, row[6] == "1");
    }
    return league;
}

} // namespace gorlin::test
