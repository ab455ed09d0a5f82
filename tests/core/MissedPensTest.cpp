#include "core/edit/MissedPens.h"

#include "core/edit/EditStatus.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

TEST(MissedPens, ChecksLinesAndThe150Limit) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"});
    const int ann = b.Player("Ann", 1);
    const int bob = b.Player("Bob", 2);
    b.Played(1, 2, 0, 0, 43000);
    b.Played(2, 3, 0, 0, 43007);
    League l = b.Build();
    EXPECT_FALSE(HasMissedPens(l, 1));

    EXPECT_TRUE(IsBeep(StoreMissedPen(l, 1, 0, {1, 0, 30}).error()));
    for (const MissedPenInput& bad : {MissedPenInput{3, ann, 30}, MissedPenInput{2, ann, 30},
                                      MissedPenInput{1, ann, 131}, MissedPenInput{1, 99, 30}})
        EXPECT_EQ(StoreMissedPen(l, 1, 0, bad).error().Message, "Input is invalid, please correct");
    EXPECT_FALSE(l.DataChanged);

    ASSERT_EQ(*StoreMissedPen(l, 1, 0, {1, ann, 30}), 1);
    ASSERT_EQ(*StoreMissedPen(l, 2, 0, {2, bob, 5}), 2);
    ASSERT_EQ(*StoreMissedPen(l, 1, 0, {2, bob, 88}), 3);
    EXPECT_TRUE(HasMissedPens(l, 1));
    EXPECT_EQ(MissedPensHeading(l, 1, Locale{}), "Alpha v Bravo (22/09/2017)");
    const auto lines = MissedPenLines(l, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Text, "Ann(Alpha) 30m");
    EXPECT_EQ(lines[1].Pen, 3);

    l.Players[static_cast<std::size_t>(bob)].Team = 3; // moved on: his record keeps him
    EXPECT_TRUE(StoreMissedPen(l, 1, 3, {2, bob, 89}).ok());

    ASSERT_TRUE(DeleteMissedPen(l, 1));
    EXPECT_FALSE(DeleteMissedPen(l, 3));
    EXPECT_EQ(+l.MissedPens[1].Game, 2);
    EXPECT_EQ(+l.MissedPens[2].Minute, 89);

    while (l.Head.MissedPenCount < kMaxMissedPens)
        ASSERT_TRUE(StoreMissedPen(l, 2, 0, {3, bob, 1}).ok());
    EXPECT_EQ(StoreMissedPen(l, 2, 0, {3, bob, 1}).error().Message,
              "No more missed penalties can be added to this league");
    EXPECT_EQ(+l.Head.MissedPenCount, kMaxMissedPens);
}
