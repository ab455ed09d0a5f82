// The nine default queries on real seasons: the Premier League 2018/19 for the team and game
// queries, the 2018 World Cup with its goals (and two of its red cards) for the others.

#include "core/edit/TeamList.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <map>

namespace gorlin {
namespace {

using Row = std::vector<std::string>;

QueryResult RunDefault(const League& league, int n) {
    const SavedQuery& saved = DefaultQueries()[static_cast<std::size_t>(n - 1)];
    const QueryRows rows = BuildData(league, ToDayNumber(2019, 6, 1));
    QueryFormat format;
    const auto result = RunQuery(DecodeQuery(saved.Text, saved.Tab), {league, rows, format});
    EXPECT_TRUE(result) << saved.Title;
    return result ? *result : QueryResult{};
}

/// The World Cup with a player for every scorer (of the team he played for) and every goal.
League WorldCup() {
    League l = test::BuildSeasonLeague(test::DataDir() / "wc2018_results.csv", "World Cup 2018");
    std::map<std::string, int> players;
    const auto player = [&l, &players](const std::string& name, int team) {
        auto [it, added] = players.emplace(name + "@" + std::to_string(team), 0);
        if (added) {
            it->second = ++l.Head.PlayerCount;
            GrowTo(l.Players, static_cast<std::size_t>(it->second));
            PlayerRec& p = l.Players[static_cast<std::size_t>(it->second)];
            p.Name = Utf8ToWin1252(name);
            p.Team = static_cast<u8>(team);
        }
        return it->second;
    };
    const auto game = [&l](const std::string& date, int home, int away) {
        for (int g = 1; g <= l.GameCount(); ++g) {
            const GameRec& r = l.Games[static_cast<std::size_t>(g)];
            if (r.HomeTeam == home && r.AwayTeam == away && GameDay(r) == ParseIsoDate(date))
                return g;
        }
        return 0;
    };
    const auto team = [&l](const std::string& name) { return GetTeamID(l, Utf8ToWin1252(name)); };
    const auto rows = test::ReadCsv(test::DataDir() / "wc2018_goals.csv");
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const Row& f = rows[r];
        const int home = team(f[1]), away = team(f[2]), credited = team(f[3]);
        const bool own = f[7] == "1";
        const int scorer = player(f[4], own ? (credited == home ? away : home) : credited);
        AddGoal(l, game(f[0], home, away), credited, scorer, std::stoi(f[5]), own, f[6] == "1");
    }
    // A squad of the sent-off player and one team-mate on the side `side` of a game.
    const auto squad = [&](const char* date, const char* home, const char* away, const char* side,
                           const char* name, int off) {
        const int t = team(side);
        SquadRec s{};
        s.Team = static_cast<u8>(t);
        s.Game = static_cast<u16>(game(date, team(home), team(away)));
        s.Entries[0] = SquadEntry{static_cast<u16>(player(name, t)), 0, static_cast<u8>(off), 0, 0, 1, 0};
        s.Entries[1] = SquadEntry{static_cast<u16>(player(side, t)), 0, 90, 0, 0, 0, 0};
        const int index = ++l.Head.SquadCount;
        GrowTo(l.Squads, static_cast<std::size_t>(index));
        l.Squads[static_cast<std::size_t>(index)] = s;
    };
    squad("2018-06-23", "Germany", "Sweden", "Germany", "Jérôme Boateng", 82);
    squad("2018-06-19", "Colombia", "Japan", "Colombia", "Carlos Sánchez", 3);
    return l;
}

TEST(QuerySeason, TeamAndGameDefaultsOnThePremierLeague) {
    const League l = test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Premier League");

    const QueryResult table = RunDefault(l, 1);
    EXPECT_EQ(table.Headings, (Row{"Team", "AveCrowd", "Played", "Won", "Drawn", "Lost", "For", "Against",
                                   "GoalDiff", "Points"}));
    ASSERT_EQ(table.Cells.size(), 20u);
    EXPECT_EQ(table.Cells[0], (Row{"Manchester City", "0", "38", "32", "2", "4", "95", "23", "72", "98"}));
    EXPECT_EQ(table.Cells[1][0], "Liverpool FC");
    EXPECT_EQ(table.Cells[19][0], "Huddersfield Town");
    EXPECT_EQ(table.Widths[0], 23); // "Wolverhampton Wanderers"

    const QueryResult crowds = RunDefault(l, 2);
    EXPECT_EQ(crowds.Cells[0], (Row{"AFC Bournemouth", "0", "0", "0", "0"})); // no crowds: team order

    const QueryResult attack = RunDefault(l, 3);
    EXPECT_EQ(attack.Cells[0], (Row{"Manchester City", "38", "95", "2.50"}));
    EXPECT_EQ(attack.Cells[1], (Row{"Liverpool FC", "38", "89", "2.34"}));

    const QueryResult defence = RunDefault(l, 4);
    EXPECT_EQ(defence.Cells[0], (Row{"Liverpool FC", "38", "22", "0.58"}));
    EXPECT_EQ(defence.Cells[19], (Row{"Fulham FC", "38", "81", "2.13"}));

    const QueryResult high = RunDefault(l, 5);
    EXPECT_EQ(high.StatusText, " Number of rows: 23");
    EXPECT_EQ(high.Cells[0], (Row{"23/12/2018", "Everton FC", "Tottenham Hotspur", "2", "6", "8"}));
    EXPECT_EQ(high.Cells[1], (Row{"12/05/2019", "Crystal Palace", "AFC Bournemouth", "5", "3", "8"}));
    EXPECT_EQ(high.Cells[2], (Row{"19/08/2018", "Manchester City", "Huddersfield Town", "6", "1", "7"}));
    EXPECT_EQ(high.Cells[22][5], "6");
}

TEST(QuerySeason, GoalPlayerAndSquadDefaultsOnTheWorldCup) {
    const League l = WorldCup();
    ASSERT_EQ(l.Head.GoalCount, 169);

    const QueryResult pens = RunDefault(l, 6);
    EXPECT_EQ(pens.Headings, (Row{"Date", "GoalFor", "Against", "Player", "GoalTime"}));
    EXPECT_EQ(pens.Cells.size(), 22u);
    EXPECT_EQ(pens.Cells[0], (Row{"15/06/2018", "Portugal", "Spain", "Cristiano Ronaldo", "4"}));

    const QueryResult own = RunDefault(l, 7);
    EXPECT_EQ(own.Cells.size(), 12u);
    EXPECT_EQ(own.Cells[0], (Row{"15/06/2018", "Iran", "Morocco", "Aziz Bouhaddouz", "90"}));

    const QueryResult top = RunDefault(l, 8);
    EXPECT_EQ(top.Cells, (std::vector<Row>{{"Harry Kane", "England", "Not Specified", "6"}}));

    const QueryResult reds = RunDefault(l, 9);
    EXPECT_EQ(reds.Headings, (Row{"Date", "Player", "Team", "Opponent", "TimeOff"}));
    EXPECT_EQ(reds.Cells,
              (std::vector<Row>{{"19/06/2018", "Carlos S\xE1nchez", "Colombia", "Japan", "3"},
                                {"23/06/2018", "J\xE9r\xF4me Boateng", "Germany", "Sweden", "82"}}));
}

} // namespace
} // namespace gorlin
