#include "core/model/Dates.h"
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

std::string Save(const League& league, const TempDir& dir) {
    const auto path = dir / "league.div";
    League copy = league;
    EXPECT_TRUE(SaveLeague(copy, path, SaveOptions{false}).Ok);
    return path.string();
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// The 2018-19 Premier League after its first 190 games: the other 190 are fixtures.
League HalfSeason() {
    League l = BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Season");
    for (std::size_t g = 191; g <= 380; ++g)
        l.Games[g].Played = l.Games[g].HomeGoals = l.Games[g].AwayGoals = 0;
    UpdateGameEx(l, 0);
    return l;
}

} // namespace

TEST(CliFixtures, HalfSeasonIsPredictedToEveryTeamsLastGameTheSameWayTwice) {
    TempDir dir;
    const std::string file = Save(HalfSeason(), dir);
    CliRun run = RunCliIn(dir, {"predict", file});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, file + "\tpredicted\t190\n");

    const CliRun first = RunCliIn(dir, {"fixtures", file, "--format", "csv"});
    ASSERT_EQ(first.Exit, 0) << first.Err;
    const std::vector<std::string> lines = Lines(first.Out);
    ASSERT_EQ(lines.size(), 191u);
    EXPECT_EQ(lines[0], "Predicted,Comp,Date,Home Team,Away Team,F,A");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, 6), "1,LGE,") << lines[i];

    ASSERT_EQ(RunCliIn(dir, {"predict", file, "--matches", "5", "--what", "all"}).Exit, 0);
    EXPECT_EQ(RunCliIn(dir, {"fixtures", file, "--format", "csv"}).Out, first.Out);

    run = RunCliIn(dir, {"table", file, "--content", "predicted", "--columns", "BC", "--format", "csv"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const std::vector<std::string> table = Lines(run.Out);
    ASSERT_EQ(table.size(), 21u);
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_EQ(table[i].substr(table[i].rfind(',') + 1), "38") << table[i];

    // Nothing left to predict: the file is not written again.
    const std::string before = Bytes(file);
    run = RunCliIn(dir, {"predict", file, "--what", "unpredicted"});
    EXPECT_EQ(run.Out, file + "\tpredicted\t0\n");
    EXPECT_EQ(Bytes(file), before);
}

TEST(CliFixtures, ListInDateOrderWithCupFixturesAndEscapedNames) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta, City",
             "Gr\xf6"
             "dig"})
        .OtherTeams({"Tab\tTown"})
        .Comp("Shield", "SHD")
        .TimesToPlay(0);
    b.Fixture(1, 2, 0, true, 2, 1);           // undated: last
    b.Fixture(3, 1, ToDayNumber(2024, 9, 7)); // dated
    const int cup = b.CupGame(4, 3, 0, 0, ToDayNumber(2024, 8, 31));
    League league = b.Build();
    league.Games[static_cast<std::size_t>(cup)].Played = 0;
    TempDir dir;
    const std::string file = Save(league, dir);

    CliRun run = RunCliIn(dir, {"fixtures", file});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{
                                  "Predicted\tComp\tDate\tHome Team\tAway Team\tF\tA",
                                  "0\tSHD\t2024-08-31\tTab\\tTown\tGrödig\t0\t0",
                                  "0\tLGE\t2024-09-07\tGrödig\tAlpha\t0\t0",
                                  "1\tLGE\t\tAlpha\tBeta, City\t2\t1",
                              }));
    run = RunCliIn(dir, {"fixtures", "--format=csv", file});
    EXPECT_EQ(Lines(run.Out).back(), "1,LGE,,Alpha,\"Beta, City\",2,1");
}

TEST(CliFixtures, PredictRefusalsWriteNothing) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    LeagueBuilder fresh = b;
    fresh.Fixture(1, 2, 0);
    const League noGames = fresh.Build();
    for (int day = 1; day <= 5; ++day) {
        b.Played(1, 2, 1, 0, day);
        b.Played(2, 1, 1, 1, 10 + day);
    }
    const League noFixture = b.Build();
    b.Fixture(1, 2, 0);
    struct Case {
        League L;
        std::vector<std::string> Options;
        std::string Message;
    } cases[] = {
        {noFixture, {}, "There are no fixtures to predict"},
        {noGames, {}, "at least 5 home and 5 away"},
        {b.Build(), {"--matches", "6"}, "must be between 3 and 5"},
    };
    for (const Case& k : cases) {
        TempDir dir;
        const std::string file = Save(k.L, dir);
        const std::string before = Bytes(file);
        std::vector<std::string> args = {"predict", file};
        args.insert(args.end(), k.Options.begin(), k.Options.end());
        const CliRun run = RunCliIn(dir, args);
        EXPECT_EQ(run.Exit, 1) << k.Message;
        EXPECT_NE(run.Err.find(k.Message), std::string::npos) << run.Err;
        EXPECT_TRUE(run.Out.empty());
        EXPECT_EQ(Bytes(file), before);
    }

    TempDir dir;
    const std::string file = Save(noGames, dir);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"predict", file, "--what", "selected"},
                                               {"predict", file, "--matches", "99999999999"},
                                               {"predict"},
                                               {"fixtures", file, "--format", "tsv"},
                                               {"fixtures", file, file}}) {
        const CliRun run = RunCliIn(dir, bad);
        EXPECT_EQ(run.Exit, 2) << bad.back();
        EXPECT_NE(run.Err.find("Usage: gorlin-cli"), std::string::npos);
        EXPECT_TRUE(run.Out.empty());
    }
}
