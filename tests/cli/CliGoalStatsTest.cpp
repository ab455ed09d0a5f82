// The goal statistics, graph, match-grid and player statistics commands print what the core
// computes; these check the wiring, the output shapes and the refusals.

#include "core/edit/Competitions.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"
#include "support/WorldCup.h"

#include <gtest/gtest.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

using Texts = std::vector<std::string>;

const int kDay = ToDayNumber(2024, 8, 10);

/// Three teams meeting four times (two sets of six games); Adam scores a hat-trick in game 1,
/// including a penalty; the last set holds a dated fixture.
League FourMeetings() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "Cit\xe9"});
    const int adam = b.Player("Adam", 1);
    int first = 0;
    for (int round = 0; round < 2; ++round)
        for (const auto& [h, a] : {std::pair{1, 2}, {2, 1}, {1, 3}, {3, 1}, {2, 3}, {3, 2}}) {
            const int g = round == 1 && h == 3 && a == 2
                              ? b.Fixture(h, a, kDay + 60)
                              : b.Played(h, a, h == 1 ? 3 : 1, 0, kDay + round * 30 + h * 7 + a);
            first = first == 0 ? g : first;
        }
    b.Goal(first, 1, adam, 10);
    b.Goal(first, 1, adam, 50, false, true);
    b.Goal(first, 1, adam, 92);
    return b.Build();
}

struct Files {
    TempDir dir;
    std::string Save(League league) {
        const auto path = dir / "league.div";
        EXPECT_TRUE(SaveLeague(league, path, SaveOptions{false}).Ok);
        return path.string();
    }
};

CliRun Cmd(const Files& f, Texts args) {
    return RunCliIn(f.dir, std::move(args));
}

} // namespace

TEST(CliGoalStats, WorldCupScorersAndHatTricks) {
    Files f;
    const std::string file =
        f.Save(BuildWorldCupLeague(DataDir() / "wc2018_results.csv", DataDir() / "wc2018_goals.csv"));
    const CliRun scorers = Cmd(f, {"goal-stats", file, "--list", "scorers", "--games", "all"});
    ASSERT_EQ(scorers.Exit, 0) << scorers.Err;
    EXPECT_EQ(Lines(scorers.Out).front(), "6 Harry Kane (England)");
    const CliRun hat =
        Cmd(f, {"goal-stats", file, "--list", "hat-tricks", "--games", "all", "--click", "Player"});
    ASSERT_EQ(hat.Exit, 0) << hat.Err;
    const Texts lines = Lines(hat.Out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Goals\tPlayer\tGame\tDate");
    EXPECT_EQ(lines[1].substr(0, 20), "3\tCristiano Ronaldo\t");
    EXPECT_EQ(lines[2].substr(0, 13), "3\tHarry Kane\t");
}

TEST(CliGoalStats, SummaryTimesChartAndRefusals) {
    Files f;
    const std::string file = f.Save(FourMeetings());
    EXPECT_EQ(Lines(Cmd(f, {"goal-stats", file}).Out),
              (Texts{"lbPenScored\t1", "lbPenMissed\t0", "lbPenCon\t1 (Albion)", "lbPenAward\t1 (Rovers)"}));
    // 45-minute halves: minutes 10, 50 and 92 fall in buckets 2, 10 and 19.
    const Texts times = Lines(Cmd(f, {"goal-stats", file, "--list", "times", "--team", "Rovers"}).Out);
    ASSERT_EQ(times.size(), 19u);
    EXPECT_EQ(times[1], "2\t1");
    EXPECT_EQ(times[9], "10\t1");
    EXPECT_EQ(times[18], "19\t1");
    EXPECT_EQ(Lines(Cmd(f, {"goal-stats", file, "--list", "times", "--team", "Albion"}).Out)[18], "19\t0");
    const Texts chart = Lines(Cmd(f, {"goal-stats", file, "--chart", "190x30"}).Out);
    EXPECT_EQ(chart[0], "line 2 29 8 29 black");
    EXPECT_EQ(chart[1], "rect 10 0 20 30 blue");
    EXPECT_EQ(Cmd(f, {"goal-stats", file, "--team", "Rovers"}).Exit, 2);
    EXPECT_EQ(Cmd(f, {"goal-stats", file, "--list", "scorers", "--click", "Goals"}).Exit, 2);
    EXPECT_EQ(Cmd(f, {"goal-stats", file, "--list", "penalties", "--click", "Nope"}).Exit, 2);
    const CliRun unknown = Cmd(f, {"goal-stats", file, "--list", "times", "--team", "Nobody"});
    EXPECT_EQ(unknown.Exit, 1);
    EXPECT_TRUE(unknown.Out.empty());
}

TEST(CliGoalStats, MatchGridSets) {
    Files f;
    const std::string file = f.Save(FourMeetings());
    const Texts first = Lines(Cmd(f, {"match-grid", file}).Out);
    EXPECT_EQ(first, (Texts{"\tRovers\tAlbion\tCit\xc3\xa9", "Rovers\t\t3-0\t3-0", "Albion\t1-0\t\t1-0",
                            "Cit\xc3\xa9\t1-0\t1-0\t"}));
    const Texts second = Lines(Cmd(f, {"match-grid", file, "--set", "2"}).Out);
    EXPECT_EQ(second[3], "Cit\xc3\xa9\t1-0\t9/10\t");
    const CliRun none = Cmd(f, {"match-grid", file, "--set", "3"});
    EXPECT_EQ(none.Exit, 1);
    EXPECT_TRUE(none.Out.empty());
    EXPECT_EQ(Cmd(f, {"match-grid", file, "--set", "x"}).Exit, 2);
}

TEST(CliGoalStats, GraphAndPlayerStats) {
    Files f;
    const std::string file = f.Save(FourMeetings());
    const Texts points = Lines(Cmd(f, {"graph", file, "--team", "Rovers", "--today", "2024-12-01"}).Out);
    ASSERT_EQ(points.size(), 8u);
    EXPECT_EQ(points[0].substr(0, 12), "1\t1\t2024-08-");
    const Texts top =
        Lines(Cmd(f, {"graph", file, "--team", "Albion", "--type", "top", "--today", "2024-12-01"}).Out);
    ASSERT_EQ(top.size(), 3u); // Albion is among the top three: not drawn twice
    EXPECT_EQ(top[0].substr(0, 9), "1\tRovers\t");
    EXPECT_EQ(Cmd(f, {"graph", file}).Exit, 2);
    League withCup = FourMeetings();
    ASSERT_TRUE(AddCompetition(withCup, "Cup", "CUP"));
    const std::string cupFile = f.Save(withCup);
    for (const Texts& refused :
         {Texts{"--today", "2024-08-01"}, Texts{"--games", "CUP", "--today", "2024-12-01"}}) {
        Texts args = {"graph", cupFile, "--team", "Rovers"};
        args.insert(args.end(), refused.begin(), refused.end());
        const CliRun run = Cmd(f, args); // before any game; one competition chosen
        EXPECT_EQ(run.Exit, 1);
        EXPECT_TRUE(run.Out.empty() && !run.Err.empty());
    }

    const Texts totals = Lines(Cmd(f, {"player-stats", file, "--player", "Adam", "--team", "Rovers"}).Out);
    ASSERT_EQ(totals.size(), 16u);
    EXPECT_EQ(totals[0], "Caption\tStatistics for Adam (Rovers)");
    EXPECT_EQ(totals[1], "Total:\t3");
    EXPECT_EQ(totals[11], "lbYellow\tn/a");
    const Texts matches = Lines(Cmd(f, {"player-stats", file, "--player", "Adam", "--list", "matches"}).Out);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0],
              "Com\tDate\tTeams\tGls\tType\tTime on\tTime off\tYellow Cards\tRed Card\tPenalties\tRating");
    EXPECT_EQ(Cmd(f, {"player-stats", file, "--player", "Nobody"}).Exit, 1);
    EXPECT_EQ(Cmd(f, {"player-stats", file, "--player", "Adam", "--click", "Gls"}).Exit, 2);
}
