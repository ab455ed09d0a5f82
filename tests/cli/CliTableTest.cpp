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

/// A league saved to a file in `dir`, with an empty settings folder beside it so the run does
/// not depend on a gorlin.ini next to the built program.
std::string Save(League league, const TempDir& dir, const std::string& name = "league.div") {
    const auto path = dir / name;
    const Status saved = SaveLeague(league, path, SaveOptions{false});
    EXPECT_TRUE(saved.Ok) << saved.Message;
    std::filesystem::create_directories(dir / "config");
    return path.string();
}

CliRun Table(const TempDir& dir, const std::string& file, std::vector<std::string> options) {
    std::vector<std::string> args = {"--config-dir", (dir / "config").string(), "table", file};
    args.insert(args.end(), options.begin(), options.end());
    return RunCli(args);
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text, const TempDir& dir) {
    const auto path = dir / "out.csv";
    std::ofstream(path, std::ios::binary) << text;
    return ReadCsv(path);
}

/// The printed table of a real season against its official final table, cell by cell.
void CheckSeason(const std::string& results, const std::string& table) {
    TempDir dir;
    const std::string file = Save(BuildSeasonLeague(DataDir() / results, "Season"), dir);
    const CliRun run = Table(dir, file, {"--format", "csv", "--columns", "ABCNOPQRSU"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const auto got = CsvRows(run.Out, dir);
    const auto official = ReadCsv(DataDir() / table);
    ASSERT_EQ(got.size(), official.size());
    EXPECT_EQ(got[0], (std::vector<std::string>{"Pos", "Team", "P", "W", "D", "L", "F", "A", "GD", "Pts"}));
    for (std::size_t r = 1; r < official.size(); ++r)
        EXPECT_EQ(got[r], official[r]) << "position " << r;
}

League Small() {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta, City", "Gamma", "Delta"}).Places(1, 0, 1);
    b.Played(1, 2, 2, 0, ToDayNumber(2024, 8, 10));
    b.Played(3, 4, 1, 1, ToDayNumber(2024, 8, 10));
    b.Played(2, 3, 3, 1, ToDayNumber(2024, 8, 17));
    b.Played(4, 1, 0, 1, ToDayNumber(2024, 8, 24));
    b.Fixture(1, 3, ToDayNumber(2024, 8, 31), true, 0, 2);
    b.Selection(1, "Some", {1, 2, 3});
    return b.Build();
}

} // namespace

TEST(CliTableSeason, PremierLeague2018MatchesTheOfficialTable) {
    CheckSeason("eng1_2018-19_results.csv", "eng1_2018-19_table.csv");
}

TEST(CliTableSeason, AustrianBundesliga2015MatchesTheOfficialTable) {
    CheckSeason("aut1_2015-16_results.csv", "aut1_2015-16_table.csv");
}

TEST(CliTableSeason, DateOptionsSnapToMatchDays) {
    TempDir dir;
    const std::string file = Save(BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Season"), dir);
    // 13 August is no match day: the to end takes 12 August, the end of the first round.
    CliRun run = Table(dir, file, {"--format", "csv", "--columns", "BC", "--to", "2018-08-13"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    auto rows = CsvRows(run.Out, dir);
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][1], "1") << rows[r][0];
    // A from date after the season takes the last match day.
    run = Table(dir, file, {"--format=csv", "--columns=C", "--from", "2019-06-30"});
    rows = CsvRows(run.Out, dir);
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][0], "1");
    // A reversed range counts nothing.
    run =
        Table(dir, file, {"--format", "csv", "--columns", "C", "--from", "2019-01-01", "--to", "2018-12-01"});
    rows = CsvRows(run.Out, dir);
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][0], "0");
}

TEST(CliTable, DefaultColumnsMarksAndQuotedNames) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    const CliRun run = Table(dir, file, {"--format", "csv", "--selection", "0"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{
                                  "Pos,Team,P,W,D,L,F,A,W,D,L,F,A,GD,Pts",
                                  "1,Alpha,2,1,0,0,2,0,1,0,0,1,0,3,6",
                                  "2,\"Beta, City\",2,1,0,0,3,1,0,0,1,0,2,0,3",
                                  "3,Delta,2,0,0,1,0,1,0,1,0,1,1,-1,1",
                                  "4,Gamma,2,0,1,0,1,1,0,0,1,1,3,-2,1",
                              }));
}

TEST(CliTable, StatusMarksPossiblePointsAndPredictedContent) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"}).Places(1, 0, 1);
    b.Played(1, 2, 1, 0, 100);
    b.Played(1, 3, 1, 0, 101);
    b.Played(2, 3, 0, 0, 102);
    b.Get().Teams[3].PointsAdjust = -9;
    TempDir dir;
    const std::string file = Save(b.Build(), dir);
    CliRun run = Table(dir, file, {"--format", "csv", "--columns", "ABU", "--poss"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out),
              (std::vector<std::string>{"Pos,Team,Pts,PP", "U,Alpha,6,6", "2,Beta,1,1", "D,Gamma,-8,-8"}));
    run = Table(dir, file, {"--format", "csv", "--columns", "AB", "--side", "home"});
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{"Pos,Team", "1,Alpha", "2,Beta", "3,Gamma"}));
}

TEST(CliTable, SelectionAndPredictedGames) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    // The loader puts selection 1 in force (no fixed schedule, one selection).
    CliRun run = Table(dir, file, {"--format", "csv", "--columns", "BC"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{"Team,P", "Alpha,1", "\"Beta, City\",2", "Gamma,1"}));
    run = Table(dir, file,
                {"--format", "csv", "--columns", "BC", "--selection", "0", "--content", "predicted"});
    EXPECT_EQ(Lines(run.Out),
              (std::vector<std::string>{"Team,P", "Alpha,3", "Gamma,3", "\"Beta, City\",2", "Delta,2"}));
}

TEST(CliTable, TextFormatAlignsColumnsUnderTheTitle) {
    LeagueBuilder b;
    b.Teams({"Sturm", "SV Gr\xf6"
                      "dig"});
    b.Played(2, 1, 10, 0, 100);
    TempDir dir;
    const std::string file = Save(b.Build(), dir);
    const CliRun run = Table(dir, file, {"--columns", "ABSU", "--side", "away"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{
                                  "Test League",
                                  "",
                                  "Pos  Team        GD  Pts",
                                  "  1  SV Grödig    0    0",
                                  "  2  Sturm      -10    0",
                                  "",
                                  "Note: Table includes away matches only",
                              }));
}

TEST(CliTable, SettingsOfTheConfigFolder) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    std::ofstream(dir / "config" / "gorlin.ini") << "[Options]\nTableLong=ABV\nShowStatus=0\n";
    const CliRun run = Table(dir, file, {"--format", "csv", "--selection", "0", "--to", "2024-08-17"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    // Against the table of 10 August: Beta's win took it from 4th to 2nd, Gamma from 2nd to 4th.
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{"Pos,Team,Chg", "1,Alpha,0", "2,\"Beta, City\",+2",
                                                        "3,Delta,0", "4,Gamma,-2"}));
}

TEST(CliTable, BadOptionsGiveUsageAndStatusTwo) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    const std::vector<std::vector<std::string>> bad = {
        {"--content", "all"}, {"--side"},           {"--from", "2024-13-01"},
        {"--selection", "9"}, {"--selection", "3"}, {"--columns", "ABX"},
        {"--format", "html"}, {"--wide"},           {"second.div"},
    };
    for (const auto& options : bad) {
        const CliRun run = Table(dir, file, options);
        EXPECT_EQ(run.Exit, 2) << options[0];
        EXPECT_NE(run.Err.find("Usage: gorlin-cli table"), std::string::npos) << options[0];
        EXPECT_TRUE(run.Out.empty());
    }
    const CliRun noFile = RunCli({"table"});
    EXPECT_EQ(noFile.Exit, 2);
    const CliRun missing = Table(dir, (dir / "none.div").string(), {});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_FALSE(missing.Err.empty());
}

TEST(CliTableSeason, CurrentFormTakesFormGamesFromTheSettings) {
    TempDir dir;
    const std::string file = Save(BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Season"), dir);
    std::ofstream(dir / "config" / "gorlin.ini") << "[Options]\nFormGames=5\n";
    const CliRun run = Table(dir, file, {"--format", "csv", "--columns", "BCU", "--content", "form"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const auto rows = CsvRows(run.Out, dir);
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][1], "5") << rows[r][0];
    // Both title rivals won their last five; Liverpool's goal difference (14-2) beats City's (9-1).
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Liverpool FC", "5", "15"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Manchester City", "5", "15"}));
}
