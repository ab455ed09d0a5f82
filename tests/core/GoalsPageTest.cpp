#include "core/edit/GoalsPage.h"

#include "core/edit/Goals.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

constexpr int kDay = 43000;

/// Alpha's four goals (1..4) in four games and one unassigned goal of Bravo (5).
League Goals() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).Comp("Cup", "FAC");
    const int zoe = b.Player("Zoe", 1);
    const int adam = b.Player("Adam", 1);
    const int bill = b.Player("bill", 1);
    b.Played(1, 2, 1, 1, kDay);
    b.Played(3, 1, 0, 1, kDay + 7);
    b.Played(1, 3, 1, 0, kDay + 1);
    b.CupGame(1, 3, 1, 0, kDay + 14);
    b.Goal(1, 1, zoe, 50);
    b.Goal(3, 1, 0, 10, true);
    b.Goal(2, 1, adam, 5, false, true);
    b.Goal(4, 1, bill, 70);
    b.Goal(1, 2, 0, 80);
    return b.Build();
}

std::vector<int> Order(const GoalsPage& page) {
    std::vector<int> goals;
    for (const GoalsPageRow& row : page.Rows())
        goals.push_back(row.Goal);
    return goals;
}

} // namespace

TEST(GoalsPage, SummaryLine) {
    struct Case {
        int Count, Unassigned, Own;
        const char* Text;
    };
    for (const Case& c : {
             Case{0, 0, 0, "0 goals Scored"},
             Case{1, 0, 0, "1 goal Scored"},
             Case{1, 1, 1, "1 goal Scored (1 own goal not yet assigned)"},
             Case{3, 1, 0, "3 goals Scored (1 is not yet assigned)"},
             Case{5, 2, 0, "5 goals Scored ( 2 are not yet assigned)"},
             Case{5, 2, 2, "5 goals Scored (2 own goals not yet assigned)"},
             Case{5, 2, 1, "5 goals Scored (2 goals including 1 own goal(s) not yet assigned)"},
         })
        EXPECT_EQ(GoalsPage::SummaryLine(c.Count, c.Unassigned, c.Own), c.Text);

    League l = Goals();
    GoalsPage page;
    page.Fill(l, 0, Locale{});
    EXPECT_EQ(page.Summary(), "5 goals Scored (2 goals including 1 own goal(s) not yet assigned)");
    page.Fill(l, 1, Locale{});
    EXPECT_EQ(page.Summary(), "4 goals Scored (1 own goal not yet assigned)");
    StoreGoal(l, 2, {true, false, 10, 3});
    ASSERT_EQ(page.Rows()[2].Goal, 2); // latest first: goals 4, 3, 2, 1
    page.RefreshRow(l, 2, Locale{});
    EXPECT_EQ(page.Rows()[2].Cells[5], "bill");
    EXPECT_EQ(page.Summary(), "4 goals Scored");
}

TEST(GoalsPage, RowsAndSortKeys) {
    League l = Goals();
    Locale locale;
    GoalsPage page;
    page.Fill(l, 1, locale);
    EXPECT_EQ(page.SortColumn(), GoalColumn::Date);
    const std::vector<std::pair<GoalColumn, std::vector<int>>> cases = {
        {GoalColumn::Date, {4, 3, 2, 1}},     {GoalColumn::Com, {3, 2, 1, 4}},
        {GoalColumn::Opponent, {1, 2, 3, 4}}, {GoalColumn::OG, {2, 1, 3, 4}},
        {GoalColumn::Pen, {3, 1, 2, 4}},      {GoalColumn::Scorer, {2, 3, 4, 1}},
        {GoalColumn::Time, {3, 2, 1, 4}},
    };
    for (const auto& [column, order] : cases) {
        page.SortBy(l, column, locale);
        EXPECT_EQ(Order(page), order) << kGoalHeadings[static_cast<std::size_t>(column)];
    }
    page.Fill(l, 1, locale); // the last heading is kept
    EXPECT_EQ(Order(page), (std::vector<int>{3, 2, 1, 4}));

    const auto own = GoalsPage::Cells(l, 2, locale);
    EXPECT_EQ(own, (std::array<std::string, 7>{"LGE", "23/09/2017", "Charlie", "OG", "", "", "10"}));
    EXPECT_EQ(GoalsPage::Cells(l, 4, locale)[0], "FAC");
    EXPECT_EQ(GoalsPage::Cells(l, 3, locale)[4], "Pen");
}
