#include "core/edit/Competitions.h"

#include "core/edit/EditStatus.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

League Cups() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"}).OtherTeams({"Rovers"});
    b.Comp("FA Cup", "FAC").Comp("League Cup", "LC");
    return b.Build();
}

} // namespace

TEST(CompetitionDialog, NamesAndShortNamesMustBeNew) {
    struct Case {
        int Comp;
        const char* Name;
        const char* Short;
        const char* Message; // nullptr: stored
    };
    const std::vector<Case> cases = {
        {0, "Shield", "LC", "Competition name already defined"}, // names differ, short name used
        {0, "FA Cup", "XX", "Competition name already defined"},
        {0, "League Game", "LG", "Competition name already defined"}, // the league's own entry
        {0, "Shield", "LGE", "Competition name already defined"},
        {1, "FA Cup", "LC", "Competition name already defined"},
        {1, "FA Cup", "FAC", nullptr}, // its own names
        {0, "", "X", ""},              // beep
        {0, "Shield", "", ""},
        {0, "Shield", "CS", nullptr},
    };
    for (const Case& c : cases) {
        League l = Cups();
        const auto stored = StoreCompetition(l, c.Comp, c.Name, c.Short);
        if (c.Message == nullptr) {
            ASSERT_TRUE(stored.ok()) << c.Name;
            EXPECT_EQ(*stored, c.Comp == 0 ? 3 : c.Comp);
            EXPECT_EQ(l.Comps[static_cast<std::size_t>(*stored)].ShortName.str(), c.Short);
            EXPECT_TRUE(l.DataChanged);
        } else {
            ASSERT_FALSE(stored.ok()) << c.Name;
            EXPECT_EQ(stored.error().Message, c.Message) << c.Name << "/" << c.Short;
            EXPECT_EQ(+l.Head.CompCount, 2);
            EXPECT_FALSE(l.DataChanged);
        }
    }
    League l = Cups();
    EXPECT_EQ(CompetitionItems(l), (std::vector<std::string>{"League Game", "FA Cup", "League Cup"}));
    l.Head.CompCount = kMaxComps;
    EXPECT_FALSE(StoreCompetition(l, 0, "Shield", "CS").ok());
    EXPECT_EQ(+l.Head.CompCount, kMaxComps);
}

TEST(NonLeagueTeamDialog, NewNamesOnlyUpToTheLimit) {
    League l = Cups();
    EXPECT_EQ(AddNonLeagueTeam(l, "Alpha").error().Message, "A team with that name already exists");
    EXPECT_EQ(AddNonLeagueTeam(l, "Rovers").error().Message, "A team with that name already exists");
    EXPECT_TRUE(IsBeep(AddNonLeagueTeam(l, "").error()));
    EXPECT_FALSE(l.DataChanged);
    const auto added = AddNonLeagueTeam(l, "United");
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(*added, 4);
    EXPECT_EQ(l.Teams[4].Name.str(), "United");
    EXPECT_EQ(+l.Head.OtherTeamCount, 2);
    EXPECT_TRUE(l.DataChanged);

    for (int i = 0; l.Head.OtherTeamCount < kMaxOtherTeams; ++i)
        ASSERT_TRUE(AddNonLeagueTeam(l, "Team " + std::to_string(i)).ok());
    EXPECT_FALSE(AddNonLeagueTeam(l, "One Too Many").ok());
    EXPECT_EQ(l.AllTeamCount(), 2 + kMaxOtherTeams);
}
