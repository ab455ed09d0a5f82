#include "core/engine/GoalStats.h"

#include "core/engine/GameFilter.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"
#include "support/WorldCup.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;
using Texts = std::vector<std::string>;

const Locale kLocale{};

TEST(GoalStats, PenaltiesOfUnknownScorersAndUnknownMissersAndTies) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"});
    const int g = b.Played(1, 2, 2, 1, 40000);
    const int smith = b.Player("Smith", 1);
    const int jones = b.Player("Jones", 2);
    b.Goal(g, 1, 0, 10, false, true); // scorer not known
    b.Goal(g, 2, jones, 20, false, true);
    b.Goal(g, 1, smith, 30, false, true);
    b.MissedPen(g, 0, 2, 40); // player removed by maintenance
    const GoalStatsData d = GoalStats(b.Build(), 0, kLocale);

    EXPECT_EQ(d.lbPenScored, "2");
    EXPECT_EQ(d.lbPenMissed, "1");
    EXPECT_EQ(d.PensAwarded, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(d.PensConceded, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(d.lbPenAward, "2 (Albion)");
    EXPECT_EQ(d.lbPenCon, "2 (Rovers)");
    ASSERT_EQ(d.Scorers.size(), 2u); // no entry for player 0
    ASSERT_EQ(d.sgPens.size(), 2u);
    EXPECT_EQ(d.sgPens[0].Cells, (Texts{"Jones", "Albion", "1", "0"}));
    ASSERT_EQ(d.sgTeamGoals.size(), 2u);
    EXPECT_EQ(d.sgTeamGoals[1].Cells, (Texts{"Rovers", "1", "2", "1", "2", "0", "0"}));
}

TEST(GoalStats, TiedPenaltyCountsShowTheLowerTeamIndex) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"});
    const int g = b.Played(3, 2, 1, 1, 40000);
    b.Goal(g, 3, b.Player("Cole", 3), 5, false, true);
    b.Goal(g, 2, b.Player("Amos", 2), 50, false, true);
    const GoalStatsData d = GoalStats(b.Build(), 0, kLocale);
    EXPECT_EQ(d.lbPenAward, "1 (Albion)");
    EXPECT_EQ(d.lbPenCon, "1 (Albion)");

    const GoalStatsData none = GoalStats(LeagueBuilder().Build(), 0, kLocale);
    EXPECT_EQ(none.lbPenAward, "");
    EXPECT_EQ(none.lbPenCon, "");
}

TEST(GoalsPerMatch, RunsOfGoalRecordsUnderTheFilter) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"}).Comp("Cup", "CUP");
    const int g1 = b.Played(1, 2, 3, 0, 40000);
    const int g2 = b.Played(2, 1, 1, 4, 40007);
    const int g3 = b.Played(1, 2, 3, 0, 40014);
    const int g4 = b.Played(2, 1, 0, 3, 40021);
    const int cup = b.CupGame(1, 2, 1, 0, 40028);
    const int kane = b.Player("Kane", 1);
    const int other = b.Player("Other", 2);
    for (int i = 0; i < 3; ++i)
        b.Goal(g1, 1, kane, 10 + i);
    b.Goal(g1, 1, other, 50, true); // own goals are not tallied
    for (int i = 0; i < 4; ++i)
        b.Goal(g2, 1, kane, 10 + i);
    b.Goal(g3, 1, kane, 1); // three goals in g3, split by a record of g4: no hat-trick
    b.Goal(g3, 1, kane, 2);
    b.Goal(g4, 1, kane, 3);
    b.Goal(g3, 1, kane, 4);
    b.Goal(g4, 1, kane, 5);
    b.Goal(g4, 1, kane, 6);
    b.Goal(cup, 1, other, 7); // skipped by "league games only" without ending g4's run
    b.Goal(g4, 1, kane, 8);
    const League league = b.Build();

    auto games = [](const std::vector<HatTrick>& found) {
        std::vector<std::pair<int, int>> out;
        for (const HatTrick& h : found)
            out.push_back({h.Game, h.Goals});
        return out;
    };
    using Found = std::vector<std::pair<int, int>>;
    EXPECT_EQ(games(GoalsPerMatch(league, 0)), (Found{{g1, 3}, {g2, 4}, {g4, 3}}));
    EXPECT_EQ(games(GoalsPerMatch(league, 1)), (Found{{g1, 3}, {g2, 4}}));

    const GoalStatsData d = GoalStats(league, 0, kLocale);
    ASSERT_EQ(d.sgGoalsPerMatch.size(), 3u);
    EXPECT_EQ(d.sgGoalsPerMatch[0].Cells, (Texts{"4", "Kane", "Albion v (Rovers)", "13/07/2009"}));
    EXPECT_EQ(d.sgGoalsPerMatch[1].Cells[2], "(Rovers) v Albion");
}

TEST(GoalStats, FixedSizesOfTheTablesAreNoLimits) {
    LeagueBuilder b;
    b.Teams({"A", "B"});
    // 7 games with 25 hat-tricks each: 175 hat-tricks, 25 scorers in one game's tally.
    for (int game = 0; game < 7; ++game) {
        const int g = b.Played(1, 2, 75, 0, 40000 + game);
        for (int s = 0; s < 25; ++s) {
            const int p = b.Player("P" + std::to_string(game) + "-" + std::to_string(s), 1);
            for (int k = 0; k < 3; ++k)
                b.Goal(g, 1, p, 1 + k);
        }
    }
    const int big = b.Played(2, 1, 255, 0, 40100);
    const int star = b.Player("Star", 2);
    for (int k = 0; k < 260; ++k) // beyond an 8-bit counter
        b.Goal(big, 2, star, 1 + k % 90);
    for (int s = 0; s < 301; ++s) // more own-goal scorers than 300
        b.Goal(big, 2, b.Player("O" + std::to_string(s), 1), 5, true);
    const GoalStatsData d = GoalStats(b.Build(), 0, kLocale);

    EXPECT_EQ(d.HatTricks.size(), 176u);
    EXPECT_EQ(d.sgGoalsPerMatch.front().Cells[0], "260");
    EXPECT_EQ(d.lbTopScorers.front().Text, "260 Star (B)");
    EXPECT_EQ(d.sgOwnGoals.size(), 301u);
    EXPECT_EQ(d.sgTeamGoals[1].Cells, (Texts{"B", "8", "561", "525", "0", "0", "1"}));
}

TEST(GoalStats, GridOrdersKeepThePreviousOrderOnTies) {
    auto hat = [](int id, int goals, const char* name, const char* team, int date) {
        HatTrickRow r;
        r.Item.Player = id;
        r.Item.Goals = goals;
        r.Date = date;
        r.ScoringTeam = team;
        r.Cells = {std::to_string(goals), name, "", ""};
        return r;
    };
    std::vector<HatTrickRow> rows = {hat(0, 3, "bob", "Zeta", 10), hat(1, 4, "Al", "Alpha", 20),
                                     hat(2, 3, "BOB", "Alpha", 5), hat(3, 5, "Cy", "Zeta", 10)};
    // Header clicks in sequence; rows named a..d as above.
    const struct {
        int Key;
        std::string Order;
    } steps[] = {{1, "dbca"}, {2, "bcad"}, {3, "cbad"}, {4, "cadb"}, {9, "cadb"}};
    for (const auto& step : steps) {
        SortGoalsPerMatch(rows, step.Key);
        std::string order;
        for (const HatTrickRow& r : rows)
            order += static_cast<char>('a' + r.Item.Player);
        EXPECT_EQ(order, step.Order) << "key " << step.Key;
    }

    // Penalties: names by character code, so upper case sorts before lower case.
    std::vector<PlayerGoalsRow> pens = {{1, 2, 0, false, {"abe", "Albion", "2", "0"}},
                                        {2, 2, 1, false, {"Zed", "City", "2", "1"}},
                                        {3, 0, 1, false, {"Max", "City", "0", "1"}}};
    const struct {
        int Key;
        std::vector<int> Players;
    } penSteps[] = {{1, {3, 2, 1}}, {2, {1, 3, 2}}, {3, {2, 1, 3}}, {4, {3, 2, 1}}};
    for (const auto& step : penSteps) {
        SortPens(pens, step.Key);
        std::vector<int> players;
        for (const PlayerGoalsRow& r : pens)
            players.push_back(r.Player);
        EXPECT_EQ(players, step.Players) << "key " << step.Key;
    }

    std::vector<TeamGoalsRow> teams = {{1, 1, 5, 0, 0, 0, 0, false, {"City"}},
                                       {2, 1, 7, 0, 0, 0, 0, false, {"Albion"}},
                                       {3, 1, 5, 0, 0, 0, 0, false, {"Rovers"}}};
    SortTeamGoals(teams, 3);
    EXPECT_EQ((std::vector<int>{teams[0].Team, teams[1].Team, teams[2].Team}), (std::vector<int>{2, 1, 3}));
    SortTeamGoals(teams, 1);
    EXPECT_EQ((std::vector<int>{teams[0].Team, teams[1].Team, teams[2].Team}), (std::vector<int>{2, 1, 3}));
}

TEST(GoalTimes, BucketsByHalfLength) {
    const struct {
        int Half, Minute, Bucket, Count;
        Colour Fill;
    } cases[] = {
        {45, 1, 1, 19, kBlue},     {45, 45, 9, 19, kBlue},    {45, 46, 10, 19, kRed},
        {45, 90, 18, 19, kRed},    {45, 92, 19, 19, kYellow}, {44, 80, 16, 17, kRed},
        {44, 81, 17, 17, kYellow}, {10, 10, 10, 21, kBlue},   {15, 16, 6, 11, kRed},
        {35, 70, 14, 15, kRed},    {40, 81, 21, 21, kYellow}, {90, 200, 37, 37, kYellow},
        {0, 30, 1, 1, kYellow},    {45, 0, 0, 19, kBlack},
    };
    for (const auto& c : cases) {
        LeagueBuilder b;
        b.Teams({"A", "B"});
        b.Get().Head.HalfLength = static_cast<u8>(c.Half);
        const int g = b.Played(1, 2, 1, 1, 40000);
        b.Goal(g, 1, 0, c.Minute);
        b.Goal(g, 2, 0, 1); // not counted for team 1
        const GoalTimes t = GoalTimeBuckets(b.Build(), 0, 1);
        ASSERT_EQ(t.BucketCount, c.Count) << "half " << c.Half;
        std::vector<int> expected(static_cast<std::size_t>(c.Count) + 1, 0);
        if (c.Bucket > 0) {
            expected[static_cast<std::size_t>(c.Bucket)] = 1;
            EXPECT_EQ(BucketColour(c.Bucket, c.Count), c.Fill) << "minute " << c.Minute;
        }
        EXPECT_EQ(t.Counts, expected) << "half " << c.Half << " minute " << c.Minute;
    }
}

TEST(GoalTimes, ChartShapes) {
    GoalTimes t;
    t.BucketCount = 3;
    t.Counts = {0, 2, 0, 1};
    Texts shapes;
    for (const Shape& s : GoalGraph(t, 100, 50))
        shapes.push_back(DescribeShape(s));
    EXPECT_EQ(shapes, (Texts{"rect 0 0 33 50 blue", "line 35 49 64 49 black", "rect 66 25 99 50 yellow"}));
    t.Counts = {0, 0, 0, 0};
    EXPECT_TRUE(GoalGraph(t, 100, 50).empty());
}

TEST(GoalStats, WorldCup2018) {
    const League wc = test::BuildWorldCupLeague(test::DataDir() / "wc2018_results.csv",
                                                test::DataDir() / "wc2018_goals.csv");
    const GoalStatsData d = GoalStats(wc, kLeagueAndCup, kLocale);
    ASSERT_GE(d.lbTopScorers.size(), 3u);
    EXPECT_EQ(d.lbTopScorers[0].Text, "6 Harry Kane (England)");
    EXPECT_EQ(d.lbTopScorers[1].Text, "4 Antoine Griezmann (France)");
    EXPECT_EQ(d.lbTopScorers[2].Text, "4 Cristiano Ronaldo (Portugal)");
    Texts hatTricks;
    for (const HatTrickRow& r : d.sgGoalsPerMatch)
        hatTricks.push_back(r.Cells[1] + ": " + r.Cells[2]);
    EXPECT_EQ(hatTricks, (Texts{"Cristiano Ronaldo: (Portugal) v Spain", "Harry Kane: (England) v Panama"}));
    EXPECT_EQ(d.lbPenScored, "22");
    EXPECT_EQ(d.sgOwnGoals.size(), 12u);
}

} // namespace
} // namespace gorlin
