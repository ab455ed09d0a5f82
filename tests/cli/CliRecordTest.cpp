#include "core/app/NewTable.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

/// One record command in-process, with an empty settings folder beside the league.
CliRun Record(const TempDir& dir, const std::string& file, std::vector<std::string> options) {
    options.insert(options.begin(), {"record", file});
    return RunCliIn(dir, options);
}

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// Four teams playing each other twice, all fixtures open; a cup, a non-league team, a referee.
std::string SaveLeague4(const TempDir& dir) {
    NewTableInput input;
    input.TableName = "Test League";
    input.TeamNames = {"Alpha", "Bravo", "Charlie", "Delta"};
    Expected<League> built = BuildNewLeague(input);
    EXPECT_TRUE(built.ok());
    League& league = *built;
    league.Head.CompCount = 1;
    league.Comps[1].Name = "Cup";
    league.Comps[1].ShortName = "FAC";
    league.Head.RefereeCount = 1;
    league.Referees[1].Name = "M Dean";
    const auto path = dir / "league.div";
    EXPECT_TRUE(SaveLeague(league, path, SaveOptions{false}).Ok);
    return path.string();
}

const std::vector<std::string> kAlphaBravo = {"--date", "2024-08-10", "--home",  "Alpha",
                                              "--away", "Bravo",      "--score", "2-1"};

} // namespace

TEST(CliRecord, RecordsALeagueResultAndSaves) {
    TempDir dir;
    const std::string file = SaveLeague4(dir);
    std::vector<std::string> options = kAlphaBravo;
    options.insert(options.end(),
                   {"--attendance", "12345", "--referee", "M Dean", "--comment", "Opening day"});
    const CliRun run = Record(dir, file, options);
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, "recorded\t1\tAlpha\tBravo\t2-1\n");

    Expected<League> saved = LoadLeague(file);
    ASSERT_TRUE(saved.ok());
    const GameRec& game = saved->Games[1];
    EXPECT_EQ(+game.Played, 1);
    EXPECT_EQ(double{game.Date}, static_cast<double>(ToDayNumber(2024, 8, 10)));
    EXPECT_EQ(+game.Attendance, 12345u);
    EXPECT_EQ(+game.Referee, 1);
    EXPECT_EQ(game.Comment.str(), "Opening day");
    EXPECT_EQ(+saved->Head.GoalCount, 3); // goals without scorers
    EXPECT_EQ(+saved->Goals[3].Scorer, 0);
    EXPECT_EQ(+saved->Head.GameCount, 12);                    // a fixture completed, none added
    EXPECT_TRUE(std::filesystem::exists(dir / "league.bak")); // TakeBackup is on by default

    // Alpha's one home game against Bravo is played: the same pair again has nothing to complete.
    const CliRun again = Record(dir, file, kAlphaBravo);
    EXPECT_EQ(again.Exit, 1);
    EXPECT_EQ(again.Err, "gorlin-cli record: Pending game not found\n");
}

TEST(CliRecord, CupGameIsAddedAfterTheLeagueGames) {
    TempDir dir;
    const std::string file = SaveLeague4(dir);
    const CliRun run = Record(dir, file,
                              {"--date", "2024-08-14", "--home", "Delta", "--away", "Alpha", "--score", "0-3",
                               "--competition", "FAC"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, "recorded\t13\tDelta\tAlpha\t0-3\n");
    Expected<League> saved = LoadLeague(file);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(+saved->Head.CupGameCount, 1);
    EXPECT_EQ(+saved->Games[13].Comp, 1);
    EXPECT_EQ(+saved->Games[13].AwayGoals, 3);
}

TEST(CliRecord, RefusalsWriteNothing) {
    struct Case {
        std::vector<std::string> Change; // replaces or adds options
        std::string Message;
    };
    const std::vector<Case> cases = {
        {{"--home", "Zulu"}, "No team named Zulu"},
        {{"--competition", "XYZ"}, "No competition with the short name XYZ"},
        {{"--referee", "Nobody"}, "No referee named Nobody"},
        {{"--away", "Alpha"}, "The Home and Away team must be different"},
        {{"--attendance", "12a"}, "Input is invalid, please correct"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string file = SaveLeague4(dir);
        const std::string before = Bytes(file);
        std::vector<std::string> options = kAlphaBravo;
        options.insert(options.end(), c.Change.begin(), c.Change.end()); // the later value wins
        const CliRun run = Record(dir, file, options);
        EXPECT_EQ(run.Exit, 1) << c.Message;
        EXPECT_EQ(run.Err, "gorlin-cli record: " + c.Message + "\n");
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(Bytes(file), before) << c.Message;
        EXPECT_FALSE(std::filesystem::exists(dir / "league.bak")) << c.Message;
    }
}

TEST(CliRecord, BadUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {"--date", "2024-08-10", "--home", "Alpha", "--away", "Bravo"},
        {"--date", "2024-08-10", "--home", "Alpha", "--away", "Bravo", "--score", "2:1"},
        {"--date", "2024-08-10", "--home", "Alpha", "--away", "Bravo", "--score", "100-1"},
        {"--date", "2024-08-10", "--home", "Alpha", "--away", "Bravo", "--score", "-1"},
        {"--date", "10/08/2024", "--home", "Alpha", "--away", "Bravo", "--score", "1-0"},
        {"--home", "Alpha", "--away", "Bravo", "--score", "1-0"},
        {"--date", "2024-08-10", "--away", "Bravo", "--score", "1-0"},
    };
    TempDir dir;
    const std::string file = SaveLeague4(dir);
    const std::string before = Bytes(file);
    for (const auto& options : cases) {
        const CliRun run = Record(dir, file, options);
        EXPECT_EQ(run.Exit, 2) << options.back();
        EXPECT_NE(run.Err.find("Usage: gorlin-cli record"), std::string::npos);
    }
    EXPECT_EQ(Bytes(file), before);
}
