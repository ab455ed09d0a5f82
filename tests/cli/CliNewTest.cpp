#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::CliRun;
using gorlin::test::RunCliIn;
using gorlin::test::TempDir;
using Args = std::vector<std::string>;

namespace {

Args New(const TempDir& dir, Args more) {
    Args args = {"new", (dir / "NEW.DIV").string(), "--name", "Sunday League"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const Args kFourTeams = {"--team", "Rovers", "--team", "Athletic", "--team", "City", "--team", "Town"};

Args With(Args a, const Args& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string TeamList(const League& l) {
    std::string out;
    for (int t = 1; t <= l.TeamCount(); ++t)
        out += l.Teams[static_cast<std::size_t>(t)].Name.str() + ";";
    return out;
}

std::string Players(const League& l) {
    std::string out;
    for (int p = 1; p <= l.Head.PlayerCount; ++p)
        out += l.Players[static_cast<std::size_t>(p)].Name.str() + "@" +
               std::to_string(l.Players[static_cast<std::size_t>(p)].Team) + " ";
    return out;
}

} // namespace

TEST(CliNew, WritesTheLeagueWithTheChoicesAndTheWizardDefaults) {
    TempDir dir;
    const auto file = dir / "NEW.DIV";
    CliRun run = RunCliIn(dir, New(dir, kFourTeams));
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, file.string() + "\tcreated\t46\t4\t12\t0\t0\n");
    auto plain = LoadLeague(file);
    ASSERT_TRUE(plain) << plain.error().Message;
    const DivHead& d = plain->Head;
    EXPECT_EQ(TeamList(*plain), "Athletic;City;Rovers;Town;");
    EXPECT_EQ(std::vector<int>({d.TimesToPlay, d.WinPoints, d.DrawPoints, d.LossPoints, d.OwnTeam, d.Promoted,
                                d.TeamSize, d.HalfLength}),
              std::vector<int>({2, 3, 1, 0, 0, 0, 11, 45}));

    run = RunCliIn(dir,
                   With(New(dir, kFourTeams), {"--force", "--times", "3", "--points=2,1,0", "--own", "Town",
                                               "--promoted", "1", "--playoffs", "2", "--relegated", "3",
                                               "--relplayoffs", "4", "--team-size", "7", "--half", "30"}));
    ASSERT_EQ(run.Exit, 0) << run.Err;
    auto chosen = LoadLeague(file);
    ASSERT_TRUE(chosen);
    const DivHead& h = chosen->Head;
    EXPECT_EQ(
        std::vector<int>({h.TimesToPlay, h.GameCount, h.WinPoints, h.DrawPoints, h.LossPoints, h.OwnTeam,
                          h.Promoted, h.PlayOffs, h.Relegated, h.RelPlayOffs, h.TeamSize, h.HalfLength}),
        std::vector<int>({3, 18, 2, 1, 0, 4, 1, 2, 3, 4, 7, 30}));

    // The table folder's check accepts the file.
    run = RunCliIn(dir, {"check", file.string()});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out, file.string() + "\tok\t46\tSunday League\n");
}

TEST(CliNew, TeamsFromBaseTablesAndFromAResultsFile) {
    TempDir dir;
    test::LeagueBuilder a;
    a.Teams({"United", "City", "Rovers"}).OtherTeams({"Cup Side"});
    a.Player("A1", 1);
    a.Player("cup", 4);
    a.Referee("Ref One");
    League la = a.Build();
    ASSERT_TRUE(SaveLeague(la, dir / "A.DIV", {false}));
    test::LeagueBuilder b;
    b.Teams({"Athletic", "United"});
    b.Player("B1", 2);
    b.Referee("Ref One");
    b.Referee("Ref Two");
    League lb = b.Build();
    ASSERT_TRUE(SaveLeague(lb, dir / "B.DIV", {false}));

    // Without --team every league team of the base tables, equal names once; United's players
    // come from both tables.
    CliRun run = RunCliIn(dir, New(dir, {"--base", (dir / "A.DIV").string(), (dir / "B.DIV").string(),
                                         "--copy-players", "--copy-referees"}));
    ASSERT_EQ(run.Exit, 0) << run.Err;
    auto built = LoadLeague(dir / "NEW.DIV");
    ASSERT_TRUE(built);
    EXPECT_EQ(TeamList(*built), "Athletic;City;Rovers;United;");
    EXPECT_EQ(Players(*built), "A1@4 B1@4 ");
    EXPECT_EQ(+built->Head.RefereeCount, 2);

    // Given teams and a real season's results file.
    run = RunCliIn(dir, {"new", (dir / "EPL.DIV").string(), "--name", "Premier", "--teams-from",
                         (test::DataDir() / "eng1_2018-19_results.csv").string()});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    auto season = LoadLeague(dir / "EPL.DIV");
    ASSERT_TRUE(season);
    EXPECT_EQ(season->TeamCount(), 20);
    EXPECT_EQ(season->Head.GameCount, 380);
    EXPECT_EQ(RunCliIn(dir, {"check", (dir / "EPL.DIV").string()}).Exit, 0);
}

TEST(CliNew, FailedChecksWriteNothing) {
    TempDir dir;
    std::filesystem::copy_file(test::DataDir() / "eras" / "v44.DIV", dir / "OLD.DIV");
    std::ofstream(dir / "bad.csv") << "Date,Home,Away\n";

    const std::pair<Args, std::string> cases[] = {
        {{"--team", "A", "--team", "B", "--team", "C"}, "The number of teams must be from 4 to 32"},
        {With(kFourTeams, {"--own", "Wanderers"}), "The own team must be one of the teams"},
        {{"--base", (dir / "OLD.DIV").string()}, "One or more selected base file is downlevel"},
        {{"--base", "A.DIV", "B.DIV", "--base", "C.DIV", "D.DIV"},
         "You must select at least one and not more than three tables"},
        {{"--teams-from", (dir / "bad.csv").string()},
         "The results file has no HomeTeam and AwayTeam columns"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunCliIn(dir, New(dir, args));
        EXPECT_EQ(run.Exit, 1) << message;
        EXPECT_EQ(run.Err, "gorlin-cli new: " + message + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir / "NEW.DIV")) << message;
    }

    // An existing file is kept unless --force.
    std::ofstream(dir / "NEW.DIV") << "keep";
    const CliRun kept = RunCliIn(dir, New(dir, kFourTeams));
    EXPECT_EQ(kept.Exit, 1);
    EXPECT_EQ(kept.Err,
              "gorlin-cli new: " + (dir / "NEW.DIV").string() + " already exists (--force replaces it)\n");
    EXPECT_EQ(std::filesystem::file_size(dir / "NEW.DIV"), 4u);
    EXPECT_EQ(RunCliIn(dir, With(New(dir, kFourTeams), {"--force"})).Exit, 0);
    EXPECT_TRUE(LoadLeague(dir / "NEW.DIV"));
}

TEST(CliNew, BadUsage) {
    TempDir dir;
    const std::pair<Args, std::string> cases[] = {
        {{"new", "--name", "X", "--team", "A"}, "no output file given"},
        {{"new", "X.DIV", "Y.DIV", "--name", "X"}, "more than one output file given"},
        {With({"new", "X.DIV"}, kFourTeams), "no table name given (--name)"},
        {{"new", "X.DIV", "--name", "X"}, "no teams given (--team, --teams-from or --base)"},
        {{"new", "--name", "X", "--base", "A.DIV", "X.DIV"}, "no output file given"},
        {With(New(dir, kFourTeams), {"--times", "two"}), "--times needs a whole number"},
        {With(New(dir, kFourTeams), {"--points", "3,1"}), "--points needs three whole numbers W,D,L"},
        {With(New(dir, kFourTeams), {"--copy-players"}), "--copy-players and --copy-referees need --base"},
        {With(New(dir, kFourTeams), {"--season"}), "unknown option '--season'"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunCliIn(dir, args);
        EXPECT_EQ(run.Exit, 2) << message;
        EXPECT_EQ(run.Err.substr(0, run.Err.find('\n')), "gorlin-cli new: " + message);
        EXPECT_NE(run.Err.find("Usage: gorlin-cli"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "NEW.DIV"));
}
