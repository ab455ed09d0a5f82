#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

using Texts = std::vector<std::string>;

const int kDay = ToDayNumber(2024, 8, 10);

/// Rovers (3 points deducted), Albion and Cité ("Cit\xe9" in the league), Athletic outside the
/// league, one cup. Rovers: home win 2-0 v Albion (12,000), away draw 1-1, home loss 0-1 v Cité
/// (9,500), a cup win 3-0 v Athletic and a fixture at Cité. Adam scored both goals of the win.
League Small() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "Cit\xe9"}).OtherTeams({"Athletic"}).Comp("FA Cup", "FAC").Points(3, 1, 0);
    const int win = b.Played(1, 2, 2, 0, kDay);
    b.Played(2, 1, 1, 1, kDay + 7);
    const int loss = b.Played(1, 3, 0, 1, kDay + 14);
    b.CupGame(1, 4, 3, 0, kDay + 10);
    b.Fixture(3, 1, kDay + 21);
    b.Get().Games[static_cast<std::size_t>(win)].Attendance = 12000;
    b.Get().Games[static_cast<std::size_t>(loss)].Attendance = 9500;
    b.Get().Teams[1].PointsAdjust = -3;
    PlayerRec zed{};
    zed.Name = "Zed Keeper";
    zed.Team = 1;
    zed.SquadNo = 1;
    b.Player(zed);
    PlayerRec adam{};
    adam.Name = "adam Striker";
    adam.Team = 1;
    adam.SquadNo = 9;
    const int striker = b.Player(adam);
    b.Goal(win, 1, striker, 10);
    b.Goal(win, 1, striker, 80);
    return b.Build();
}

std::string Save(League league, const TempDir& dir) {
    const auto path = dir / "league.div";
    EXPECT_TRUE(SaveLeague(league, path, SaveOptions{false}).Ok);
    return path.string();
}

} // namespace

TEST(CliTeamStats, LabelsInPageOrder) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    const CliRun run = RunCliIn(dir, {"team-stats", file, "--team", "Rovers", "--today", "2024-12-01"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (Texts{"lblPlayed\t3",        "lblGoals\t3",
                                     "lblWon\t1",           "lblDrawn\t1",
                                     "lblLost\t1",          "lblPoints\t1",
                                     "lbDeducted\t-3",      "hfHome\t2",
                                     "hfHomeTeam\tAlbion",  "hfAway\t1",
                                     "hfAwayTeam\tAlbion",  "haHome\t1",
                                     "haHomeTeam\tCité",    "haAway\t1",
                                     "haAwayTeam\tAlbion",  "labAttHigh\t12,000",
                                     "labAtHiTm\tAlbion",   "labAttLow\t9,500",
                                     "labAtLoTm\tCité",     "labAttAve\t10,750",
                                     "labAttTotal\t21,500", "labTotClean\t1 (33%)",
                                     "labHmClean\t1 (50%)", "labAwClean\t0 (0%)",
                                     "btnGraph\t1"}));

    // Before the first game the standings count nothing: no graph. A competition blanks points.
    CliRun early = RunCliIn(dir, {"team-stats", file, "--team", "Rovers", "--today", "2024-08-01"});
    EXPECT_EQ(Lines(early.Out).back(), "btnGraph\t0");
    const CliRun cup =
        RunCliIn(dir, {"team-stats", file, "--team", "Rovers", "--games", "FAC", "--today", "2024-12-01"});
    ASSERT_EQ(cup.Exit, 0) << cup.Err;
    const Texts lines = Lines(cup.Out);
    EXPECT_EQ(lines[0], "lblPlayed\t1");
    EXPECT_EQ(lines[5], "lblPoints\t");
    EXPECT_EQ(lines[6], "lbDeducted\t");
    EXPECT_EQ(lines.back(), "btnGraph\t0");
}

TEST(CliTeamStats, GridsResortPerClick) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    const struct {
        Texts Options;
        Texts Lines;
    } cases[] = {
        {{"--grid", "results"},
         {"Comp\tDate\tAttend\tH/A\tOpposition\tF\tA", "LGE\t2024-08-24\t9,500\tH\tCité\t0\t1",
          "LGE\t2024-08-17\t0\tA\tAlbion\t1\t1", "LGE\t2024-08-10\t12,000\tH\tAlbion\t2\t0"}},
        // F: most goals first; F again: fewest first (ties oldest first). The cup game counts.
        {{"--games", "all", "--grid", "results", "--click", "F", "--click", "F"},
         {"Comp\tDate\tAttend\tH/A\tOpposition\tF\tA", "LGE\t2024-08-24\t9,500\tH\tCité\t0\t1",
          "LGE\t2024-08-17\t0\tA\tAlbion\t1\t1", "LGE\t2024-08-10\t12,000\tH\tAlbion\t2\t0",
          "FAC\t2024-08-20\t0\tH\tAthletic\t3\t0"}},
        // Opposition twice keeps its one order: same opponent, home game first.
        {{"--grid", "results", "--click", "Opposition", "--click", "Opposition"},
         {"Comp\tDate\tAttend\tH/A\tOpposition\tF\tA", "LGE\t2024-08-10\t12,000\tH\tAlbion\t2\t0",
          "LGE\t2024-08-17\t0\tA\tAlbion\t1\t1", "LGE\t2024-08-24\t9,500\tH\tCité\t0\t1"}},
        // SN sorts by squad number (initially by name, without regard to case).
        {{"--grid", "players", "--columns", "BAE", "--click", "SN"},
         {"Player\tSN\tGoals", "Zed Keeper\t1\t0", "adam Striker\t9\t2"}},
    };
    for (const auto& c : cases) {
        Texts args = {"team-stats", file, "--team", "Rovers"};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const CliRun run = RunCliIn(dir, args);
        ASSERT_EQ(run.Exit, 0) << run.Err;
        EXPECT_EQ(Lines(run.Out), c.Lines) << c.Options.back();
    }
}

TEST(CliTeamStats, ChartStartsFromTheAdjustment) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    // P 3, S 1, M 3 (Cité): bars 30 wide, 10 pixels a point; the win only makes up the deduction.
    const CliRun run = RunCliIn(dir, {"team-stats", file, "--team", "Rovers", "--chart", "90x30"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (Texts{"line 0 0 0 29 black", "line 0 29 90 29 black", "rect 30 20 60 30 white",
                                     "rect 60 20 90 30 red"}));
}

TEST(CliTeamStats, RefusalsWriteNothing) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    const struct {
        Texts Args;
        int Exit;
        const char* Message;
    } cases[] = {
        {{"--team", "Athletic"}, 1, "Athletic is not in the team list"}, // league games only
        {{"--team", "Rovers", "--games", "XYZ"}, 1, "no competition called XYZ"},
        {{"--team", "Rovers", "--click", "F"}, 2, "--click needs --grid"},
        {{"--team", "Rovers", "--grid", "results", "--click", "Pts"}, 2, "no heading 'Pts'"},
        {{"--team", "Rovers", "--grid", "players", "--columns", "AZ"}, 2, "--columns needs"},
        {{"--team", "Rovers", "--grid", "results", "--chart", "9x9"}, 2, "cannot be combined"},
    };
    for (const auto& c : cases) {
        Texts args = {"team-stats", file};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CliRun run = RunCliIn(dir, args);
        EXPECT_EQ(run.Exit, c.Exit) << c.Message;
        EXPECT_EQ(run.Out, "") << c.Message;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    }
    // Offered once the filter takes in the cup.
    EXPECT_EQ(RunCliIn(dir, {"team-stats", file, "--team", "Athletic", "--games", "all"}).Exit, 0);
    EXPECT_EQ(RunCliIn(dir, {"form", file, "--team", "Athletic"}).Exit, 1);
}

TEST(CliForm, LettersAndPhrases) {
    TempDir dir;
    const std::string small = Save(Small(), dir);
    // Three games: letters but no phrase.
    CliRun run = RunCliIn(dir, {"form", small, "--team", "Rovers"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (Texts{"HomeForm\tWL", "AwayForm\tD"}));
    run = RunCliIn(dir, {"form", small, "--team", "Rovers", "--games", "all"});
    EXPECT_EQ(Lines(run.Out)[0], "HomeForm\tWWL");

    const std::string season =
        Save(BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Premier League"), dir);
    run = RunCliIn(dir, {"form", season, "--team", "Liverpool FC"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const Texts lines = Lines(run.Out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "HomeForm\tWWWWW");
    EXPECT_EQ(lines[1], "AwayForm\tDWWWW");
    EXPECT_EQ(lines[2], "Phrase\tWon last 9");
    EXPECT_EQ(lines.back(), "Phrase\t18 points out of last 18");
}
