#include "core/edit/DeleteTeam.h"

#include "core/edit/Maintenance.h"
#include "core/edit/PlayersGrid.h"
#include "support/LeagueBuilder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;

constexpr int kDay = 45000;

SquadEntry On(int player, bool yellow = false) {
    SquadEntry e{};
    e.Player = static_cast<u16>(player);
    e.TimeOff = 90;
    e.Yellow1 = yellow ? 1 : 0;
    return e;
}

/// Records 1..count of two arrays byte for byte.
template <typename Rec> void ExpectSameRecords(const Rec* got, const Rec* want, int count, const char* what) {
    for (int i = 1; i <= count; ++i)
        EXPECT_EQ(std::memcmp(&got[i], &want[i], sizeof(Rec)), 0) << what << " " << i;
}

std::vector<int> Counts(const League& l) {
    const DivHead& h = l.Head;
    return {h.TeamCount,   h.OtherTeamCount, h.GameCount,    h.CupGameCount, h.GoalCount, h.SquadCount,
            h.PlayerCount, h.MissedPenCount, h.TeamSelCount, h.OwnTeam,      l.CurrentSel};
}

void ExpectSameLeague(const League& got, const League& want) {
    ASSERT_EQ(Counts(got), Counts(want));
    const DivHead& g = got.Head;
    ExpectSameRecords(got.Teams.data(), want.Teams.data(), got.AllTeamCount(), "team");
    ExpectSameRecords(got.Games.data(), want.Games.data(), got.AllGameCount(), "game");
    ExpectSameRecords(got.Goals.data(), want.Goals.data(), g.GoalCount, "goal");
    ExpectSameRecords(got.Squads.data(), want.Squads.data(), g.SquadCount, "squad");
    ExpectSameRecords(got.Players.data(), want.Players.data(), g.PlayerCount, "player");
    ExpectSameRecords(got.MissedPens.data(), want.MissedPens.data(), g.MissedPenCount, "missed penalty");
    ExpectSameRecords(got.TeamSels.data(), want.TeamSels.data(), kMaxTeamSels, "selection");
}

// Ten league teams and a cup side. Player C belongs to team 3 now but scored, played and missed
// a penalty for team 5 in game 3 before he joined.
League BeforeDeletingTeamThree() {
    LeagueBuilder b;
    b.Teams({"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "T10"}).OtherTeams({"Cup Side"});
    b.Comp("Cup", "CUP");
    const int a = b.Player("A", 1), pb = b.Player("B", 3), c = b.Player("C", 3), d = b.Player("D", 4);
    const int e = b.Player("E", 5), f = b.Player("F", 0), g = b.Player("G", 11);
    const int g1 = b.Played(1, 2, 2, 1, kDay);
    const int g2 = b.Played(3, 4, 1, 0, kDay + 1);
    const int g3 = b.Played(5, 6, 1, 1, kDay + 2);
    b.Fixture(4, 3, kDay + 3);
    const int g5 = b.Played(10, 4, 0, 2, kDay + 4);
    const int c6 = b.CupGame(3, 11, 1, 0, kDay + 5);
    const int c7 = b.CupGame(4, 11, 0, 1, kDay + 6);
    b.Goal(g1, 1, a, 10);
    b.Goal(g1, 1);
    b.Goal(g1, 2);
    b.Goal(g2, 3, pb, 50, false, true);
    b.Goal(g3, 5, c, 30);
    b.Goal(g3, 6, e, 70, true);
    b.Goal(g5, 4, d, 5);
    b.Goal(g5, 4, d, 6);
    b.Goal(c6, 3, pb);
    b.Goal(c7, 11, g);
    b.Squad(g1, 1, {On(a)});
    b.Squad(g1, 2, {});
    b.Squad(g2, 3, {On(pb), On(c)});
    b.Squad(g2, 4, {On(d)});
    b.Squad(g3, 5, {On(c, true), On(e)});
    b.Squad(g3, 6, {});
    b.Squad(c7, 4, {On(d), SquadEntry{}, On(f)});
    b.MissedPen(g2, d, 4, 60);
    b.MissedPen(g3, c, 5, 61);
    b.MissedPen(g5, d, 4, 62);
    b.Selection(1, "Small", {2, 3, 5})
        .Selection(2, "Big", {1, 2, 4, 5, 10})
        .Selection(3, "Three", {3, 4, 5, 6});
    League l = b.Build();
    l.Head.OwnTeam = 7;
    l.CurrentSel = 2;
    return l;
}

// The same league built as it should be after team 3 went: team 4 is the new team 3, and so on.
League AfterDeletingTeamThree() {
    LeagueBuilder b;
    b.Teams({"T1", "T2", "T4", "T5", "T6", "T7", "T8", "T9", "T10"}).OtherTeams({"Cup Side"});
    b.Comp("Cup", "CUP");
    const int a = b.Player("A", 1), d = b.Player("D", 3), e = b.Player("E", 4);
    const int f = b.Player("F", 0), g = b.Player("G", 10);
    const int g1 = b.Played(1, 2, 2, 1, kDay);
    const int g3 = b.Played(4, 5, 1, 1, kDay + 2);
    const int g5 = b.Played(9, 3, 0, 2, kDay + 4);
    const int c7 = b.CupGame(3, 10, 0, 1, kDay + 6);
    b.Goal(g1, 1, a, 10);
    b.Goal(g1, 1);
    b.Goal(g1, 2);
    b.Goal(g3, 4, 0, 30); // C's goal stays, without a scorer
    b.Goal(g3, 5, e, 70, true);
    b.Goal(g5, 3, d, 5);
    b.Goal(g5, 3, d, 6);
    b.Goal(c7, 10, g);
    b.Squad(g1, 1, {On(a)});
    b.Squad(g1, 2, {});
    b.Squad(g3, 4, {SquadEntry{}, On(e)});
    b.Squad(g3, 5, {});
    b.Squad(c7, 3, {On(d), SquadEntry{}, On(f)});
    b.MissedPen(g3, 0, 4, 61);
    b.MissedPen(g5, d, 3, 62);
    b.Selection(2, "Big", {1, 2, 3, 4, 9}).Selection(3, "Three", {3, 4, 5});
    League l = b.Build();
    l.Head.OwnTeam = 6;
    return l;
}

TEST(DeleteTeam, TeamThreeOfTenLeavesEveryRecordAsIfNeverThere) {
    League league = BeforeDeletingTeamThree();
    ASSERT_TRUE(CheckDeleteTeam(league, 3));
    EXPECT_EQ(DeleteTeamQuestion(league, 3),
              "Are you sure you want to delete T3 and all their games and players ?");
    ASSERT_TRUE(DeleteTeam(league, 3));
    ExpectSameLeague(league, AfterDeletingTeamThree());
    EXPECT_TRUE(league.DataChanged);
    EXPECT_EQ(league.Teams[11].Name.size(), 0u) << "the freed slot is cleared";
}

TEST(DeleteTeam, OwnTeamFollowsItsClub) {
    struct Case {
        int Own, Deleted, Expected;
    } cases[] = {{7, 3, 6}, {7, 7, 0}, {2, 3, 2}, {0, 3, 0}};
    for (const Case& c : cases) {
        League league = BeforeDeletingTeamThree();
        league.Head.OwnTeam = static_cast<u8>(c.Own);
        const std::string club = league.Teams[static_cast<std::size_t>(c.Own)].Name.str();
        ASSERT_TRUE(DeleteTeam(league, c.Deleted));
        EXPECT_EQ(league.Head.OwnTeam, c.Expected) << c.Own << " after deleting " << c.Deleted;
        if (c.Expected != 0) {
            EXPECT_EQ(league.Teams[static_cast<std::size_t>(c.Expected)].Name.str(), club);
        }
    }
}

TEST(DeleteTeam, FourLeagueTeamsRefuseButOtherTeamsGo) {
    LeagueBuilder b;
    b.Teams({"A", "B", "C", "D"}).OtherTeams({"X", "Y"}).Comp("Cup", "CUP");
    b.Selection(1, "Some", {1, 2, 4});
    b.CupGame(1, 5, 1, 0, kDay);
    b.CupGame(2, 6, 1, 0, kDay);
    League league = b.Build();
    league.CurrentSel = 1;
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(CheckDeleteTeam(league, t).Message, kNoMoreLeagueTeamsMessage) << t;
    ASSERT_TRUE(CheckDeleteTeam(league, 5));
    ASSERT_TRUE(DeleteTeam(league, 5));
    EXPECT_EQ(std::vector<int>({league.Head.TeamCount, league.Head.OtherTeamCount, league.Head.CupGameCount}),
              std::vector<int>({4, 1, 1}));
    EXPECT_EQ(league.Games[1].AwayTeam, 5) << "Y is the new team 5";
    EXPECT_EQ(league.CurrentSel, 1) << "selections are about league teams only";
    EXPECT_TRUE(league.TeamSels[1].IsMember(4));
    EXPECT_FALSE(DeleteTeam(league, 6));
}

League PlayersInUse() {
    LeagueBuilder b;
    b.Teams({"A", "B"});
    const int scorer = b.Player("Scorer", 1), ownGoal = b.Player("Own Goal", 2), miss = b.Player("Miss", 1);
    const int bench = b.Player("Bench", 1);
    b.Player("Idle", 1);
    const int later = b.Player("Later", 1);
    const int g = b.Played(1, 2, 2, 0, kDay);
    b.Goal(g, 1, scorer);
    b.Goal(g, 1, ownGoal, 0, true);
    b.Goal(g, 1, later);
    std::vector<SquadEntry> squad(14);
    squad[0] = On(later);
    squad[13].Player = static_cast<u16>(bench); // a substitute who never came on
    b.Squad(g, 1, squad);
    b.MissedPen(g, miss, 1, 80);
    return b.Build();
}

TEST(DeletePlayer, ReferencedPlayersAreRefusedOthersRenumberTheRest) {
    const League league = PlayersInUse();
    const char* refused =
        "The selected player has goals assigned or appears in a squad. Delete not performed.";
    for (const char* name : {"Scorer", "Own Goal", "Miss", "Bench", "Later"}) {
        const int team = std::string(name) == "Own Goal" ? 2 : 1;
        const Expected<int> p = FindPlayer(league, team, name);
        ASSERT_TRUE(p) << name;
        EXPECT_EQ(CheckDeletePlayer(league, *p).Message, refused) << name;
    }
    League changed = league;
    const int idle = *FindPlayer(changed, 1, "Idle");
    ASSERT_TRUE(CheckDeletePlayer(changed, idle));
    EXPECT_EQ(DeletePlayerQuestion(changed, idle), "Are you sure you want to delete Idle of A");
    ASSERT_TRUE(DeletePlayer(changed, idle));
    EXPECT_EQ(+changed.Head.PlayerCount, 5);
    EXPECT_EQ(changed.Players[5].Name.str(), "Later");
    EXPECT_EQ(+changed.Goals[3].Scorer, 5);
    EXPECT_EQ(+changed.Squads[1].Entries[0].Player, 5);
    EXPECT_EQ(+changed.Squads[1].Entries[13].Player, 4) << "Bench was before Idle";
    EXPECT_EQ(+changed.MissedPens[1].Player, 3);
    EXPECT_FALSE(FindPlayer(changed, 1, "Idle"));
}

} // namespace
} // namespace gorlin
