#include "core/edit/Squads.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

constexpr int kDay = 43000;

SquadEntry Entry(int player, int on, int off) {
    return {static_cast<u16>(player), static_cast<u8>(on), static_cast<u8>(off), 0, 0, 0, 0};
}

/// Alpha (players 1..6) and Bravo (player 7); games 1 and 2 are played, 3 is the one edited.
/// Game 1 carries Alpha's squad with two starters, a substitute who came on and one who did not.
League Squads() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    for (const char* name : {"Ann", "Bea", "Cy", "Dot", "Eve", "Fay"})
        b.Player(name, 1);
    b.Player("Vic", 2);
    b.Played(2, 1, 0, 1, kDay - 14);
    b.Played(1, 2, 1, 1, kDay + 7); // after the edited game: not a source for cloning
    b.Played(1, 2, 0, 0, kDay);
    b.CupGame(1, 2, 0, 0, kDay - 1); // cup squads are no source either
    SquadEntry booked = Entry(1, 0, 90);
    booked.Yellow1 = 1;
    booked.Rating = 75;
    b.Squad(1, 1, {booked, Entry(2, 0, 60), Entry(3, 60, 90), Entry(4, 0, 0)});
    b.Squad(2, 1, {Entry(6, 0, 90)});
    b.Squad(4, 1, {Entry(5, 0, 90)});
    League l = b.Build();
    l.Head.TeamSize = 2;
    return l;
}

std::vector<int> Players(const WorkSquad& squad) {
    std::vector<int> players;
    for (const SquadEntry& e : squad)
        if (e.Player != 0)
            players.push_back(e.Player);
    return players;
}

} // namespace

TEST(SquadEditor, SubstituteComesOnAndTheReplacedPlayerGoesOff) {
    struct Case {
        int Half;
        int Minute;
        int SubOff;
    };
    for (const Case& c : {Case{45, 60, 90}, Case{40, 60, 80}, Case{45, 105, 105}}) {
        League l = Squads();
        l.Head.HalfLength = static_cast<u8>(c.Half);
        SquadEditor squad(l, 3);
        ASSERT_TRUE(squad.Add(SquadSide::Home, 1));
        ASSERT_TRUE(squad.Add(SquadSide::Home, 2));
        ASSERT_TRUE(squad.Add(SquadSide::Home, 3)); // entry 3: past TeamSize, so 0/0
        const auto choices = squad.SubstituteChoicesFor(SquadSide::Home, 1);
        ASSERT_TRUE(choices.ok());
        EXPECT_EQ(choices->Caption, "Assign Substitute for Ann");
        EXPECT_TRUE(choices->FromSquad);
        EXPECT_EQ(choices->Players, std::vector<int>{3});
        EXPECT_EQ(squad.Substitute(SquadSide::Home, 1, 3, 0).Message, "You have not selected a substitute");
        EXPECT_EQ(squad.Substitute(SquadSide::Home, 1, 0, 60).Message, "You have not selected a substitute");
        ASSERT_TRUE(squad.Substitute(SquadSide::Home, 1, 3, c.Minute).Ok);
        const WorkSquad& home = squad.Squad(SquadSide::Home);
        EXPECT_EQ(+home[0].TimeOff, c.Minute);
        EXPECT_EQ(+home[2].TimeOn, c.Minute);
        EXPECT_EQ(+home[2].TimeOff, c.SubOff);
    }
}

TEST(SquadEditor, SubstituteFromAvailablePlayersOrNone) {
    League l = Squads();
    SquadEditor squad(l, 3);
    squad.Add(SquadSide::Home, 1);
    squad.Add(SquadSide::Home, 2);
    auto choices = squad.SubstituteChoicesFor(SquadSide::Home, 2);
    ASSERT_TRUE(choices.ok());
    EXPECT_FALSE(choices->FromSquad);
    EXPECT_EQ(choices->Players, (std::vector<int>{3, 4, 5, 6}));
    ASSERT_TRUE(squad.Substitute(SquadSide::Home, 2, 5, 70).Ok);
    EXPECT_EQ(Players(squad.Squad(SquadSide::Home)), (std::vector<int>{1, 2, 5}));
    EXPECT_FALSE(squad.SubstituteChoicesFor(SquadSide::Home, 4).ok()); // empty entry: beep

    // Bravo's squad: 18 players who all played. Nobody is left to come on.
    const int s = l.Head.SquadCount + 1;
    GrowTo(l.Squads, static_cast<std::size_t>(s));
    l.Squads[static_cast<std::size_t>(s)] = SquadRec{3, 2, {}};
    for (SquadEntry& e : l.Squads[static_cast<std::size_t>(s)].Entries)
        e = Entry(7, 0, 90);
    l.Head.SquadCount = static_cast<u16>(s);
    l.Games[3].AwaySquad = static_cast<u16>(s);
    SquadEditor full(l, 3);
    EXPECT_EQ(full.SubstituteChoicesFor(SquadSide::Away, 1).error().Message,
              "All the substitutes have been assigned");
}

TEST(SquadEditor, CloneTakesTheLatestEarlierLeagueSquad) {
    League l = Squads();
    l.Head.HalfLength = 40;
    SquadEditor squad(l, 3);
    EXPECT_FALSE(squad.CanClone(SquadSide::Away)); // Bravo has no squad anywhere
    ASSERT_TRUE(squad.CanClone(SquadSide::Home));
    ASSERT_TRUE(squad.Clone(SquadSide::Home));
    const WorkSquad& home = squad.Squad(SquadSide::Home);
    const std::vector<std::array<int, 5>> expected = {
        // player, on, off, yellow, rating
        {1, 0, 80, 0, 0}, // booked and rated: cleared
        {2, 0, 80, 0, 0}, // went off: still a starter
        {3, 0, 0, 0, 0},  // came on as substitute
        {4, 0, 0, 0, 0},  // did not play
    };
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const SquadEntry& e = home[k];
        EXPECT_EQ((std::array<int, 5>{e.Player, e.TimeOn, e.TimeOff, e.Yellow1, e.Rating}), expected[k]) << k;
    }
    EXPECT_FALSE(squad.CanClone(SquadSide::Home)); // no longer empty
}

TEST(SquadEditor, AddRemoveSwapAndOkWriteBack) {
    League l = Squads();
    SquadEditor squad(l, 3);
    EXPECT_EQ(squad.Caption(Locale{}), "Squad for Alpha v Bravo (22/09/2017)");
    EXPECT_EQ(squad.InitialSide(), SquadSide::Home);
    l.Head.OwnTeam = 2;
    EXPECT_EQ(squad.InitialSide(), SquadSide::Away);

    EXPECT_FALSE(squad.Add(SquadSide::Home, 7)); // a Bravo player
    for (int p : {1, 2, 3, 4})
        ASSERT_TRUE(squad.Add(SquadSide::Home, p));
    EXPECT_FALSE(squad.Add(SquadSide::Home, 1)); // already in
    EXPECT_EQ(squad.AvailablePlayers(SquadSide::Home), (std::vector<int>{5, 6}));
    ASSERT_TRUE(squad.Remove(SquadSide::Home, 1));
    EXPECT_EQ(Players(squad.Squad(SquadSide::Home)), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(+squad.Squad(SquadSide::Home)[1].TimeOff, 0); // moved up, keeps its times
    EXPECT_FALSE(squad.Remove(SquadSide::Home, 4));
    ASSERT_TRUE(squad.Swap(SquadSide::Home, 2, 6));
    EXPECT_EQ(Players(squad.Squad(SquadSide::Home)), (std::vector<int>{2, 6, 4}));
    EXPECT_EQ(+squad.Squad(SquadSide::Home)[1].TimeOff, 90); // entry 2 is a starter's
    EXPECT_FALSE(squad.Swap(SquadSide::Home, 5, 5));
    ASSERT_TRUE(squad.UpdateMember(SquadSide::Home, 3, {30, 0, false, false, false, 65}));
    EXPECT_EQ(+squad.Squad(SquadSide::Home)[2].TimeOff, 90);
    ASSERT_TRUE(squad.ToggleYellow(SquadSide::Home, 1));

    const int before = l.Head.SquadCount;
    ASSERT_TRUE(squad.Ok().Ok);
    EXPECT_EQ(+l.Head.SquadCount, before + 1);
    const int s = l.Games[3].HomeSquad;
    EXPECT_EQ(s, before + 1);
    EXPECT_EQ(+l.Games[3].AwaySquad, 0); // nobody in Bravo's squad: no record
    EXPECT_EQ(+l.Squads[static_cast<std::size_t>(s)].Game, 3);
    EXPECT_EQ(+l.Squads[static_cast<std::size_t>(s)].Entries[2].Rating, 65);
    EXPECT_EQ(+l.Squads[static_cast<std::size_t>(s)].Entries[0].Yellow1, 1);
    EXPECT_TRUE(l.DataChanged);

    SquadEditor again(l, 3); // emptied: the record stays
    while (again.Remove(SquadSide::Home, 1)) {
    }
    ASSERT_TRUE(again.Ok().Ok);
    EXPECT_EQ(+l.Games[3].HomeSquad, s);
    EXPECT_EQ(+l.Squads[static_cast<std::size_t>(s)].Entries[0].Player, 0);
}

TEST(SquadEditor, SortedOrder) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    const auto player = [&b](const char* name, int position, int number) {
        PlayerRec p{};
        p.Name = name;
        p.Team = 1;
        p.Position = static_cast<u8>(position);
        p.SquadNo = static_cast<u8>(number);
        return b.Player(p);
    };
    const int unused = player("Una", 1, 12);
    const int sub = player("Sam", 4, 14);
    const int none = player("Nob", 0, 2);
    const int mid = player("mia", 3, 8);
    const int mid2 = player("Max", 3, 8);
    const int keeper = player("Kim", 1, 1);
    b.Played(1, 2, 0, 0, kDay);
    b.Squad(1, 1,
            {Entry(unused, 0, 0), Entry(sub, 70, 90), Entry(none, 0, 90), Entry(mid, 0, 90),
             Entry(mid2, 0, 70), Entry(keeper, 0, 90)});
    League l = b.Build();
    SquadEditor squad(l, 1);
    EXPECT_EQ(squad.DisplayOrder(SquadSide::Home, true),
              (std::vector<int>{6, 5, 4, 3, 2, 1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(squad.DisplayOrder(SquadSide::Home, false)[0], 1);
}

TEST(SquadMember, RatingTexts) {
    Locale comma;
    comma.DecimalSeparator = ',';
    const std::vector<std::pair<const char*, std::optional<int>>> cases = {
        {"7", 70},
        {"7.5", 75},
        {"7.", 70},
        {"10", 100},
        {"0", 0},
        {"7,5", 75},
        {"10.5", std::nullopt},
        {"11", std::nullopt},
        {"7.55", std::nullopt},
        {"", std::nullopt},
        {"x", std::nullopt},
        {"-1", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [text, tenths] : cases)
        EXPECT_EQ(ParseRating(text, comma), tenths) << text;
    EXPECT_EQ(FormatRating(75, comma), "7,5");
    EXPECT_EQ(FormatRating(70, Locale{}), "7");
    const MemberInput ticked = TickSecondYellow({});
    EXPECT_TRUE(ticked.Yellow1 && ticked.Yellow2 && ticked.Red);
}
