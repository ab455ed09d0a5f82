#include "core/engine/Prediction.h"

#include "core/engine/Standings.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace gorlin {
namespace {

const GameRec& Game(const League& league, int g) {
    return league.Games[static_cast<std::size_t>(g)];
}

TEST(Prediction, ScoreFromStrengthsAndGoals) {
    // With N = 5 the base goals are the GoalsFor figures div 10, so 10 * base gives the base.
    struct Case {
        int HomeRank, HomeForm, AwayRank, AwayForm, BaseHome, BaseAway;
        PredictedScore Want;
    } cases[] = {
        {0, 40, 0, 44, 2, 1, {2, 2}},  // 84 div 10 = 8 >= 4: a draw at the base home goals
        {0, 120, 0, 10, 2, 1, {4, 1}}, // diff 110 adds 2
        {0, 10, 0, 120, 2, 1, {2, 3}}, // to whichever side is stronger
        {0, 61, 0, 10, 2, 1, {3, 1}},  // diff 51 adds 1 (50 would add none)
        {0, 10, 0, 30, 1, 1, {1, 2}},  // one goal behind the stronger away side
        {0, 30, 0, 10, 0, 3, {4, 3}},  // however far behind its base was
        {20, 24, 0, 40, 1, 1, {1, 2}}, // RankScore counts a third: 30 against 40
    };
    for (const Case& k : cases) {
        const TeamForm home{k.HomeRank, {k.HomeForm, 10 * k.BaseHome, 0}, {}};
        const TeamForm away{k.AwayRank, {}, {k.AwayForm, 10 * k.BaseAway, 0}};
        const PredictedScore got = PredictScore(home, away, 5);
        EXPECT_EQ(got, k.Want) << k.HomeForm << " v " << k.AwayForm << ": " << got.HomeGoals << "-"
                               << got.AwayGoals;
    }
}

TEST(Prediction, FormWeightsLatestGamesByVenue) {
    test::LeagueBuilder b;
    b.Teams({"Ash", "Birch"});
    b.Played(1, 2, 1, 1, 200); // Birch away, latest first: win (300), draw (200), defeat (100)
    b.Played(1, 2, 0, 3, 50);
    b.Played(1, 2, 0, 2, 300);
    b.Played(1, 2, 2, 0, 100);
    for (int day : {30, 10, 20})
        b.Played(1, 2, 1, 0, day);
    const League l = b.Build();

    const PredictionBasis three = ComputePredictionBasis(l, 3, 400);
    const VenueForm& birch = three.Teams[2].Away;
    EXPECT_EQ(birch.FormScore, 28);               // 5 * 4 + 4 * 2 + 3 * 0
    EXPECT_EQ(three.Teams[1].Home.FormScore, 13); // home points 0, 1, 3
    EXPECT_EQ(three.Teams[1].RankScore, 2);
    EXPECT_EQ(three.Teams[2].RankScore, 1);
    // Weights end at 1: 5*0 + 4*1 + 3*3 + 2*0 + 1*3 + 1*3 + 1*3.
    EXPECT_EQ(ComputePredictionBasis(l, 10, 400).Teams[1].Home.FormScore, 22);
}

/// Two teams with three home and three away games each; game 7 a league fixture predicted 7-7,
/// game 8 an open one, game 9 a cup fixture.
League SmallLeague() {
    test::LeagueBuilder b;
    b.Teams({"Ash", "Birch"}).OtherTeams({"Elm"}).Comp("Shield", "SHD");
    for (int day = 1; day <= 3; ++day) {
        b.Played(1, 2, 2, 0, day);
        b.Played(2, 1, 1, 1, 10 + day);
    }
    b.Fixture(1, 2, 0, true, 7, 7);
    b.Fixture(2, 1, 0);
    const int cup = b.CupGame(1, 3, 0, 0, 0);
    League l = b.Build();
    l.Games[static_cast<std::size_t>(cup)].Played = 0;
    return l;
}

TEST(Prediction, WhatToPredict) {
    struct Case {
        int What, Selected, Count;
        bool FirstKept; // the 7-7 prediction of game 7 stays
    } cases[] = {
        {kPredictAll, 0, 2, false},
        {kPredictNonPredicted, 0, 1, true},
        {kPredictSelected, 8, 1, true},
        {kPredictSelected, 9, 0, true}, // a cup fixture: never
    };
    for (const Case& k : cases) {
        League l = SmallLeague();
        const Expected<int> count = PredictResults(l, {k.What, 3, k.Selected, 100});
        ASSERT_TRUE(count.ok()) << count.error().Message;
        EXPECT_EQ(*count, k.Count) << k.What << " " << k.Selected;
        EXPECT_EQ(Game(l, 7).HomeGoals == 7 && Game(l, 7).AwayGoals == 7, k.FirstKept) << k.What;
        EXPECT_EQ(Game(l, 8).Predicted, k.Count == 2 || k.Selected == 8 || k.What == kPredictNonPredicted);
        EXPECT_EQ(Game(l, 9).Predicted, 0);
        EXPECT_EQ(l.DataChanged, k.Count > 0);
    }
}

TEST(Prediction, MatchLimitsAndEnablingCondition) {
    League l = SmallLeague();
    EXPECT_EQ(PredictMatchesMax(l), 3);
    for (int n : {2, 4})
        EXPECT_EQ(PredictResults(l, {kPredictAll, n, 0, 100}).error().Message,
                  "The number of matches to consider must be between 3 and 3");
    EXPECT_EQ(AutoPredict(l, {kPredictAll, 3, 0, 100}).error().Message, kMsgTooFewGamesToPredict);
    EXPECT_EQ(AutoEnabled(l, 0).Message, kMsgNoFixturesToPredict);
    EXPECT_EQ(PredictMatchesMax(test::LeagueBuilder().Build()), 10);
}

TEST(Prediction, HalfSeasonIsPredictedToTheEndTheSameWayTwice) {
    League l = test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Season");
    ASSERT_EQ(l.Head.GameCount, 380);
    for (std::size_t g = 191; g <= 380; ++g)
        l.Games[g].Played = l.Games[g].HomeGoals = l.Games[g].AwayGoals = 0;
    UpdateGameEx(l, 0);
    const int today = GameDay(Game(l, 190));
    const Expected<int> first = AutoPredict(l, {kPredictAll, 5, 0, today});
    ASSERT_TRUE(first.ok()) << first.error().Message;
    EXPECT_EQ(*first, 190);
    auto fixtures = [&l] { // flag and score of every fixture
        std::vector<int> v;
        for (std::size_t g = 191; g <= 380; ++g)
            v.push_back(l.Games[g].Predicted * 10000 + l.Games[g].HomeGoals * 100 + l.Games[g].AwayGoals);
        return v;
    };
    const std::vector<int> once = fixtures();
    EXPECT_TRUE(std::all_of(once.begin(), once.end(), [](int f) { return f >= 10000; }));
    EXPECT_GT(std::set<int>(once.begin(), once.end()).size(), 3u); // not one score for all
    ASSERT_TRUE(AutoPredict(l, {kPredictAll, 5, 0, today}).ok());
    EXPECT_EQ(fixtures(), once);

    FillTableArgs predicted;
    predicted.Content = kPlayedPredicted;
    predicted.ToDate = 99999;
    const Standings table = FillTable(l, predicted);
    for (int t = 1; t <= 20; ++t)
        EXPECT_EQ(table.TeamTotals[static_cast<std::size_t>(t)].Played, 38) << t;
}

} // namespace
} // namespace gorlin
