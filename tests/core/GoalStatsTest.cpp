#include "core/engine/GoalStats.h"

#include "core/engine/GameFilter.h"
#include "core/engine/StatsLookup.h"
#include "core/model/Text.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"
#include "support/WorldCup.h"

#include <algorithm>
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
    const League league = b.Build();
    const GoalStatsData d = GoalStats(league, 0);

    EXPECT_EQ(d.lbPenScored, "2");
    EXPECT_EQ(d.lbPenMissed, "1");
    EXPECT_EQ(d.PensAwarded, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(d.PensConceded, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(d.lbPenAward, "2 (Albion)");
    EXPECT_EQ(d.lbPenCon, "2 (Rovers)");
    ASSERT_EQ(d.Scorers.size(), 2u); // no entry for player 0
    ASSERT_EQ(d.sgPens.size(), 2u);
    EXPECT_EQ(PlayerGoalsCells(league, d.sgPens[0], 4), (Texts{"Jones", "Albion", "1", "0"}));
    ASSERT_EQ(d.sgTeamGoals.size(), 2u);
    EXPECT_EQ(TeamGoalsCells(league, d.sgTeamGoals[1]), (Texts{"Rovers", "1", "2", "1", "2", "0", "0"}));
}

TEST(GoalStats, AGoalCreditedToNeitherSideCountsForItsTeamAndAgainstTheHomeSide) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"});
    const int g = b.Played(1, 2, 1, 1, 40000);
    b.Goal(g, 1, 0, 10);
    b.Goal(g, 2, 0, 20, true);       // an own goal by a Rovers player
    b.Goal(g, 3, 0, 30, true, true); // City did not play
    const League league = b.Build();
    const GoalStatsData d = GoalStats(league, 0);

    ASSERT_EQ(d.sgTeamGoals.size(), 3u);
    EXPECT_EQ(TeamGoalsCells(league, d.sgTeamGoals[0]), (Texts{"Albion", "1", "1", "1", "0", "0", "0"}));
    EXPECT_EQ(TeamGoalsCells(league, d.sgTeamGoals[1]), (Texts{"City", "0", "1", "0", "1", "0", "0"}));
    EXPECT_EQ(TeamGoalsCells(league, d.sgTeamGoals[2]), (Texts{"Rovers", "1", "1", "2", "0", "2", "0"}));
}

TEST(GoalStats, PenaltyRowsGoByNameThenByTableOrder) {
    // "al" sorts after "Smith" by character code but before it in upper case: the rows are then
    // ranked by a sort rather than taken in upper-case order.
    for (const std::string other : {"Al", "al"}) {
        LeagueBuilder b;
        b.Teams({"Rovers", "Albion"});
        const int g = b.Played(1, 2, 4, 0, 40000);
        const int fewer = b.Player("Smith", 1);
        const int more = b.Player("Smith", 1);
        const int third = b.Player(other, 1);
        b.Goal(g, 1, fewer, 10, false, true);
        b.Goal(g, 1, more, 20, false, true);
        b.Goal(g, 1, more, 30);
        b.Goal(g, 1, third, 40, false, true);
        const GoalStatsData d = GoalStats(b.Build(), 0);

        std::vector<int> rows;
        for (const PlayerGoalsRow& r : d.sgPens)
            rows.push_back(r.Player);
        EXPECT_EQ(rows, other == "Al" ? (std::vector<int>{third, more, fewer})
                                      : (std::vector<int>{more, fewer, third}));
    }
}

TEST(GoalStats, TiedPenaltyCountsShowTheLowerTeamIndex) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"});
    const int g = b.Played(3, 2, 1, 1, 40000);
    b.Goal(g, 3, b.Player("Cole", 3), 5, false, true);
    b.Goal(g, 2, b.Player("Amos", 2), 50, false, true);
    const GoalStatsData d = GoalStats(b.Build(), 0);
    EXPECT_EQ(d.lbPenAward, "1 (Albion)");
    EXPECT_EQ(d.lbPenCon, "1 (Albion)");

    const GoalStatsData none = GoalStats(LeagueBuilder().Build(), 0);
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
    // 70 scorers of two goals each: more scorers than a run's quick check tells apart, and still
    // no hat-trick.
    const int g5 = b.Played(1, 2, 140, 0, 40035);
    for (int s = 0; s < 70; ++s) {
        const int p = b.Player("Twice" + std::to_string(s), 1);
        b.Goal(g5, 1, p, 1);
        b.Goal(g5, 1, p, 2);
    }
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

    const GoalStatsData d = GoalStats(league, 0);
    ASSERT_EQ(d.sgGoalsPerMatch.size(), 3u);
    EXPECT_EQ(HatTrickCells(league, d.sgGoalsPerMatch[0], kLocale),
              (Texts{"4", "Kane", "Albion v (Rovers)", "13/07/2009"}));
    EXPECT_EQ(HatTrickCell(league, d.sgGoalsPerMatch[1], 2, kLocale), "(Rovers) v Albion");
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
    const League league = b.Build();
    const GoalStatsData d = GoalStats(league, 0);

    EXPECT_EQ(d.HatTricks.size(), 176u);
    EXPECT_EQ(d.sgGoalsPerMatch.front().Item.Goals, 260);
    EXPECT_EQ(TopScorerText(league, d.Scorers.front()), "260 Star (B)");
    EXPECT_EQ(d.TopScorerCount, 176);
    EXPECT_EQ(d.sgOwnGoals.size(), 301u);
    EXPECT_EQ(TeamGoalsCells(league, d.sgTeamGoals[1]), (Texts{"B", "8", "561", "525", "0", "0", "1"}));
}

TEST(GoalStats, NameRanksByCharacterCodeOrUpperCase) {
    const std::vector<std::string_view> names = {"bob", "Al", "BOB",       "Cy",    "abe",
                                                 "Zed", "",   "Albertina", "Albert"};
    EXPECT_EQ(RankNames(names, false), (std::vector<int>{8, 1, 4, 5, 7, 6, 0, 3, 2}));
    EXPECT_EQ(RankNames(names, true), (std::vector<int>{5, 2, 5, 6, 1, 7, 0, 4, 3}));

    // Many names alike over more than eight characters, zero and high bytes included: ranks agree
    // with a plain comparison of every pair.
    std::vector<std::string> store;
    unsigned seed = 7;
    for (int i = 0; i < 400; ++i) {
        std::string name = i % 3 ? "Alexander " : "";
        for (int k = static_cast<int>((seed = seed * 1103515245u + 12345u) >> 28); k > 0; --k)
            name += "aAbZ_ \0\xe9"[(seed = seed * 1103515245u + 12345u) >> 29];
        store.push_back(name);
    }
    const std::vector<std::string_view> many(store.begin(), store.end());
    for (const bool upper : {false, true}) {
        std::vector<int> order;
        const std::vector<int> ranks = RankNames(many, upper, &order);
        ASSERT_EQ(order.size(), many.size());
        for (std::size_t k = 1; k < order.size(); ++k) {
            const auto a = static_cast<std::size_t>(order[k - 1]);
            const auto b = static_cast<std::size_t>(order[k]);
            ASSERT_TRUE(ranks[a] < ranks[b] || (ranks[a] == ranks[b] && a < b)) << k;
        }
        for (std::size_t i = 0; i < many.size(); ++i)
            for (std::size_t j = 0; j < many.size(); ++j) {
                const int c = upper ? CompareNoCase(many[i], many[j]) : many[i].compare(many[j]);
                ASSERT_EQ(ranks[i] < ranks[j], c < 0) << i << " " << j;
                ASSERT_EQ(ranks[i] == ranks[j], c == 0) << i << " " << j;
            }
    }
}

TEST(GoalStats, GridOrdersKeepThePreviousOrderOnTies) {
    // Hat-tricks a..d: goals, upper-case name rank, scoring team rank, date.
    auto hat = [](int id, int goals, int name, int team, int date) {
        HatTrickRow r;
        r.Item.Player = id;
        r.Item.Goals = goals;
        r.NameRank = name;
        r.TeamRank = team;
        r.Date = date;
        return r;
    };
    std::vector<HatTrickRow> rows = {hat(0, 3, 1, 1, 10), hat(1, 4, 0, 0, 20), hat(2, 3, 1, 0, 5),
                                     hat(3, 5, 2, 1, 10)};
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

    // Penalties through GoalStats: names by character code, so upper case sorts before lower.
    LeagueBuilder b;
    b.Teams({"City", "Albion"});
    const int g = b.Played(1, 2, 2, 2, 40000);
    const int abe = b.Player("abe", 2);
    const int zed = b.Player("Zed", 1);
    const int max = b.Player("Max", 1);
    b.Goal(g, 2, abe, 1, false, true);
    b.Goal(g, 2, abe, 2, false, true);
    b.Goal(g, 1, zed, 3, false, true);
    b.Goal(g, 1, zed, 4, false, true);
    b.MissedPen(g, zed, 1, 5);
    b.MissedPen(g, max, 1, 6);
    b.Goal(g, 1, max, 7);
    GoalStatsData d = GoalStats(b.Build(), 0);
    const struct {
        int Key;
        std::vector<int> Players;
    } penSteps[] = {{1, {max, zed, abe}}, {2, {abe, max, zed}}, {3, {zed, abe, max}}, {4, {max, zed, abe}}};
    for (const auto& step : penSteps) {
        SortPens(d.sgPens, step.Key);
        std::vector<int> players;
        for (const PlayerGoalsRow& r : d.sgPens)
            players.push_back(r.Player);
        EXPECT_EQ(players, step.Players) << "key " << step.Key;
    }
    SortTeamGoals(d.sgTeamGoals, 6); // OG's all 0: by name
    EXPECT_EQ(d.sgTeamGoals[0].Team, 2);
    SortTeamGoals(d.sgTeamGoals, 3);
    EXPECT_EQ(d.sgTeamGoals[0].Team, 1); // most goals for
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
        const League league = b.Build();
        const GoalTimes t = GoalTimeBuckets(league, 0, 1);
        EXPECT_EQ(GoalStats(league, 0).Times.Counts[static_cast<std::size_t>(std::max(c.Bucket, 1))],
                  GoalTimeBuckets(league, 0, 0).Counts[static_cast<std::size_t>(std::max(c.Bucket, 1))]);
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
    const GoalStatsData d = GoalStats(wc, kLeagueAndCup);
    ASSERT_GE(d.TopScorerCount, 3);
    EXPECT_EQ(TopScorerText(wc, d.Scorers[0]), "6 Harry Kane (England)");
    EXPECT_EQ(TopScorerText(wc, d.Scorers[1]), "4 Antoine Griezmann (France)");
    EXPECT_EQ(TopScorerText(wc, d.Scorers[2]), "4 Cristiano Ronaldo (Portugal)");
    Texts hatTricks;
    for (const HatTrickRow& r : d.sgGoalsPerMatch)
        hatTricks.push_back(HatTrickCell(wc, r, 1, kLocale) + ": " + HatTrickCell(wc, r, 2, kLocale));
    EXPECT_EQ(hatTricks, (Texts{"Cristiano Ronaldo: (Portugal) v Spain", "Harry Kane: (England) v Panama"}));
    EXPECT_EQ(d.lbPenScored, "22");
    EXPECT_EQ(d.sgOwnGoals.size(), 12u);
}

} // namespace
} // namespace gorlin
