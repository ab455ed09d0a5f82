#include "core/edit/ResultChange.h"

#include "core/edit/ResultsPage.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

constexpr int kDay = 43000;

SquadEntry Starter(int player) {
    return {static_cast<u16>(player), 0, 90, 0, 0, 0, 0};
}

/// Two league results and two cup results, with goals, squads and a missed penalty. The squads
/// of game 1 are records 1 and 3, with game 2's squad between them.
League Season() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).OtherTeams({"Rovers"}).Comp("Cup", "FAC");
    const int ann = b.Player("Ann", 1);
    const int bob = b.Player("Bob", 2);
    const int cal = b.Player("Cal", 3);
    const int roy = b.Player("Roy", 4);
    b.Played(1, 2, 2, 1, kDay - 14);
    b.Played(2, 3, 0, 0, kDay - 7);
    b.CupGame(1, 4, 1, 0, kDay - 3);
    b.CupGame(3, 4, 2, 0, kDay - 1);
    b.Goal(1, 1, ann, 10);
    b.Goal(1, 1, ann, 20);
    b.Goal(3, 1, ann, 5);
    b.Goal(1, 2, bob, 30);
    b.Goal(4, 3, cal, 44);
    b.Goal(4, 3, cal, 60);
    b.Squad(1, 1, {Starter(ann)});
    b.Squad(2, 2, {Starter(bob)});
    b.Squad(1, 2, {Starter(bob)});
    b.Squad(3, 1, {Starter(ann)});
    b.Squad(4, 4, {Starter(roy)});
    b.MissedPen(3, roy, 4, 70);
    b.MissedPen(4, roy, 4, 80);
    return b.Build();
}

std::vector<int> GoalGames(const League& l) {
    std::vector<int> games;
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        games.push_back(l.Goals[static_cast<std::size_t>(i)].Game);
    return games;
}

} // namespace

TEST(ResultChange, GoalsAreRecreatedOnlyWhenACountChanges) {
    struct Case {
        int Home;
        int Away;
        std::vector<int> Scorers; // of game 1's goals, in goal order
    };
    for (const Case& c : {Case{2, 1, {1, 1, 2}}, Case{3, 1, {0, 0, 0, 0}}, Case{2, 2, {0, 0, 0, 0}}}) {
        League l = Season();
        ResultChange change = ResultFormOf(l, 1).Values;
        change.HomeGoals = c.Home;
        change.AwayGoals = c.Away;
        change.Attendance = "31000";
        change.Awarded = 2;
        ASSERT_TRUE(UpdateResult(l, 1, change).Ok);
        std::vector<int> scorers;
        for (int i = 1; i <= l.Head.GoalCount; ++i)
            if (l.Goals[static_cast<std::size_t>(i)].Game == 1)
                scorers.push_back(l.Goals[static_cast<std::size_t>(i)].Scorer);
        EXPECT_EQ(scorers, c.Scorers) << c.Home << "-" << c.Away;
        EXPECT_EQ(l.Head.GoalCount, 3 + c.Scorers.size());
        EXPECT_EQ(+l.Games[1].Attendance, 31000u);
        EXPECT_EQ(+l.Games[1].Outcome, 2); // awarded to the away team
        EXPECT_EQ(+l.Games[1].Comp, 0);    // a league game keeps competition 0
        EXPECT_TRUE(l.DataChanged);
    }
}

TEST(ResultChange, RefusedChangesKeepTheResult) {
    League l = Season();
    ResultChange change = ResultFormOf(l, 3).Values;
    EXPECT_TRUE(ResultFormOf(l, 3).CupEnabled);
    EXPECT_FALSE(ResultFormOf(l, 1).CupEnabled);
    change.HomeGoals = 5;
    change.Attendance = "12,000";
    EXPECT_EQ(UpdateResult(l, 3, change).Message, "Attendance figure is not numeric");
    change.Attendance = "12000";
    change.Comp = 2; // no such competition
    EXPECT_EQ(UpdateResult(l, 3, change).Message, "Input is invalid, please correct");
    EXPECT_EQ(+l.Games[3].HomeGoals, 1);
    EXPECT_EQ(+l.Head.GoalCount, 6);
    EXPECT_FALSE(l.DataChanged);
}

TEST(ResultChange, DeletingALeagueResultLeavesTheFixture) {
    League l = Season();
    EXPECT_EQ(DeleteResultQuestion(l, 1), "Delete result for Alpha v Bravo");
    ASSERT_TRUE(DeleteResult(l, 1).ok());
    const GameRec& g = l.Games[1];
    EXPECT_EQ(+g.Played, 0);
    EXPECT_EQ(+g.HomeGoals, 2); // now the predicted score
    EXPECT_EQ(+g.AwayGoals, 1);
    EXPECT_EQ(+g.Date, double{kDay - 14});
    EXPECT_EQ(+g.HomeSquad, 0);
    EXPECT_EQ(+g.AwaySquad, 0);
    EXPECT_EQ(GoalGames(l), (std::vector<int>{3, 4, 4}));
    // Squad 3 (game 1's away squad) moved to 2 when squad 1 went, and was deleted there:
    // game 2's squad and the cup squads keep their players.
    ASSERT_EQ(+l.Head.SquadCount, 3);
    EXPECT_EQ(+l.Games[2].HomeSquad, 1);
    EXPECT_EQ(+l.Squads[1].Entries[0].Player, 2);
    EXPECT_EQ(+l.Games[3].HomeSquad, 2);
    EXPECT_EQ(+l.Squads[2].Game, 3);
    EXPECT_EQ(+l.Games[4].AwaySquad, 3);
    EXPECT_EQ(+l.Head.MissedPenCount, 2);
    EXPECT_EQ(l.GameCount(), 2);
    EXPECT_FALSE(DeleteResult(l, 1).ok()); // no result any more
}

TEST(ResultChange, OneSquadLinkedTwiceIsDeletedOnce) {
    League l = Season();
    l.Games[1].AwaySquad = l.Games[1].HomeSquad; // damaged file
    ASSERT_TRUE(DeleteResult(l, 1).ok());
    EXPECT_EQ(+l.Head.SquadCount, 4);
    EXPECT_EQ(+l.Games[2].HomeSquad, 1);
    EXPECT_EQ(+l.Squads[1].Game, 2);
}

TEST(ResultsPage, DeletingACupResultRemovesTheGameAndRenumbersTheList) {
    League l = Season();
    Locale locale;
    ResultsPage page;
    page.Fill(l, 0, locale);
    ASSERT_EQ(page.Rows().size(), 4u);
    EXPECT_EQ(+page.Rows()[2].Game, 3);
    ASSERT_TRUE(page.DeleteRow(l, 2).Ok);
    EXPECT_EQ(+page.Rows()[2].Game, 0);
    EXPECT_EQ(page.Rows()[2].Cells[1], "n/a");
    EXPECT_EQ(+page.Rows()[3].Game, 3); // the game after it moved up
    EXPECT_EQ(page.Rows()[3].Cells[3], "Charlie");
    EXPECT_FALSE(page.ValidRow(2));
    EXPECT_FALSE(page.DeleteRow(l, 2).Ok);

    EXPECT_EQ(l.GameCount(), 2);
    EXPECT_EQ(+l.Head.CupGameCount, 1);
    EXPECT_EQ(+l.Games[3].HomeTeam, 3);
    EXPECT_EQ(GoalGames(l), (std::vector<int>{1, 1, 1, 3, 3}));
    ASSERT_EQ(+l.Head.SquadCount, 4);
    EXPECT_EQ(+l.Games[3].AwaySquad, 4);
    EXPECT_EQ(+l.Squads[4].Game, 3);
    ASSERT_EQ(+l.Head.MissedPenCount, 1);
    EXPECT_EQ(+l.MissedPens[1].Game, 3);

    page.SortBy(l, ResultColumn::Date, locale);
    EXPECT_EQ(page.Rows().size(), 3u);
}

TEST(ResultsPage, SortKeysPerHeading) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"});
    b.Played(1, 2, 2, 0, kDay);
    b.Played(2, 3, 1, 1, 0);
    b.Played(3, 1, 0, 3, kDay - 1);
    League l = b.Build();
    l.Games[1].Attendance = 1234567;
    l.Games[2].Attendance = 300;
    l.Games[3].Attendance = 300;
    Locale locale;
    ResultsPage page;
    page.Fill(l, 0, locale);
    EXPECT_EQ(page.SortColumn(), ResultColumn::Date);
    const std::vector<std::pair<ResultColumn, std::vector<int>>> cases = {
        {ResultColumn::Date, {3, 1, 2}},     {ResultColumn::Com, {3, 1, 2}},
        {ResultColumn::Attend, {1, 3, 2}},   {ResultColumn::HomeTeam, {1, 2, 3}},
        {ResultColumn::AwayTeam, {3, 1, 2}}, {ResultColumn::F, {1, 2, 3}},
        {ResultColumn::A, {3, 2, 1}},
    };
    for (const auto& [column, order] : cases) {
        page.SortBy(l, column, locale);
        std::vector<int> games;
        for (const ResultsPageRow& row : page.Rows())
            games.push_back(row.Game);
        EXPECT_EQ(games, order) << kResultHeadings[static_cast<std::size_t>(column)];
    }
    const auto cells = ResultsPage::Cells(l, 1, locale);
    EXPECT_EQ(cells[2], "1,234,567");
    EXPECT_EQ(cells[0], "LGE");
    EXPECT_EQ(ResultsPage::Cells(l, 2, locale)[1], "");

    page.Fill(l, 1, locale); // Alpha's games, kept in the last order ("A")
    ASSERT_EQ(page.Rows().size(), 2u);
    EXPECT_EQ(+page.Rows()[0].Game, 3);
}
