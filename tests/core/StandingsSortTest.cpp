#include "core/engine/SortRules.h"
#include "core/engine/Standings.h"
#include "support/LeagueBuilder.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

FillTableArgs All() {
    FillTableArgs a;
    a.FromDate = 0;
    a.ToDate = 100000;
    return a;
}

std::vector<int> Order(const Standings& s) {
    std::vector<int> v;
    for (int i = 1; i <= s.TableSize; ++i)
        v.push_back(s.TableOrder[static_cast<std::size_t>(i)]);
    return v;
}

std::vector<int> Ranked(League l, const std::string& rules, const FillTableArgs& args = All()) {
    l.Head.SortRules = rules;
    return Order(FillTable(l, args));
}

/// Three teams level on points whose head-to-head results go round in a circle: Beta beat
/// Alpha, Gamma beat Beta, Alpha beat Gamma. Delta has played nothing.
League Circle() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    b.Played(2, 1, 1, 0, 100);
    b.Played(3, 2, 1, 0, 101);
    b.Played(1, 3, 1, 0, 102);
    return b.Build();
}

} // namespace

TEST(SortRules, CatalogueDigitsAndNames) {
    EXPECT_STREQ(SortRuleName('1'), "Points total");
    EXPECT_STREQ(SortRuleName('6'), "Aggregate Points");
    EXPECT_STREQ(SortRuleName('9'), "Increment");
    EXPECT_EQ(SortRuleName('0'), nullptr);
    EXPECT_EQ(SortRuleDigit("Goal Average"), '8');
    EXPECT_EQ(SortRuleDigit("goal average"), '\0');
}

TEST(Ranking, TeamsLevelOnEveryRuleKeepTeamIndexOrder) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    b.Played(3, 1, 2, 1, 100); // Gamma and Delta win alike; Alpha and Beta lose alike
    b.Played(4, 2, 2, 1, 100);
    EXPECT_EQ(Ranked(b.Build(), "1234"), (std::vector<int>{3, 4, 1, 2}));
    EXPECT_EQ(Ranked(b.Build(), "123"), (std::vector<int>{3, 4, 1, 2}));
}

TEST(Ranking, HeadToHeadComparesNeighboursInTheBubblePassOrder) {
    const League l = Circle();
    // A mini-league would give each of the three 3 points and leave index order 1, 2, 3. The
    // passes compare Alpha with Beta first (Beta won: swap), then Alpha with Gamma (Alpha won:
    // stay), then Beta with Alpha again; Beta and Gamma never meet as neighbours, so Gamma
    // stays below Beta although it beat Beta.
    const Standings s = [&] {
        League copy = l;
        copy.Head.SortRules = "16";
        return FillTable(copy, All());
    }();
    EXPECT_EQ(Order(s), (std::vector<int>{2, 1, 3, 4}));
    EXPECT_EQ(AggregatePoints(l, s, 3, 2), 3);
    EXPECT_EQ(AggregatePoints(l, s, 2, 3), 0);

    // RuleSwap on its own: Gamma above Beta stays, Beta above Gamma would swap.
    League copy = l;
    copy.Head.SortRules = "16";
    Standings probe = s;
    probe.TableOrder[1] = 3;
    probe.TableOrder[2] = 2;
    EXPECT_FALSE(RuleSwap(copy, probe, 1));
    probe.TableOrder[1] = 2;
    probe.TableOrder[2] = 3;
    EXPECT_TRUE(RuleSwap(copy, probe, 1));
    EXPECT_FALSE(RuleSwap(copy, probe, 0)); // outside the table
    EXPECT_FALSE(RuleSwap(copy, probe, 4));
}

TEST(Ranking, HeadToHeadUsesOnlyCountedGames) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    b.Played(2, 1, 1, 0, 1); // Beta beat Alpha long ago
    b.Played(1, 3, 1, 0, 5);
    b.Played(3, 1, 0, 1, 6);
    b.Played(2, 3, 1, 0, 5);
    b.Played(3, 2, 0, 1, 6);
    const League l = b.Build();
    FillTableArgs form = All();
    form.Content = kCurrentForm;
    form.FormGames = 2;
    League copy = l;
    copy.Head.SortRules = "16";
    const Standings s = FillTable(copy, form);
    EXPECT_FALSE(s.GameCounted[1]); // outside both form windows
    EXPECT_EQ(Order(s), (std::vector<int>{1, 2, 3}));
    // With every game counted Beta's win over Alpha tells them apart.
    EXPECT_EQ(Ranked(l, "6"), (std::vector<int>{2, 1, 3}));

    FillTableArgs late = All();
    late.FromDate = 5;
    EXPECT_EQ(Ranked(l, "16", late), (std::vector<int>{1, 2, 3}));
}

TEST(Ranking, TeamNameRuleAlwaysDecides) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    b.Played(3, 1, 5, 0, 100);
    b.Played(2, 1, 5, 0, 101);
    // "41": points never take effect.
    EXPECT_EQ(Ranked(b.Build(), "41"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Ranked(b.Build(), "14"), (std::vector<int>{2, 3, 1}));
}

TEST(Ranking, CharactersOtherThanRuleDigitsAreIgnored) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    b.Played(1, 3, 1, 0, 100); // Alpha: 3 points, difference +1
    b.Played(2, 3, 0, 0, 100); // Beta: 2 points, difference 0
    b.Played(3, 2, 0, 0, 101);
    b.Get().Teams[2].PointsAdjust = 4; // Beta ahead on points only
    const League l = b.Build();
    EXPECT_EQ(Ranked(l, "x0 2"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Ranked(l, "x0 1"), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(Ranked(l, ""), (std::vector<int>{1, 2, 3}));
}

TEST(Ranking, GoalAverageWinsPossiblePointsAndIncrement) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    b.Played(1, 3, 10, 8, 100); // Alpha 10/8: average 1.25, difference +2
    b.Played(2, 4, 2, 1, 100);  // Beta 2/1: average 2.0, difference +1
    League l = b.Build();
    EXPECT_EQ(Ranked(l, "2"), (std::vector<int>{1, 2, 4, 3}));
    EXPECT_EQ(Ranked(l, "8"), (std::vector<int>{2, 1, 3, 4})); // 2.0, 1.25, 0.8, 0.5

    l.Teams[4].Increment = 9;
    l.Teams[3].Increment = 2;
    EXPECT_EQ(Ranked(l, "9"), (std::vector<int>{4, 3, 1, 2}));
    FillTableArgs home = All();
    home.Side = kHomeOnly; // Increment takes part only in the plain table
    EXPECT_EQ(Ranked(l, "9", home), (std::vector<int>{1, 2, 3, 4}));

    // Wins: Gamma and Delta have none; possible points favour those with games left.
    EXPECT_EQ(Ranked(l, "7"), (std::vector<int>{1, 2, 3, 4}));
    l.Teams[3].PointsAdjust = 5;
    EXPECT_EQ(Ranked(l, "5"), (std::vector<int>{3, 1, 2, 4}));
}

TEST(Ranking, ComparesPointsAsSigned) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    b.Get().Teams[1].PointsAdjust = -3;
    b.Get().Teams[2].PointsAdjust = 2;
    EXPECT_EQ(Ranked(b.Build(), "1"), (std::vector<int>{2, 1}));
}
