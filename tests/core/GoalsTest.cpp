#include "core/edit/Goals.h"

#include "core/edit/ResultEntry.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

constexpr int kDay = 43000;

struct Asked {
    int Team;
    int Number;
    std::string Heading;
    friend bool operator==(const Asked&, const Asked&) = default;
};

/// A prompt that notes each question.
GoalPrompt Noting(std::vector<Asked>& asked) {
    return [&asked](League& l, int goal, int number) {
        asked.push_back(
            {l.Goals[static_cast<std::size_t>(goal)].TeamFor, number, GoalTexts(l, goal, number).Heading});
    };
}

} // namespace

TEST(RecordGoals, TrackGoalsAsksForEachGoalWithItsNumber) {
    for (const bool track : {true, false}) {
        LeagueBuilder b;
        b.Teams({"Alpha", "Bravo"});
        b.Fixture(1, 2, kDay);
        League l = b.Build();
        l.Head.TrackGoals = track ? 1 : 0;
        std::vector<Asked> asked;
        ResultEntry entry(l, kDay);
        entry.ChooseTeam(1);
        entry.ChooseTeam(2);
        ASSERT_TRUE(entry.Record({3, 1, "0", 0, ""}, Noting(asked)).ok());
        const std::vector<Asked> expected = {{1, 1, "Goal 1 for Alpha"},
                                             {1, 2, "Goal 2 for Alpha"},
                                             {1, 3, "Goal 3 for Alpha"},
                                             {2, 1, "Goal 1 for Bravo"}};
        EXPECT_EQ(asked, track ? expected : std::vector<Asked>{});
        EXPECT_EQ(+l.Head.GoalCount, 4);
    }
}

TEST(GoalDialog, ScorerListOrder) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    const int zed = b.Player("Zed", 1);
    const int amy = b.Player("Amy", 1);
    const int max = b.Player("Max", 1);
    const int bob = b.Player("Bob", 2);
    const int abe = b.Player("Abe", 2);
    const int moved = b.Player("Gone", 0);
    b.Played(1, 2, 3, 2, kDay);
    b.Played(2, 1, 0, 2, kDay + 7);
    b.Goal(1, 1, zed);
    b.Goal(1, 1, max);
    b.Goal(1, 1, zed, 0, true); // own goal by Zed for Alpha: not counted for Zed
    b.Goal(1, 2, bob);
    const int open = b.Goal(1, 2, 0, 0, true); // an unassigned own goal for Bravo
    b.Goal(2, 1, moved);
    const int current = b.Goal(2, 1, max);
    b.Goal(2, 1, amy);
    League l = b.Build();

    struct Case {
        int Goal;
        bool OwnGoal;
        bool KeepCurrent;
        std::vector<int> Players;
        int Selected;
    };
    const std::vector<Case> cases = {
        {current, false, true, {max, amy, zed}, 0},  // Max scored twice; Amy and Zed tie: by name
        {current, true, false, {abe, bob}, -1},      // own goal: Bravo's players by name
        {open, true, false, {amy, max, zed}, -1},    // own goal for Bravo lists Alpha's players
        {6, false, true, {max, amy, zed, moved}, 3}, // a scorer who moved on is added and selected
        {6, false, false, {max, amy, zed}, -1},
    };
    for (const Case& c : cases) {
        const ScorerList list = GoalScorers(l, c.Goal, c.OwnGoal, c.KeepCurrent);
        EXPECT_EQ(list.Players, c.Players) << c.Goal << c.OwnGoal;
        EXPECT_EQ(list.Selected, c.Selected) << c.Goal << c.OwnGoal;
    }

    // OK keeps a scorer who moved on, and refuses values outside the dialog's ranges.
    EXPECT_TRUE(StoreGoal(l, 6, {false, true, 88, moved}).Ok);
    EXPECT_EQ(+l.Goals[6].Scorer, moved);
    EXPECT_EQ(+l.Goals[6].Penalty, 1);
    EXPECT_FALSE(StoreGoal(l, 6, {false, false, 121, moved}).Ok);
    EXPECT_FALSE(StoreGoal(l, 6, {false, false, 10, 99}).Ok);
    EXPECT_FALSE(StoreGoal(l, 99, {}).Ok);
}

TEST(RecordGoals, RefusesGoalsBeyondTheGoalCount) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    b.Fixture(1, 2, kDay);
    League l = b.Build();
    l.Head.GoalCount = 65534;
    l.Goals.resize(65540);
    ResultEntry entry(l, kDay);
    entry.ChooseTeam(1);
    entry.ChooseTeam(2);
    EXPECT_EQ(entry.Record({1, 1, "0", 0, ""}).error().Message, "No more goals can be added to this league");
    EXPECT_EQ(+l.Games[1].Played, 0);
    EXPECT_TRUE(entry.Record({1, 0, "0", 0, ""}).ok());
    EXPECT_EQ(+l.Head.GoalCount, 65535);
}
