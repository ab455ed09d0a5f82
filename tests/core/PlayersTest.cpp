#include "core/edit/Players.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

League Club() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    PlayerRec john{};
    john.Name = "John Smith";
    john.Team = 1;
    john.SquadNo = 7;
    b.Player(john);
    PlayerRec bob{};
    bob.Name = "Bob";
    bob.Team = 2;
    bob.SquadNo = 9;
    b.Player(bob);
    return b.Build();
}

} // namespace

TEST(PlayerDialog, ChecksInOrder) {
    struct Case {
        int Player;
        PlayerInput Input;
        const char* Message; // nullptr: stored
    };
    const std::vector<Case> cases = {
        {0, {"", 1}, "You must enter a Name and select a team"},
        {0, {"   ", 1}, "You must enter a Name and select a team"},
        {0, {"New", -1}, "You must enter a Name and select a team"},
        {0, {"john smith", 1, 0, 7, "xx"}, "A player with the name john smith already exists for this team"},
        {0, {"New", 1, 0, 7, "xx"}, "The specified squad number has already been assigned to John Smith"},
        {0, {"New", 1, 0, 8, "31/02/1990"}, "The Date of Birth is not a valid date"},
        {0, {"New", 1, 0, 8, "05/06/2079"}, "The Date of Birth is not a valid date"}, // past day 65535
        {0, {"New", 1, 0, 8, "29/12/1899"}, "The Date of Birth is not a valid date"},
        {0, {"john smith", 2, 0, 7}, nullptr}, // another team
        {0, {"New", 0}, nullptr},              // "Transferred-Out"
        {1, {"John Smith", 1, 2, 7}, nullptr}, // his own name and number
        {2, {"John Smith", 1}, "A player with the name John Smith already exists for this team"},
    };
    for (const Case& c : cases) {
        League l = Club();
        const auto stored = StorePlayer(l, c.Player, c.Input, Locale{});
        if (c.Message == nullptr) {
            ASSERT_TRUE(stored.ok()) << c.Input.Name << ": " << stored.error().Message;
            EXPECT_EQ(*stored, c.Player == 0 ? 3 : c.Player);
            EXPECT_TRUE(l.DataChanged);
        } else {
            ASSERT_FALSE(stored.ok()) << c.Input.Name;
            EXPECT_EQ(stored.error().Message, c.Message);
            EXPECT_EQ(+l.Head.PlayerCount, 2);
            EXPECT_FALSE(l.DataChanged);
        }
    }
}

TEST(PlayerDialog, StoresTheFieldsAndPresetsThemAgain) {
    League l = Club();
    const PlayerInput input{"Carl", 1, 3, 10, "01/01/1980", 2, "1,500,000"};
    const auto stored = StorePlayer(l, 0, input, Locale{});
    ASSERT_TRUE(stored.ok());
    const PlayerRec& p = l.Players[static_cast<std::size_t>(*stored)];
    EXPECT_EQ(+p.BirthDate, 29221);
    EXPECT_EQ(+p.Cost, 1500000u);
    EXPECT_EQ(+p.Foreign, 2);
    EXPECT_EQ(+p.Position, 3);
    const PlayerInput again = PlayerInputOf(l, *stored, Locale{});
    EXPECT_EQ(again.BirthDate, "01/01/1980");
    EXPECT_EQ(again.Cost, "1500000");
    EXPECT_EQ(again.Team, 1);
    EXPECT_EQ(TeamPlayers(l, 1), (std::vector<int>{3, 1}));

    EXPECT_EQ(ParseCost("none"), 0u);
    EXPECT_EQ(ParseCost("99,999,999,999"), 0xFFFFFFFFu);
    l.Head.PlayerCount = kMaxPlayers;
    l.Players.resize(kMaxPlayers + 1);
    EXPECT_FALSE(StorePlayer(l, 0, {"Dan", 1}, Locale{}).ok());
}
