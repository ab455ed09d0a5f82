#include "core/edit/Referees.h"

#include "core/edit/EditStatus.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

TEST(RefereeDialog, NamesMustBeNewAndTheArrayHolds250) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    b.Referee("Ref Two");
    b.Referee("Abcdefghijklmnopqrst"); // 20 characters, the most a name holds
    b.Referee("Ref One");
    League l = b.Build();
    struct Case {
        int Referee;
        const char* Name;
        const char* Message; // nullptr: stored
    };
    for (const Case& c : {
             Case{0, "Ref One", "A referee with that name already exists"},
             Case{1, "Ref One", "A referee with that name already exists"},
             Case{0, "Abcdefghijklmnopqrstu", "A referee with that name already exists"}, // same once cut
             Case{0, "  ", ""}, Case{3, "Ref One", nullptr}, // unchanged name of the referee itself
         }) {
        const auto stored = StoreReferee(l, c.Referee, c.Name);
        if (c.Message == nullptr)
            EXPECT_TRUE(stored.ok()) << c.Name;
        else
            EXPECT_EQ(stored.ok() ? "stored" : stored.error().Message, c.Message) << c.Name;
    }
    EXPECT_EQ(RefereeChoices(l), (std::vector<int>{2, 3, 1}));
    const auto added = StoreReferee(l, 0, "Ref Three");
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(*added, 4);
    EXPECT_TRUE(l.DataChanged);
    EXPECT_EQ(std::string(RefereeDialogCaption(0)), "Add Referee");

    while (l.Head.RefereeCount < kMaxReferees)
        ASSERT_TRUE(StoreReferee(l, 0, "R" + std::to_string(l.Head.RefereeCount)).ok());
    const auto refused = StoreReferee(l, 0, "One Too Many");
    ASSERT_FALSE(refused.ok());
    EXPECT_FALSE(IsBeep(refused.error()));
    EXPECT_EQ(+l.Head.RefereeCount, kMaxReferees);
}
