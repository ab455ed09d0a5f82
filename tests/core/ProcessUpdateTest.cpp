#include "core/update/ProcessUpdate.h"

#include "core/update/LineReceiver.h"
#include "core/update/UpdateWriter.h"
#include "support/LeagueBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

using namespace gorlin;

namespace {

constexpr const char* kHead = "Gorlin Update:100 Date:1\nLeague Version:0042\n";

UpdateReport Apply(League& league, const std::string& body, const UpdateOptions& options = {}) {
    return ProcessUpdate(league, SplitUpdateLines(kHead + body), options);
}

/// Four teams, version 42, two players of the same name in teams 1 and 2.
test::LeagueBuilder Small() {
    test::LeagueBuilder b;
    b.Teams({"A", "B", "C", "D"});
    b.Get().Head.VersionId = 42;
    b.Player("Smith, John", 1);
    b.Player("Smith, John", 2);
    return b;
}

/// Everything an update carries, by names rather than indexes, game by game.
std::string Digest(const League& l) {
    std::vector<std::string> games;
    auto name = [&](int p) { return p == 0 ? std::string("?") : l.Players[std::size_t(p)].Name.str(); };
    for (int g = 1; g <= l.GameCount(); ++g) {
        std::ostringstream out;
        const GameRec& game = l.Games[std::size_t(g)];
        out << game.Date << ' ' << int(game.Played) << ' ' << int(game.HomeTeam) << '-' << int(game.AwayTeam)
            << ' ' << int(game.HomeGoals) << ':' << int(game.AwayGoals) << ' ' << game.Attendance << ' '
            << l.Referees[game.Referee].Name.str() << " |";
        for (int i = 1; i <= l.Head.GoalCount; ++i)
            if (const GoalRec& goal = l.Goals[std::size_t(i)]; goal.Game == g)
                out << ' ' << goal.TeamFor << name(goal.Scorer) << goal.Minute << int(goal.Penalty)
                    << int(goal.OwnGoal);
        for (int s : {int(game.HomeSquad), int(game.AwaySquad)})
            for (const SquadEntry& e : l.Squads[std::size_t(s)].Entries)
                if (s != 0 && e.Player != 0)
                    out << " S" << name(e.Player) << int(e.TimeOn) << int(e.TimeOff) << int(e.Yellow1)
                        << int(e.Red) << int(e.Rating);
        for (int i = 1; i <= l.Head.MissedPenCount; ++i)
            if (l.MissedPens[std::size_t(i)].Game == g)
                out << " M" << name(l.MissedPens[std::size_t(i)].Player)
                    << int(l.MissedPens[std::size_t(i)].Minute);
        games.push_back(out.str());
    }
    std::sort(games.begin(), games.end()); // new games may stand elsewhere than in the writer's league
    std::ostringstream out;
    for (const std::string& game : games)
        out << game << '\n';
    for (int p = 1; p <= l.Head.PlayerCount; ++p)
        out << name(p) << '@' << int(l.Players[std::size_t(p)].Team) << '\n';
    return out.str();
}

} // namespace

TEST(ProcessUpdate, HeaderRefusals) {
    struct Case {
        const char* Text;
        const char* Message;
    };
    const Case cases[] = {
        {"", kMsgUpdateNotFormatted},
        {"Gorlin Updat:100\nLeague Version:0042\n", kMsgUpdateNotFormatted},
        {"Gorlin Update:101 Date:1\nLeague Version:0042\n", kMsgUpdateNotCompatible},
        {"Gorlin Update:100 Date:1\nLeague Version:0043\n", kMsgUpdateNotCompatible},
        {"Gorlin Update:100 Date:1\n", kMsgUpdateNotCompatible},
    };
    for (const Case& c : cases) {
        League league = Small().Build();
        const UpdateReport r =
            ProcessUpdate(league, SplitUpdateLines(std::string(c.Text) + "R,9,1,2,1,0,0,0,0"));
        EXPECT_FALSE(r.Accepted);
        ASSERT_EQ(r.Messages.size(), 3u);
        EXPECT_EQ(r.Messages[1].Text, std::string(c.Message) + "\n\nUpdate processing cancelled.");
        EXPECT_EQ(r.FinalStatus(), kMsgUpdateCancelled);
        EXPECT_EQ(league.GameCount(), 0);
    }
}

TEST(ProcessUpdate, ResultsFixturesAndGaps) {
    test::LeagueBuilder b = Small();
    const int known = b.Played(1, 2, 1, 0, 100);
    b.Goal(known, 1);
    const int other = b.Played(3, 4, 2, 2, 100);
    const int dated = b.Fixture(2, 1, 300);
    const int undated = b.Fixture(2, 1, 0);
    b.Fixture(4, 3, 0);
    League league = b.Build();
    const UpdateReport r = Apply(league, "O,Arden, K\nP,1,\"Smith, J\",4,9\nP,2,\"Smith, John\",0,0\n"
                                         "R,100,1,2,1,0,500,1,0\nG,1,1,30,1,0\n"
                                         "R,100,3,4,1,1,600,1,0\n"
                                         "R,200,2,1,0,3,0,0,0\nG,1,1,5,0,0\nG,1,2,6,0,1\nG,1,0,7,0,0\n"
                                         "F,400,4,3\nF,400,4,3\n");
    EXPECT_EQ(r.FinalStatus(), kMsgUpdateComplete);
    EXPECT_TRUE(league.DataChanged);
    // The known result gets attendance, referee and its goal's details; the other score is left.
    EXPECT_EQ(+league.Games[known].Attendance, 500u);
    EXPECT_EQ(+league.Games[known].Referee, 1);
    EXPECT_EQ(league.Referees[1].Name.str(), "Arden, K");
    EXPECT_EQ(+league.Goals[1].Scorer, 1);
    EXPECT_EQ(league.Goals[1].Penalty, 1);
    EXPECT_EQ(league.Players[1].Position * 100 + league.Players[1].SquadNo, 409); // gaps filled
    EXPECT_EQ(+league.Games[other].Attendance, 0u);
    // The undated fixture takes the result, the one on another day keeps waiting.
    EXPECT_EQ(league.Games[undated].Played, 1);
    EXPECT_EQ(league.Games[dated].Played, 0);
    // Same-named players of two teams stay apart; an own goal's scorer plays for the other side.
    EXPECT_EQ(+league.Goals[2].Scorer, 1);
    EXPECT_EQ(league.Goals[3].Scorer * 10 + league.Goals[3].OwnGoal, 21);
    EXPECT_EQ(+league.Goals[4].Scorer, 0);
    EXPECT_EQ(+league.Games[5].Date, 400);
    const UpdateCounts& c = r.Counts;
    EXPECT_EQ((std::vector<int>{c.FixturesCompleted, c.ResultsFilled, c.GoalsAdded, c.RefereesAdded,
                                c.FixturesDated}),
              (std::vector<int>{1, 1, 3, 1, 1}));
}

TEST(ProcessUpdate, SquadPlayerBehindAnEmptyEntryIsNotAddedTwice) {
    test::LeagueBuilder b = Small();
    const int fixture = b.Fixture(1, 2, 100);
    b.Squad(fixture, 1, {{2, 0, 90, 0, 0, 0, 0}, {1, 0, 90, 0, 0, 0, 0}});
    League league = b.Build();
    const std::size_t s = league.Games[fixture].HomeSquad;
    league.Squads[s].Entries[0].Player = 0; // a deleted player's entry
    const UpdateReport r =
        Apply(league, "P,1,\"Smith, John\",0,0\nR,100,1,2,1,0,0,0,0\nS,1,1,0,90,0,0,0,0\n");
    EXPECT_EQ(r.Counts.SquadEntriesAdded, 0);
    // The update replaces the league's records: read the squad afresh.
    EXPECT_EQ(league.Squads[s].Entries[0].Player * 10 + league.Squads[s].Entries[1].Player, 1);
}

TEST(ProcessUpdate, FixedScheduleMissedPensAndPlayerBoxOff) {
    test::LeagueBuilder b = Small();
    b.TimesToPlay(2);
    const int g = b.Played(1, 2, 0, 0, 100);
    b.MissedPen(g, 1, 1, 66);
    b.MissedPen(g, 2, 2, 64);
    b.Fixture(1, 2, 0); // so the R below finds no place but its known game
    const League start = b.Build();

    League league = start;
    const UpdateReport none = Apply(league, "R,300,3,4,1,0,0,0,0\nG,3,0,1,0,0\n");
    EXPECT_EQ(none.FinalStatus(), kMsgUpdateNoChanges);
    EXPECT_EQ(none.Counts.ResultsNotApplied, 1);

    // The new game: only the miss more than five minutes from a held one is added.
    league = start;
    league.Games[2] = league.Games[1];
    league.Games[2].Played = 0;
    league.Games[1].Played = 0; // the R line completes fixture 1, which keeps the held misses
    league.Games[2].Date = 999;
    const UpdateReport misses = Apply(league, "P,1,\"Smith, John\",0,0\nP,2,\"Smith, John\",0,0\n"
                                              "R,100,1,2,0,0,0,0,0\nM,1,1,70,0\nM,2,2,70\n");
    EXPECT_EQ(misses.Counts.MissedPensAdded, 1);
    EXPECT_EQ(league.MissedPens[3].Player * 1000 + league.MissedPens[3].Minute, 2070);

    // Without the player box: scorers unknown, squads, transfers and misses change nothing.
    league = start;
    league.Games[1].Played = 0;
    const UpdateReport off = Apply(league,
                                   "P,1,\"Smith, John\",0,0\nR,100,1,2,1,0,0,0,0\nG,1,1,3,0,0\n"
                                   "S,1,1,0,90,0,0,0,70\nT,1,2\nM,1,1,20\n",
                                   {true, false, true});
    EXPECT_EQ(+league.Goals[1].Scorer, 0);
    EXPECT_EQ(league.Head.SquadCount + league.Head.PlayerCount * 10 + off.Counts.Transfers, 20);
    EXPECT_EQ(league.Head.MissedPenCount, 2);
}

TEST(ProcessUpdate, NewGamesGoBeforeTheCupGames) {
    test::LeagueBuilder b = Small();
    b.Comp("Cup", "CUP");
    b.Played(1, 2, 0, 0, 100);
    const int cup = b.CupGame(3, 4, 1, 0, 150);
    b.Goal(cup, 3);
    League league = b.Build();
    const UpdateReport r = Apply(league, "R,200,2,1,2,0,0,0,1\nG,2,0,10,0,0\nG,2,0,20,0,0\n");
    EXPECT_EQ(r.Counts.ResultsAdded, 1);
    EXPECT_EQ(league.GameCount(), 2);
    EXPECT_EQ(league.Games[2].Awarded, 1);
    EXPECT_EQ(league.Games[3].Comp, 1);
    EXPECT_EQ(+league.Goals[1].Game, 3); // the cup goal followed its game
    EXPECT_EQ(league.Goals[2].Game * 10 + league.Goals[3].Game, 22);
}

TEST(ProcessUpdate, DamagedRecordsAreSkippedAndCounted) {
    const char* damaged[] = {
        "R,100,1,2,1,0,0,0",     // a field missing
        "R,100,1,5,1,0,0,0,0",   // not a league team
        "R,100,2,2,1,0,0,0,0",   // home is away
        "R,100,1,2,256,0,0,0,0", // too large for its field
        "R,100,1,2,-1,0,0,0,0",  // no plain digits
        "R,100,1,2,1,0,4294967296,0,0",
        "F,100,1,9",
        "F,x,1,2",
        "P,5,\"Jones\",0,0\nR,100,1,2,1,0,0,0,0\nG,1,1,1,0,0", // a damaged P maps to no player
    };
    for (const char* line : damaged) {
        League league = Small().Build();
        const UpdateReport r =
            Apply(league, std::string("R,50,3,4,0,0,0,0,0\nG,1,0,1,0,0\nS,5,1,1,1,0,0,0,0\n") +
                              "M,3,1\nT,1,5\n" + line);
        EXPECT_EQ(r.Counts.RecordsSkipped, 5) << line; // with the G, S, M and T above
        EXPECT_EQ(league.GameCount(), std::string(line).starts_with("P") ? 2 : 1) << line;
        EXPECT_EQ(league.Head.PlayerCount, 2) << line;
    }
}

TEST(ProcessUpdate, WrittenFileRestoresAnEarlierCopyOnce) {
    auto season = [](bool complete) {
        test::LeagueBuilder b;
        b.Teams({"A", "B", "C", "D"});
        b.Get().Head.VersionId = 42;
        b.Referee("Arden, K");
        const u16 ann = u16(b.Player("Ann", 1));
        const u16 bob = u16(b.Player("Bob", 2));
        const u16 cy = u16(b.Player("Cy", 3));
        const int g1 = b.Played(1, 2, 1, 1, 100);
        b.Goal(g1, 1, ann, 12);
        b.Goal(g1, 2, bob, 50, false, true);
        b.Squad(g1, 1, {{ann, 0, 90, 1, 0, 0, 75}});
        if (complete) {
            b.Referee("Bell, L");
            const u16 dee = u16(b.Player("Dee", 4));
            const int g2 = b.Played(3, 1, 2, 0, 200);
            b.Get().Games[g2].Referee = 2;
            b.Get().Games[g2].Attendance = 12345;
            b.Goal(g2, 3, cy, 5);
            b.Goal(g2, 3, ann, 70, true); // own goal by a player of team 1
            b.Squad(g2, 3, {{cy, 0, 90, 0, 0, 1, 60}, {bob, 46, 90, 0, 0, 0, 0}}); // Bob moved to C
            b.MissedPen(g2, cy, 3, 33);
            b.Get().Players[bob].Team = 3;
            const int g3 = b.Played(4, 2, 0, 1, 300);
            b.Goal(g3, 2, 0, 88);
            b.Squad(g3, 4, {{dee, 0, 90, 0, 0, 0, 0}});
        } else {
            b.Fixture(3, 1, 0);
        }
        b.Fixture(2, 3, 400);
        return b.Build();
    };
    const League full = season(true);
    League earlier = season(false);
    const std::vector<std::string> lines = SplitUpdateLines(WriteUpdateText(full, {150, true, 500}));
    const UpdateReport first = ProcessUpdate(earlier, lines);
    EXPECT_EQ(first.FinalStatus(), kMsgUpdateComplete);
    EXPECT_EQ(Digest(earlier), Digest(full));
    EXPECT_EQ(first.Counts.Transfers, 1);
    EXPECT_EQ(first.Counts.RecordsSkipped, 0);
    const UpdateReport second = ProcessUpdate(earlier, lines);
    EXPECT_EQ(second.FinalStatus(), kMsgUpdateNoChanges);
}
