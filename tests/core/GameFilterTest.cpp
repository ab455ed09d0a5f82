#include "core/engine/GameFilter.h"

#include "core/edit/TeamList.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

League CupLeague() {
    test::LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"}).OtherTeams({"Athletic"});
    b.Comp("FA Cup", "FAC").Comp("League Cup", "LC");
    b.Played(1, 2, 1, 0, 40000);
    b.CupGame(1, 4, 2, 2, 40001, 2);
    return b.Build();
}

TEST(GameFilter, PassesByCompetition) {
    struct Case {
        int Comp, GameType;
        bool Passes;
    } cases[] = {{0, 0, true},  {1, 0, false}, {0, 1, true},  {2, 1, true},
                 {0, 2, false}, {1, 2, true},  {2, 2, false}, {2, 3, true}};
    for (const Case& c : cases)
        EXPECT_EQ(PassesGameFilter(c.Comp, c.GameType), c.Passes) << c.Comp << " under " << c.GameType;
}

TEST(GameFilter, ItemsAndResetPastTheEnd) {
    League league = CupLeague();
    EXPECT_EQ(GameFilterItems(league),
              (std::vector<std::string>{"League Games Only", "League and Cup", "FA Cup", "League Cup"}));
    league.Head.GameType = 3;
    EXPECT_EQ(SelectGameFilter(league), 3);
    league.Head.GameType = 4;
    EXPECT_EQ(SelectGameFilter(league), 0);
    EXPECT_EQ(league.Head.GameType, 0);
}

TEST(GameFilter, TeamsByNameWithOtherTeamsOnlyBeyondLeagueGames) {
    const League league = CupLeague();
    EXPECT_EQ(FilterTeams(league, 0), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(FilterTeams(league, 3), (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(LastGameForFilter(league, 0), 1);
    EXPECT_EQ(LastGameForFilter(league, 2), 2);
}

TEST(TeamList, ItemsOwnTeamAndExactLookup) {
    League league = CupLeague();
    league.Head.OwnTeam = 3;
    const auto items = TeamListItems(league, true);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].Text, " [All Teams]");
    EXPECT_EQ(items[1].Text, "Transferred-Out");
    EXPECT_EQ(items[5].Team, 4);
    EXPECT_EQ(TeamListInitialItem(league, items), 4);
    EXPECT_EQ(GetTeamID(league, "Athletic"), 4);
    EXPECT_EQ(GetTeamID(league, "athletic"), 0);
    EXPECT_EQ(GetTeamID(league, "Transferred-Out"), 0);
}

} // namespace
} // namespace gorlin
