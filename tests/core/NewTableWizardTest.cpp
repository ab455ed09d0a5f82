#include "core/app/NewTableWizard.h"

#include <gtest/gtest.h>

using namespace gorlin;
using Names = std::vector<std::string>;

TEST(NewTableWizardPages, HeadingsAndTheWayThroughThePages) {
    EXPECT_EQ(WizardPageHeading(0).Heading + "|" + WizardPageHeading(0).SubHeading,
              "Gorlin New Table Wizard|");
    EXPECT_EQ(WizardPageHeading(9).Heading + "|" + WizardPageHeading(9).SubHeading,
              "Promotion/Relegation|Enter number of teams promoted/relegated and in playoffs");

    // Pages visited by Next from page 0, then by Back from the last page.
    for (bool scratch : {true, false}) {
        std::string forward, back;
        for (int p = 0; p >= 0; p = NextWizardPage(p, scratch))
            forward += std::to_string(p) + " ";
        for (int p = kTeamSizePage; p >= 0; p = PreviousWizardPage(p, scratch))
            back += std::to_string(p) + " ";
        EXPECT_EQ(forward, scratch ? "0 1 2 5 6 7 8 9 10 " : "0 1 2 3 4 5 6 7 8 9 10 ");
        EXPECT_EQ(back, scratch ? "10 9 8 7 6 5 2 1 0 " : "10 9 8 7 6 5 4 3 2 1 0 ");
    }
}

TEST(NewTableWizardPages, BaseTablesListedByPathWithoutRegardToCase) {
    const std::vector<DivFileRec> files = {
        {}, {"spare.div", "S"}, {"cups/Z.DIV", "Z"}, {"LAST.DIV", "L"}, {"Spare.DIV", "T"}, {"Old.div", "O"}};
    EXPECT_EQ(BaseTableListOrder(files), (std::vector<int>{2, 3, 5, 4, 1}));
}

TEST(NewTableWizardChecks, PageChecksGiveTheirMessages) {
    EXPECT_EQ(CheckTableName("  ").Message, "Please enter a name for the new table");

    BaseTables base;
    base.SlotTeamCounts = {3, 2};
    for (const char* name : {"City", "United", "Rovers", "Athletic", "United"})
        base.Teams.push_back({name, false});
    EXPECT_EQ(CheckTickedTeams(base, 4).Message, "Please select at least one team");
    base.TickSlot(1, true);
    base.TickSlot(2, true);
    EXPECT_EQ(CheckTickedTeams(base, 4).Message, "You have selected too many teams");
    base.TickSlot(1, false);
    base.Teams[1].Ticked = true;

    // Three ticked teams for four places leave one name to add.
    ASSERT_TRUE(CheckTickedTeams(base, 4));
    TeamNameList list;
    list.Replace(base.TickedNames());
    EXPECT_EQ(list.Names(), (Names{"Athletic", "City", "United"}));
    EXPECT_EQ(RemainingText(list.Remaining(4)), "One more team required");

    const std::pair<Names, const char*> nameCases[] = {
        {{"A", "B", "C"}, "You have not yet added all the team names"},
        {{"A", "B", "C", "D", "E"},
         "You have entered more team names than the number of teams, please remove some"},
        {{"A", "B", "B", "C"}, "Duplicate team names entered, please correct"},
        {{"A", "B", "b", "C"}, ""},
    };
    for (const auto& [names, message] : nameCases)
        EXPECT_EQ(CheckTeamNames(names, 4).Message, message);
}

TEST(NewTableWizardNames, SortedListWithAddEditAndRemaining) {
    TeamNameList list;
    EXPECT_FALSE(list.Add("   ")) << "an empty name only beeps";
    EXPECT_EQ(list.Add("Rovers"), 0u);
    EXPECT_EQ(list.Add("  athletic "), 0u);
    EXPECT_EQ(list.Add("City"), 1u);
    EXPECT_EQ(list.Add("City"), 2u) << "duplicates wait for Next";
    EXPECT_EQ(list.Take(1), "City");
    EXPECT_EQ(list.Take(7), "");
    EXPECT_EQ(list.Names(), (Names{"athletic", "City", "Rovers"}));

    const std::pair<int, const char*> remaining[] = {
        {5, "5 more teams required"}, {1, "One more team required"}, {0, "All teams entered"},
        {-1, "One team too many"},    {-2, "2 teams too many"},
    };
    for (const auto& [count, text] : remaining)
        EXPECT_EQ(RemainingText(count), text);
    EXPECT_TRUE(list.AddEnabled(4));
    EXPECT_FALSE(list.AddEnabled(3));

    // Page 8: line k is team k; a line that no longer exists falls back to "*** None ***".
    EXPECT_EQ(OwnTeamItems(list.Names()), (Names{"*** None ***", "athletic", "City", "Rovers"}));
    EXPECT_EQ(OwnTeamOfLine(list.Names(), 3), "Rovers");
    EXPECT_EQ(KeptOwnTeamLine(4, 4), 0);
}
