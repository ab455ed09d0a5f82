#include "core/engine/SortRulePage.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using Strings = std::vector<std::string>;
using List = SortRulePage::List;

League LeagueWithRules(const std::string& rules) {
    return test::LeagueBuilder().Teams({"Alpha", "Bravo", "Charlie"}).Rules(rules).Build();
}

TEST(SortRulePageFill, AvailableInCatalogueOrderActiveInStoredOrderStrayCharactersHidden) {
    League league = LeagueWithRules("36x14");
    league.SortRulesChanged = true;
    SortRulePage page(league);
    page.Fill();
    EXPECT_EQ(page.Active(), (Strings{"Goals scored", "Aggregate Points", "Points total", "Team name"}));
    EXPECT_EQ(page.Available(),
              (Strings{"Goal difference", "Possible Points", "Number of Wins", "Goal Average", "Increment"}));
    EXPECT_FALSE(league.SortRulesChanged);
}

TEST(SortRulePageEdit, MovesMarkTheRulesChangedAndRestoreUndoesThem) {
    League league = LeagueWithRules("123");
    SortRulePage page(league);
    page.Fill();
    ASSERT_TRUE(page.Right(1)); // available: Team name, Possible Points, ...
    EXPECT_EQ(page.Active(), (Strings{"Points total", "Goal difference", "Goals scored", "Possible Points"}));
    EXPECT_TRUE(league.SortRulesChanged);
    ASSERT_TRUE(page.Left(0));
    EXPECT_EQ(page.Available().back(), "Points total");
    EXPECT_EQ(page.Up(2), 1);
    EXPECT_EQ(page.Active(), (Strings{"Goal difference", "Possible Points", "Goals scored"}));
    EXPECT_EQ(page.Down(0), 1);
    EXPECT_EQ(page.Active(), (Strings{"Possible Points", "Goal difference", "Goals scored"}));
    ASSERT_TRUE(page.Drop(List::Available, 0, List::Active)); // appended to the target
    EXPECT_EQ(page.Active().back(), "Team name");
    ASSERT_TRUE(page.Drop(List::Active, 0, List::Active)); // on its own list: to its end
    EXPECT_EQ(page.Active(), (Strings{"Goal difference", "Goals scored", "Team name", "Possible Points"}));
    ASSERT_TRUE(page.Drop(List::Active, 3, List::Available));
    EXPECT_EQ(page.Available().back(), "Possible Points");

    page.Restore();
    EXPECT_EQ(page.Active(), (Strings{"Points total", "Goal difference", "Goals scored"}));
    EXPECT_EQ(page.Available().front(), "Team name");
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_EQ(league.Head.SortRules.view(), "123");
}

TEST(SortRulePageEdit, NothingSelectedOrAtTheEndChangesNothing) {
    League league = LeagueWithRules("12");
    SortRulePage page(league);
    page.Fill();
    EXPECT_FALSE(page.Right(-1));
    EXPECT_FALSE(page.Right(7));
    EXPECT_FALSE(page.Left(-1));
    EXPECT_FALSE(page.Left(2));
    EXPECT_FALSE(page.Up(-1).has_value());
    EXPECT_FALSE(page.Up(0).has_value());
    EXPECT_FALSE(page.Down(1).has_value());
    EXPECT_FALSE(page.Drop(List::Active, 5, List::Available));
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_EQ(page.Active(), (Strings{"Points total", "Goal difference"}));
}

TEST(SortRulePageUpdate, StoresValidRulesMarkingTheLeagueOnlyWhenTheyChanged) {
    struct Case {
        const char* Stored;
        void (*Edit)(SortRulePage&);
        const char* Refusal; // nullptr: stored
        const char* After;
        bool Changed;
    };
    const Case cases[] = {
        {"1", [](SortRulePage& p) { p.Left(0); }, "You must have at least one active sort rule", "1", false},
        {"12345678", [](SortRulePage& p) { p.Right(0); }, "You cannot have more than 8 active sort rules",
         "12345678", false},
        // An edit that changes nothing still needs the check.
        {"61", [](SortRulePage& p) { p.Up(*p.Down(0)); }, "Sort rule 'Aggregate Points' cannot be first",
         "61", false},
        {"61", [](SortRulePage& p) { p.Up(1); }, nullptr, "16", true},
        {"12345678", [](SortRulePage& p) { p.Right(p.Left(0) ? 0 : 9); }, nullptr, "23456789", true},
        {"1234", [](SortRulePage& p) { p.Up(*p.Down(0)); }, nullptr, "1234", false},
        {"1x2", [](SortRulePage& p) { p.Right(0); }, nullptr, "123",
         true},                                          // stray characters go with the store
        {"6", [](SortRulePage&) {}, nullptr, "6", false} // no edits, no check
    };
    for (const Case& c : cases) {
        League league = LeagueWithRules(c.Stored);
        SortRulePage page(league);
        page.Fill();
        c.Edit(page);
        EXPECT_EQ(page.CheckLeave().Message, c.Refusal ? c.Refusal : "") << c.Stored;
        EXPECT_EQ(league.SortRulesChanged, c.Refusal != nullptr) << c.Stored;
        EXPECT_EQ(league.Head.SortRules.view(), c.After);
        EXPECT_EQ(league.DataChanged, c.Changed) << c.Stored;
    }
}

} // namespace
} // namespace gorlin
