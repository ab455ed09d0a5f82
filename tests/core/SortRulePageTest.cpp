#include "core/engine/SortRulePage.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;
using Strings = std::vector<std::string>;

League LeagueWithRules(const std::string& rules) {
    return LeagueBuilder().Teams({"Alpha", "Bravo", "Charlie"}).Rules(rules).Build();
}

TEST(SortRulePageFill, AvailableInCatalogueOrderActiveInStoredOrder) {
    League league = LeagueWithRules("3614");
    league.SortRulesChanged = true;
    SortRulePage page(league);
    page.Fill();
    EXPECT_EQ(page.Active(), (Strings{"Goals scored", "Aggregate Points", "Points total", "Team name"}));
    EXPECT_EQ(page.Available(),
              (Strings{"Goal difference", "Possible Points", "Number of Wins", "Goal Average", "Increment"}));
    EXPECT_FALSE(league.SortRulesChanged);
}

TEST(SortRulePageFill, CharactersOtherThanRuleDigitsAreNotShown) {
    League league = LeagueWithRules("1x0 2");
    SortRulePage page(league);
    page.Fill();
    EXPECT_EQ(page.Active(), (Strings{"Points total", "Goal difference"}));
    EXPECT_EQ(page.Available().size(), 7u);
}

TEST(SortRulePageEdit, RightLeftMoveToTheEndAndMarkChanged) {
    League league = LeagueWithRules("12");
    SortRulePage page(league);
    page.Fill();
    ASSERT_TRUE(page.Right(1)); // available: Goals scored, Team name, ...
    EXPECT_EQ(page.Active().back(), "Team name");
    EXPECT_TRUE(league.SortRulesChanged);
    ASSERT_TRUE(page.Left(0));
    EXPECT_EQ(page.Available().back(), "Points total");
    EXPECT_EQ(page.Active(), (Strings{"Goal difference", "Team name"}));
}

TEST(SortRulePageEdit, NothingSelectedBeepsAndChangesNothing) {
    League league = LeagueWithRules("12");
    SortRulePage page(league);
    page.Fill();
    EXPECT_FALSE(page.Right(-1));
    EXPECT_FALSE(page.Left(-1));
    EXPECT_FALSE(page.Left(2));
    EXPECT_FALSE(page.Up(-1).has_value());
    EXPECT_FALSE(page.Up(0).has_value());   // first item
    EXPECT_FALSE(page.Down(1).has_value()); // last item
    EXPECT_FALSE(page.Drop(SortRulePage::List::Active, 5, SortRulePage::List::Available));
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_EQ(page.Active(), (Strings{"Points total", "Goal difference"}));
}

TEST(SortRulePageEdit, UpAndDownKeepTheItemSelected) {
    League league = LeagueWithRules("123");
    SortRulePage page(league);
    page.Fill();
    EXPECT_EQ(page.Up(2), 1);
    EXPECT_EQ(page.Active(), (Strings{"Points total", "Goals scored", "Goal difference"}));
    EXPECT_EQ(page.Down(0), 1);
    EXPECT_EQ(page.Active(), (Strings{"Goals scored", "Points total", "Goal difference"}));
    EXPECT_TRUE(league.SortRulesChanged);
}

TEST(SortRulePageEdit, DropAppendsToTargetAndRemovesFromSource) {
    League league = LeagueWithRules("123");
    SortRulePage page(league);
    page.Fill();
    ASSERT_TRUE(page.Drop(SortRulePage::List::Active, 0, SortRulePage::List::Available));
    EXPECT_EQ(page.Active(), (Strings{"Goal difference", "Goals scored"}));
    EXPECT_EQ(page.Available().back(), "Points total");
    // A drop on its own list moves the item to the end.
    ASSERT_TRUE(page.Drop(SortRulePage::List::Active, 0, SortRulePage::List::Active));
    EXPECT_EQ(page.Active(), (Strings{"Goals scored", "Goal difference"}));
    EXPECT_TRUE(league.SortRulesChanged);
}

TEST(SortRulePageEdit, RestoreUndoesEveryChange) {
    League league = LeagueWithRules("21");
    SortRulePage page(league);
    page.Fill();
    page.Right(0);
    page.Left(0);
    page.Restore();
    EXPECT_EQ(page.Active(), (Strings{"Goal difference", "Points total"}));
    EXPECT_EQ(page.Available().front(), "Goals scored");
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_EQ(league.Head.SortRules.view(), "21");
}

TEST(SortRulePageUpdate, EmptyActiveListIsRefused) {
    League league = LeagueWithRules("1");
    SortRulePage page(league);
    page.Fill();
    page.Left(0);
    EXPECT_EQ(page.SortUpdate().Message, "You must have at least one active sort rule");
    EXPECT_TRUE(league.SortRulesChanged);
    EXPECT_EQ(league.Head.SortRules.view(), "1");
}

TEST(SortRulePageUpdate, AggregatePointsFirstCannotBeLeftUntilAnotherRuleMovesAbove) {
    League league = LeagueWithRules("61");
    SortRulePage page(league);
    page.Fill();
    page.Down(0);
    page.Up(1); // back to "61": an edit that changes nothing still needs the check
    EXPECT_EQ(page.CheckLeave().Message, "Sort rule 'Aggregate Points' cannot be first");
    EXPECT_TRUE(league.SortRulesChanged);
    EXPECT_FALSE(league.DataChanged);

    page.Up(1);
    EXPECT_EQ(page.CheckLeave().Message, "");
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_EQ(league.Head.SortRules.view(), "16");
    EXPECT_TRUE(league.DataChanged);
}

TEST(SortRulePageUpdate, NineActiveRulesAreTooMany) {
    League league = LeagueWithRules("12345678");
    SortRulePage page(league);
    page.Fill();
    ASSERT_TRUE(page.Right(0));
    ASSERT_EQ(page.Active().size(), 9u);
    EXPECT_EQ(page.SortUpdate().Message, "You cannot have more than 8 active sort rules");
    EXPECT_EQ(league.Head.SortRules.view(), "12345678");
    page.Left(0);
    EXPECT_EQ(page.SortUpdate().Message, "");
    EXPECT_EQ(league.Head.SortRules.view(), "23456789");
}

TEST(SortRulePageUpdate, SameRulesInSameOrderDoNotMarkTheLeagueChanged) {
    League league = LeagueWithRules("1234");
    SortRulePage page(league);
    page.Fill();
    page.Down(0);
    page.Up(1);
    EXPECT_TRUE(league.SortRulesChanged);
    EXPECT_EQ(page.SortUpdate().Message, "");
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_FALSE(league.DataChanged);
}

TEST(SortRulePageUpdate, LeavingWithoutEditsNeedsNoCheck) {
    // Even a stored list the page would refuse is left alone when the user changed nothing.
    League league = LeagueWithRules("6");
    SortRulePage page(league);
    page.Fill();
    EXPECT_EQ(page.CheckLeave().Message, "");
    EXPECT_EQ(league.Head.SortRules.view(), "6");
}

TEST(SortRulePageUpdate, StrayStoredCharactersAreDroppedByTheNextStore) {
    League league = LeagueWithRules("1x2");
    SortRulePage page(league);
    page.Fill();
    page.Right(0); // "Goals scored"
    EXPECT_EQ(page.SortUpdate().Message, "");
    EXPECT_EQ(league.Head.SortRules.view(), "123");
    EXPECT_TRUE(league.DataChanged);
}

} // namespace
} // namespace gorlin
