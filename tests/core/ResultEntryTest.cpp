#include "core/edit/ResultEntry.h"

#include "core/edit/Competitions.h"
#include "support/LeagueBuilder.h"

#include <functional>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

constexpr int kDay = 43000;

std::vector<std::string> Names(const League& l, const std::vector<int>& teams) {
    std::vector<std::string> names;
    for (int t : teams)
        names.push_back(l.Teams[static_cast<std::size_t>(t)].Name.str());
    return names;
}

/// Alpha plays Delta (played) and has outstanding home games against Bravo and Charlie.
League Scheduled() {
    LeagueBuilder b;
    b.Teams({"Delta", "Alpha", "Charlie", "Bravo"}).TimesToPlay(2); // 1 Delta, 2 Alpha, 3 Charlie, 4 Bravo
    b.Played(2, 1, 1, 0, kDay - 7);
    b.Fixture(2, 4, kDay + 7);
    b.Fixture(2, 3, kDay); // 3
    b.Fixture(3, 1, kDay + 1);
    b.Fixture(4, 2, kDay + 1);
    b.Fixture(1, 4, kDay);
    b.Comp("Cup", "FAC");
    b.Referee("Ref One");
    return b.Build();
}

} // namespace

TEST(ResultEntryLists, ScheduledLeagueOffersOutstandingFixturesOnly) {
    League l = Scheduled();
    l.Games[3].Predicted = 1;
    l.Games[3].HomeGoals = 3;
    l.Games[3].AwayGoals = 1;
    ResultEntry entry(l, kDay);
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(entry.Highlighted(), 2); // Alpha v Charlie is dated today; Alpha comes first by name
    EXPECT_FALSE(entry.RecordEnabled());

    ASSERT_TRUE(entry.ChooseTeam(2));
    EXPECT_TRUE(l.PendingGame);
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Bravo", "Charlie"}));
    EXPECT_EQ(entry.Highlighted(), 3);
    EXPECT_FALSE(entry.ChooseTeam(1)); // Delta is no opponent left
    EXPECT_EQ(entry.CheckLeave().Message, "Result entry in progress. Complete it or cancel");
    ASSERT_TRUE(entry.ChooseTeam(3));
    EXPECT_EQ(entry.StatusText(), "Predicted result for this match: 3 - 1");
    EXPECT_FALSE(entry.ChooseTeam(4)); // both chosen: beep

    const auto done = entry.Record({2, 0, "0", 0, ""});
    ASSERT_TRUE(done.ok()) << done.error().Message;
    EXPECT_EQ(+done->Game, 3);
    EXPECT_EQ(entry.StatusText(), "Alpha v Charlie recorded");
    EXPECT_FALSE(l.PendingGame);
    // Alpha and Charlie are out; Bravo's only home game is against Alpha, so Bravo goes too.
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Delta"}));
    EXPECT_EQ(entry.Highlighted(), 1);
    EXPECT_TRUE(entry.CheckLeave().Ok);
}

TEST(ResultEntryRecord, TwoFixturesOfOnePairCompleteTheRightOne) {
    struct Case {
        int FirstDate;
        int SecondDate;
        int Expected; // game index completed
    };
    for (const Case& c : {Case{kDay, kDay + 7, 1}, Case{kDay - 7, kDay, 2}, Case{kDay - 7, kDay + 7, 2},
                          Case{kDay, kDay, 1}, Case{0, 0, 2}}) {
        LeagueBuilder b;
        b.Teams({"Alpha", "Bravo", "Charlie", "Delta"}).TimesToPlay(2);
        b.Fixture(1, 2, c.FirstDate);
        b.Fixture(1, 2, c.SecondDate);
        League l = b.Build();
        ResultEntry entry(l, kDay);
        entry.ChooseTeam(1);
        entry.ChooseTeam(2);
        const auto done = entry.Record({1, 1, "100", 0, ""});
        ASSERT_TRUE(done.ok());
        EXPECT_EQ(+done->Game, c.Expected) << c.FirstDate << " " << c.SecondDate;
        const GameRec& other = l.Games[static_cast<std::size_t>(3 - c.Expected)];
        EXPECT_EQ(+other.Played, 0);
        EXPECT_EQ(+other.Date, static_cast<double>(c.Expected == 1 ? c.SecondDate : c.FirstDate));
        EXPECT_EQ(+l.Games[static_cast<std::size_t>(c.Expected)].Date, double{kDay});
        EXPECT_EQ(+l.Head.GoalCount, 2);
    }
}

TEST(ResultEntryRecord, LeagueResultGoesBeforeCupGamesWhoseDetailsFollowThem) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie", "Delta"}).OtherTeams({"Rovers"}).Comp("Cup", "FAC");
    b.Played(1, 2, 1, 0, kDay - 7);
    const int cup1 = b.CupGame(3, 5, 2, 0, kDay - 3);
    const int cup2 = b.CupGame(5, 1, 1, 1, kDay - 2);
    const int alpha = b.Player("Ann", 1);
    const int carl = b.Player("Carl", 3);
    b.Goal(cup1, 3, carl, 10);
    b.Goal(cup2, 1, alpha, 80);
    b.Squad(cup2, 1, {{static_cast<u16>(alpha), 0, 90, 0, 0, 0, 0}});
    b.MissedPen(cup1, carl, 3, 30);
    League l = b.Build();

    ResultEntry entry(l, kDay);
    entry.ChooseTeam(3);
    entry.ChooseTeam(4);
    const auto done = entry.Record({2, 2, "0", 0, ""});
    ASSERT_TRUE(done.ok());
    EXPECT_EQ(+done->Game, 2);
    EXPECT_EQ(l.GameCount(), 2);
    EXPECT_EQ(+l.Head.CupGameCount, 2);
    EXPECT_EQ(+l.Games[2].HomeTeam, 3);
    EXPECT_EQ(+l.Games[3].AwayTeam, 5); // the first cup game moved on
    EXPECT_EQ(+l.Goals[1].Game, 3);
    EXPECT_EQ(+l.Goals[2].Game, 4);
    EXPECT_EQ(+l.Squads[1].Game, 4);
    EXPECT_EQ(+l.Games[4].AwaySquad, 1);
    EXPECT_EQ(+l.MissedPens[1].Game, 3);
    ASSERT_EQ(+l.Head.GoalCount, 6);
    for (int i = 3; i <= 6; ++i)
        EXPECT_EQ(+l.Goals[static_cast<std::size_t>(i)].Game, 2);
    EXPECT_TRUE(l.DataChanged);
}

TEST(ResultEntryRecord, CupGameIsAppendedAndOwnWinReported) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"}).OtherTeams({"Rovers"}).Comp("Cup", "FAC");
    b.Played(1, 2, 1, 0, kDay - 7);
    League l = b.Build();
    l.Head.OwnTeam = 3;
    ResultEntry entry(l, kDay);
    entry.SetCompetition(1);
    EXPECT_EQ(entry.CompButtonCaption(), "Edit");
    EXPECT_TRUE(entry.AddTeamEnabled());
    EXPECT_EQ(entry.Teams().size(), 3u);
    entry.ChooseTeam(1);
    entry.ChooseTeam(3);
    const auto done = entry.Record({0, 2, "12345", 0, "Replay"});
    ASSERT_TRUE(done.ok());
    EXPECT_EQ(+done->Game, 2);
    EXPECT_TRUE(done->OwnTeamWon);
    EXPECT_EQ(+l.Head.CupGameCount, 1);
    EXPECT_EQ(+l.Games[2].Comp, 1);
    EXPECT_EQ(+l.Games[2].Attendance, 12345u);
    EXPECT_EQ(l.Games[2].Comment.str(), "Replay");
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Bravo"})); // recorded teams stay out
    entry.ChooseTeam(2);
    entry.Cancel();
    EXPECT_EQ(entry.StatusText(), "Result input canceled");
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Bravo"}));
}

TEST(ResultEntryLists, NewNonLeagueTeamJoinsTheListMidEntry) {
    LeagueBuilder b;
    b.Teams({"Bravo", "Alpha"}).Comp("Cup", "FAC");
    League l = b.Build();
    ResultEntry entry(l, kDay);
    entry.TeamAdded(2); // the league's list is not touched
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Alpha", "Bravo"}));
    entry.SetCompetition(1);
    ASSERT_TRUE(entry.ChooseTeam(1));
    const auto added = AddNonLeagueTeam(l, "Athletic");
    ASSERT_TRUE(added.ok());
    entry.TeamAdded(*added);
    entry.TeamAdded(*added); // listed once
    entry.TeamAdded(1);      // the chosen home team stays out
    EXPECT_EQ(entry.Home(), 1);
    EXPECT_EQ(Names(l, entry.Teams()), (std::vector<std::string>{"Alpha", "Athletic"}));
    ASSERT_TRUE(entry.ChooseTeam(*added));
    EXPECT_EQ(entry.Away(), *added);
}

TEST(ResultEntryRecord, RefusalsChangeNothing) {
    struct Case {
        const char* What;
        std::function<void(ResultInput&)> Change;
        const char* Message;
    };
    const std::vector<Case> cases = {
        {"unknown team", [](ResultInput& in) { in.Home = "Nobody"; }, "No team named Nobody"},
        {"unknown competition", [](ResultInput& in) { in.Competition = "XYZ"; },
         "No competition with the short name XYZ"},
        {"unknown referee", [](ResultInput& in) { in.Referee = "Nobody"; }, "No referee named Nobody"},
        {"same team", [](ResultInput& in) { in.Away = in.Home; }, "The Home and Away team must be different"},
        {"letters", [](ResultInput& in) { in.Attendance = "12a"; }, "Input is invalid, please correct"},
        {"negative", [](ResultInput& in) { in.Attendance = "-5"; }, "Input is invalid, please correct"},
        {"too big", [](ResultInput& in) { in.Attendance = "4294967296"; },
         "Input is invalid, please correct"},
        {"empty", [](ResultInput& in) { in.Attendance = ""; }, "Input is invalid, please correct"},
        {"score", [](ResultInput& in) { in.HomeGoals = 100; }, "Input is invalid, please correct"},
        {"played pair", [](ResultInput& in) { in.Away = "Delta"; }, "Pending game not found"},
        {"reversed pair", [](ResultInput& in) { std::swap(in.Home, in.Away); }, "Pending game not found"},
    };
    for (const Case& c : cases) {
        League l = Scheduled();
        ResultInput in;
        in.Date = kDay;
        in.Home = "Alpha";
        in.Away = "Charlie";
        in.HomeGoals = 1;
        in.Referee = "Ref One";
        c.Change(in);
        const auto done = RecordResult(l, in);
        ASSERT_FALSE(done.ok()) << c.What;
        EXPECT_EQ(done.error().Message, c.Message) << c.What;
        EXPECT_FALSE(l.DataChanged) << c.What;
        EXPECT_FALSE(l.PendingGame) << c.What;
        EXPECT_EQ(+l.Games[3].Played, 0) << c.What;
        EXPECT_EQ(+l.Head.GoalCount, 0) << c.What;
    }
}

TEST(ResultEntryRecord, CommandLineRecordsLikeThePage) {
    League l = Scheduled();
    l.Head.TrackGoals = 1; // no prompt given: goals are created without asking
    ResultInput in;
    in.Date = kDay + 1;
    in.Home = "Alpha";
    in.Away = "Bravo";
    in.HomeGoals = 2;
    in.AwayGoals = 1;
    in.Attendance = "25000";
    in.Referee = "Ref One";
    const auto done = RecordResult(l, in);
    ASSERT_TRUE(done.ok()) << done.error().Message;
    EXPECT_EQ(+done->Game, 2);
    const GameRec& g = l.Games[2];
    EXPECT_EQ(+g.Played, 1);
    EXPECT_EQ(+g.Date, double{kDay + 1});
    EXPECT_EQ(+g.Referee, 1);
    EXPECT_EQ(+g.Outcome, 1);
    EXPECT_EQ(+l.Head.GoalCount, 3);
    EXPECT_EQ(+l.Goals[3].TeamFor, 4);
    EXPECT_FALSE(l.PendingGame);

    ResultEntry entry(l, kDay);
    entry.ChooseTeam(2);
    EXPECT_EQ(entry.Record({}).error().Message, "You have not selected both teams");
}
