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

/// The games the goals, the squads and the missed penalties refer to.
std::string Links(const League& l) {
    std::string out;
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        out += std::to_string(l.Goals[static_cast<std::size_t>(i)].Game) + " ";
    out += "|";
    for (int i = 1; i <= l.Head.SquadCount; ++i)
        out += " " + std::to_string(l.Squads[static_cast<std::size_t>(i)].Game);
    out += " |";
    for (int i = 1; i <= l.Head.MissedPenCount; ++i)
        out += " " + std::to_string(l.MissedPens[static_cast<std::size_t>(i)].Game);
    return out + " ";
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

TEST(ModelOps, DeletingOrInsertingAGameRenumbersLaterLinks) {
    League l = TenGames();
    EXPECT_EQ(Links(l), "4 4 5 5 6 6 | 4 5 6 | 4 5 6 ");
    const GameRec sixth = l.Games[6];
    DeleteGoals(l, 5);
    DeletePens(l, 5);
    l.Games[5].HomeSquad = 0;
    DeleteSquad(l, 2);
    MoveGamesUp(l, 6);
    l.Head.GameCount = 9;
    EXPECT_EQ(+l.Games[5].Date, +sixth.Date);
    EXPECT_EQ(Links(l), "4 4 5 5 | 4 5 | 4 5 ") << "game 6 became 5";
    EXPECT_EQ(+l.Games[5].HomeSquad, 2) << "squad 3 became 2";

    League inserted = TenGames();
    MoveGamesDown(inserted, 5);
    inserted.Head.GameCount = 11;
    EXPECT_EQ(+inserted.Games[5].HomeTeam, 0);
    EXPECT_EQ(Links(inserted), "4 4 6 6 7 7 | 4 6 7 | 4 6 7 ");
}

TEST(ModelOps, AddGoalGrowsTheArrayAndKeepsOrderOnDelete) {
    League l = MakeEmptyLeague();
    for (int i = 1; i <= 100; ++i)
        ASSERT_TRUE(AddGoal(l, 1 + i % 3, 1, 0, i, false, false));
    EXPECT_EQ(+l.Head.GoalCount, 100);
    EXPECT_GE(l.Goals.size(), 101u);
    DeleteGoals(l, 2);
    ASSERT_EQ(+l.Head.GoalCount, 66);
    for (int i = 1; i <= 66; ++i) // the goals of games 1 and 3 in their order: minutes 2, 3, 5, 6, ...
        ASSERT_EQ(+l.Goals[static_cast<std::size_t>(i)].Minute, i + (i + 1) / 2) << i;
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
