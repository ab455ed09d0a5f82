#include "core/model/League.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

League TenGames() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    for (int i = 1; i <= 10; ++i)
        b.Played(1 + i % 4, 1 + (i + 1) % 4, i % 3, 1, 40000 + i);
    // Two goals, a squad and a missed penalty on games 4, 5 and 6.
    for (int g : {4, 5, 6}) {
        b.Goal(g, 1, 0, 10);
        b.Goal(g, 2, 0, 20, false, true);
        b.Squad(g, b.Get().Games[static_cast<std::size_t>(g)].HomeTeam, {});
        b.MissedPen(g, 0, 1, 30);
    }
    return b.Build();
}

} // namespace

TEST(ModelOps, OutcomeFollowsAwardBeforeGoals) {
    for (auto [home, away, awarded, outcome] :
         {std::tuple{3, 1, 0, 1}, {3, 1, 2, 2}, {3, 3, 0, 0}, {3, 4, 0, 2}, {0, 4, 1, 1}}) {
        GameRec g{};
        g.HomeGoals = static_cast<u8>(home);
        g.AwayGoals = static_cast<u8>(away);
        g.Awarded = static_cast<u8>(awarded);
        EXPECT_EQ(+GameOutcome(g), outcome) << home << "-" << away << " awarded " << awarded;
    }
    League l = TenGames();
    l.Games[7].Awarded = 2;
    UpdateGameEx(l, 0);
    EXPECT_EQ(+l.Games[7].Outcome, 2);
}

TEST(ModelOps, DeletingGameFiveRenumbersLaterLinks) {
    League l = TenGames();
    const GameRec sixth = l.Games[6];
    DeleteGoals(l, 5);
    DeletePens(l, 5);
    for (int s = l.Head.SquadCount; s >= 1; --s)
        if (l.Squads[static_cast<std::size_t>(s)].Game == 5) {
            l.Games[5].HomeSquad = 0;
            DeleteSquad(l, s);
        }
    MoveGamesUp(l, 6);
    l.Head.GameCount = 9;

    EXPECT_EQ(+l.Games[5].HomeTeam, +sixth.HomeTeam);
    EXPECT_EQ(+l.Games[5].Date, +sixth.Date);
    ASSERT_EQ(+l.Head.GoalCount, 4);
    EXPECT_EQ(+l.Goals[1].Game, 4); // goals of game 4 keep their index
    EXPECT_EQ(+l.Goals[2].Game, 4);
    EXPECT_EQ(+l.Goals[3].Game, 5); // game 6 became 5
    EXPECT_EQ(+l.Goals[4].Game, 5);
    ASSERT_EQ(+l.Head.SquadCount, 2);
    EXPECT_EQ(+l.Squads[2].Game, 5);
    EXPECT_EQ(+l.Games[5].HomeSquad, 2); // squad 3 became 2
    ASSERT_EQ(+l.Head.MissedPenCount, 2);
    EXPECT_EQ(+l.MissedPens[1].Game, 4);
    EXPECT_EQ(+l.MissedPens[2].Game, 5);
}

TEST(ModelOps, InsertingGameRaisesLaterLinks) {
    League l = TenGames();
    MoveGamesDown(l, 5);
    l.Head.GameCount = 11;
    EXPECT_EQ(+l.Games[5].HomeTeam, 0);
    EXPECT_EQ(+l.Goals[1].Game, 4);
    EXPECT_EQ(+l.Goals[3].Game, 6);
    EXPECT_EQ(+l.Goals[5].Game, 7);
    EXPECT_EQ(+l.Squads[2].Game, 6);
    EXPECT_EQ(+l.MissedPens[3].Game, 7);
}

TEST(ModelOps, AddGoalGrowsTheArrayAndKeepsOrderOnDelete) {
    League l = MakeEmptyLeague();
    for (int i = 1; i <= 100; ++i)
        ASSERT_TRUE(AddGoal(l, 1 + i % 3, 1, 0, i, false, false));
    EXPECT_EQ(+l.Head.GoalCount, 100);
    EXPECT_GE(l.Goals.size(), 101u);
    DeleteGoals(l, 2);
    ASSERT_EQ(+l.Head.GoalCount, 66);
    int lastMinute = 0;
    for (int i = 1; i <= 66; ++i) {
        EXPECT_NE(+l.Goals[static_cast<std::size_t>(i)].Game, 2);
        EXPECT_GT(+l.Goals[static_cast<std::size_t>(i)].Minute, lastMinute);
        lastMinute = l.Goals[static_cast<std::size_t>(i)].Minute;
    }
}

TEST(ModelOps, ReservedEntries) {
    League l = MakeEmptyLeague();
    EXPECT_EQ(l.Teams[0].Name.str(), "Transferred-Out");
    EXPECT_EQ(l.Comps[0].Name.str(), "League Game");
    EXPECT_EQ(l.Comps[0].ShortName.str(), "LGE");
}

TEST(PString, CutsToCapacityAndKeepsBytesPastTheLength) {
    PString<5> s;
    s = "Arsenal";
    EXPECT_EQ(s.str(), "Arsen");
    s = "AB";
    EXPECT_EQ(s.str(), "AB");
    EXPECT_EQ(s.Data[2], 's'); // left as it stood
    s.Len = 200;               // damaged length never reads past the capacity
    EXPECT_EQ(s.size(), 5u);
}
