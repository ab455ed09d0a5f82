#include "core/edit/ResultDetails.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

League Derby() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    const int ann = b.Player("Ann", 1);
    const int bob = b.Player("Bob", 2);
    const int bea = b.Player("Bea", 2);
    b.Referee("Ref One");
    const int g = b.Played(1, 2, 3, 3, 43000);
    b.Goal(g, 1, ann, 50, false, true);
    b.Goal(g, 2, bea, 46);
    b.Goal(g, 1, bob, 30, true);
    b.Goal(g, 2, 0, 89); // no scorer: not listed
    b.Goal(g, 1, ann, 10);
    b.Goal(g, 2, bea, 44);
    b.Squad(g, 2, {{static_cast<u16>(bea), 0, 80, 1, 1, 1, 0}, {static_cast<u16>(bob), 0, 90, 0, 0, 0, 0}});
    b.MissedPen(g, bob, 2, 60);
    League l = b.Build();
    l.Games[1].Attendance = 12345;
    l.Games[1].Referee = 1;
    l.Games[1].Comment = "Derby";
    return l;
}

} // namespace

TEST(ResultDetails, LinesOfOneGame) {
    League l = Derby();
    const ResultDetails d = MakeResultDetails(l, 1, Locale{});
    EXPECT_EQ(d.Caption, "Result Details (22/09/2017) - League Game");
    EXPECT_EQ(d.HomeName + " " + d.Score + " " + d.AwayName, "Alpha 3 - 3 Bravo");
    EXPECT_EQ(d.Attendance, "Att: 12,345");
    EXPECT_EQ(d.Awarded, "");
    EXPECT_EQ(d.HalfTime, "HT: 2 - 1");
    EXPECT_EQ(d.Referee, "Referee: Ref One");
    EXPECT_EQ(d.HomeScorers, (std::vector<std::string>{"Ann 10,50 Pen", "Bob 30 og"}));
    EXPECT_EQ(d.AwayScorers, (std::vector<std::string>{"Bea 44,46"}));
    EXPECT_TRUE(d.HomeExtras.empty());
    EXPECT_EQ(d.AwayExtras, (std::vector<std::string>{"Bea sent off 80", "Bob missed pen 60"}));
    EXPECT_EQ(d.Comment, "Derby");

    l.Games[1].Awarded = 2;
    l.Games[1].Attendance = 0;
    EXPECT_EQ(MakeResultDetails(l, 1, Locale{}).Awarded, "Game awarded to Bravo");
    EXPECT_EQ(MakeResultDetails(l, 1, Locale{}).Attendance, "");
    ASSERT_TRUE(SetGameComment(l, 1, "Abandoned once"));
    EXPECT_EQ(MakeResultDetails(l, 1, Locale{}).Comment, "Abandoned once");
    EXPECT_TRUE(l.DataChanged);
}
