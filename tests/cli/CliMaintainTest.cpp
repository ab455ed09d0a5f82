#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct CliLeague {
    TempDir dir;
    std::string file = (dir / "league.div").string();

    explicit CliLeague(League league) { EXPECT_TRUE(SaveLeague(league, file, SaveOptions{false}).Ok); }
    CliRun Run(const std::string& command, std::vector<std::string> args) const {
        args.insert(args.begin(), {command, file});
        return RunCliIn(dir, std::move(args));
    }
    League Load() const { return *LoadLeague(file); }
};

/// Five league teams and a cup side; two referees, one of them in a cup game only.
League SmallLeague() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie", "Delta", "Echo"}).OtherTeams({"Rovers"}).Comp("Cup", "FAC");
    const int dean = b.Referee("M Dean");
    const int atkinson = b.Referee("M Atkinson");
    const int g1 = b.Played(1, 2, 3, 0, 43000);
    const int g2 = b.Played(3, 4, 0, 0, 43001);
    const int cup = b.CupGame(5, 6, 1, 1, 43002);
    b.Get().Games[static_cast<std::size_t>(g1)].Referee = static_cast<u8>(dean);
    b.Get().Games[static_cast<std::size_t>(g2)].Referee = static_cast<u8>(dean);
    b.Get().Games[static_cast<std::size_t>(cup)].Referee = static_cast<u8>(atkinson);
    b.Player("Kane", 2);
    return b.Build();
}

TEST(CliDivisionStats, EnglishSeasonTotals) {
    const CliLeague l(BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Premier League"));
    const CliRun run = l.Run("division-stats", {});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "edDivGames\t380");
    EXPECT_EQ(lines[1], "edHomeGoals\t596");
    EXPECT_EQ(lines[2], "edAwayGoals\t476");
    EXPECT_EQ(lines[4], "edAveGoals\t2.82");
    EXPECT_EQ(lines[11].rfind("edDivNsDraws\t", 0), 0u);

    // The highest away score of the season heads its list, dated in the fixed conventions.
    const std::vector<std::string> away = Lines(l.Run("division-stats", {"--high", "away"}).Out);
    ASSERT_FALSE(away.empty());
    EXPECT_EQ(away[0], "180\t2018-12-23   2-6 Everton FC v Tottenham Hotspur");
}

TEST(CliDivisionStats, RefereeGridWithAndWithoutCupGamesAndClicks) {
    const CliLeague l(SmallLeague());
    EXPECT_EQ(Lines(l.Run("division-stats", {"--referees"}).Out),
              (std::vector<std::string>{"Name\tGames\tPens\tYellows\tReds\tY/Gm\tR/Gm",
                                        "M Atkinson\t0\t0\t0\t0\t\t", "M Dean\t2\t0\t0\t0\t0.00\t0.00"}));
    EXPECT_EQ(
        Lines(l.Run("division-stats", {"--referees", "--cup", "--click", "Games"}).Out),
        (std::vector<std::string>{"Name\tGames\tPens\tYellows\tReds\tY/Gm\tR/Gm",
                                  "M Dean\t2\t0\t0\t0\t0.00\t0.00", "M Atkinson\t1\t0\t0\t0\t0.00\t0.00"}));
    // The totals leave the cup game out: one clean sheet in 3-0, two in 0-0.
    EXPECT_EQ(Lines(l.Run("division-stats", {}).Out)[6], "edClnShts\t3");
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--referees", "--click", "Cards"}, {"--cup"}, {"--high", "home", "--referees"}}) {
        const CliRun run = l.Run("division-stats", bad);
        EXPECT_EQ(run.Exit, 2) << bad[0];
        EXPECT_TRUE(run.Out.empty());
    }
}

TEST(CliMaintain, ActionsRunInOrderAndSave) {
    const CliLeague l(SmallLeague());
    const CliRun run = l.Run("maintain", {"--name",
                                          "Renamed",
                                          "--own",
                                          "Charlie",
                                          "--points",
                                          "2,1,0",
                                          "--half",
                                          "40",
                                          "--adjust",
                                          "Bravo",
                                          "-3",
                                          "--delete-team",
                                          "Alpha",
                                          "--rename-team",
                                          "Bravo",
                                          "Bravo FC",
                                          "--add-referee",
                                          "A Taylor",
                                          "--delete-referee",
                                          "M Dean",
                                          "--rename-referee",
                                          "A Taylor",
                                          "C Pawson",
                                          "--delete-player",
                                          "Bravo FC",
                                          "Kane"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const League after = l.Load();
    EXPECT_EQ(after.Head.TableName.view(), "Renamed");
    EXPECT_EQ(after.Head.OwnTeam, 2); // Charlie, moved down by the deletion of Alpha
    EXPECT_EQ(after.Head.WinPoints, 2);
    EXPECT_EQ(after.Head.HalfLength, 40);
    EXPECT_EQ(after.Head.TeamCount, 4);
    EXPECT_EQ(after.Teams[1].Name.view(), "Bravo FC");
    EXPECT_EQ(+after.Teams[1].PointsAdjust, -3);
    EXPECT_EQ(after.Head.PlayerCount, 0);
    ASSERT_EQ(after.Head.RefereeCount, 2);
    EXPECT_EQ(after.Referees[1].Name.view(), "M Atkinson");
    EXPECT_EQ(after.Referees[2].Name.view(), "C Pawson");
}

TEST(CliMaintain, ARefusalWritesNothing) {
    LeagueBuilder four;
    four.Teams({"Alpha", "Bravo", "Charlie", "Delta"}).OtherTeams({"Rovers"});
    four.Player("Kane", 2);
    const int g = four.Played(1, 2, 1, 0, 43000);
    four.Goal(g, 2, 1);
    const CliLeague l(four.Build());
    const std::string before = Bytes(l.file);
    const struct {
        std::vector<std::string> Args;
        std::string Message;
    } cases[] = {
        {{"--name", "Changed", "--delete-team", "Alpha"}, "You cannot delete any more League Teams"},
        {{"--delete-player", "Bravo", "Kane"},
         "The selected player has goals assigned or appears in a squad. Delete not performed."},
        {{"--half", "46"}, "from 10 to 45"},
        {{"--increment", "Rovers", "1"}, ""},
        {{"--own", "Nobody"}, "There is no team called Nobody"},
        {{"--delete-referee", "M Dean"}, "There is no referee called M Dean"},
    };
    for (const auto& c : cases) {
        const CliRun run = l.Run("maintain", c.Args);
        EXPECT_EQ(run.Exit, 1) << c.Args[0];
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(Bytes(l.file), before) << c.Args[0];
    }
    EXPECT_EQ(l.Run("maintain", {"--delete-team", "Rovers"}).Exit, 0); // a cup side can still go
    EXPECT_EQ(l.Run("maintain", {"--half", "ten"}).Exit, 2);
    EXPECT_EQ(l.Run("maintain", {}).Exit, 2);
}

} // namespace
