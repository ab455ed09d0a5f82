#include "core/app/ProgramFolderRule.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

/// A league saved to a file in `dir`, with an empty settings folder beside it.
std::string Save(League league, const TempDir& dir, const std::string& name = "league.div") {
    const auto path = dir / name;
    const Status saved = SaveLeague(league, path, SaveOptions{false});
    EXPECT_TRUE(saved.Ok) << saved.Message;
    std::filesystem::create_directories(dir / "config");
    return path.string();
}

CliRun Table(const TempDir& dir, const std::string& file, std::vector<std::string> options) {
    options.insert(options.begin(), {"table", file});
    return RunCliIn(dir, options);
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text, const TempDir& dir) {
    WriteFile(dir / "out.csv", text);
    return ReadCsv(dir / "out.csv");
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

TEST(CliProgram, MainPassesArgumentsOutputAndExitStatus) {
    // The one test of the built program itself; every other test runs the commands in-process.
    const auto run = [](const std::string& args) {
        FILE* pipe = popen((CliPath().string() + " " + args + " 2>/dev/null").c_str(), "r");
        std::string out;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        const int status = pclose(pipe);
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
    };
    const auto [helpExit, help] = run("--help");
    EXPECT_EQ(helpExit, 0);
    EXPECT_EQ(help, RunCli({"--help"}).Out);
    EXPECT_NE(help.find("Usage: gorlin-cli"), std::string::npos);
    EXPECT_EQ(run("check /nonexistent/NONE.DIV").first, 1);
}

TEST(CliProgram, UsageErrorsGiveStatusTwoAndTheUsage) {
    TempDir dir;
    const std::string file = Save(Small(), dir);
    for (const char* line :
         {"", "nosuch", "check", "dump", "save", "settings more", "table", "table F --content all",
          "table F --side", "table F --from 2024-13-01", "table F --selection 9", "table F --selection 3",
          "table F --columns ABX", "table F --format html", "table F --wide", "table F second.div"}) {
        std::vector<std::string> args;
        std::istringstream words(line);
        for (std::string w; words >> w;)
            args.push_back(w == "F" ? file : w);
        const CliRun run = RunCliIn(dir, args);
        EXPECT_EQ(run.Exit, 2) << line;
        EXPECT_NE(run.Err.find("Usage: gorlin-cli"), std::string::npos) << line;
        EXPECT_TRUE(run.Out.empty()) << line;
    }
    const CliRun help = RunCliIn(dir, {"settings", "--help"});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_NE(help.Out.find("Section<TAB>Key<TAB>Value"), std::string::npos);
}

TEST(ProgramFolderRule, ChoosesInOrder) {
    // The explicit folder wins; then the executable's folder when it holds gorlin.ini or can be
    // written (a portable install); then the user's configuration folder; the executable's folder
    // when no configuration home is known.
    const std::pair<ProgramFolderInputs, std::string> cases[] = {
        {{"rel", "/opt/gorlin", true, true, "/home/u/.config"}, "rel/"},
        {{"", "/opt/gorlin", true, false, "/home/u/.config"}, "/opt/gorlin/"},
        {{"", "/opt/gorlin", false, true, "/home/u/.config"}, "/opt/gorlin/"},
        {{"", "/opt/gorlin", false, false, "/home/u/.config"}, "/home/u/.config/gorlin/"},
        {{"", "/opt/gorlin", false, false, ""}, "/opt/gorlin/"},
        // An installed program's bin folder only with a gorlin.ini put there, never for being writable.
        {{"", "/home/u/.local/bin", false, true, "/home/u/.config", true}, "/home/u/.config/gorlin/"},
        {{"", "/home/u/.local/bin", true, true, "/home/u/.config", true}, "/home/u/.local/bin/"},
        {{}, "./"}};
    for (const auto& [inputs, folder] : cases)
        EXPECT_EQ(ChooseProgramFolder(inputs), folder) << folder;
}

TEST(CliSettings, ListsEveryKeyAfterDefaultsAndNeverWrites) {
    // tests/data/settings: a file of every key set and one of values the program cannot use,
    // each beside its listing.
    for (const char* name : {"all-keys", "out-of-range"}) {
        const auto folder = DataDir() / "settings" / name;
        const CliRun r = RunCli({"--config-dir=" + folder.string(), "settings"});
        ASSERT_EQ(r.Exit, 0) << r.Err;
        EXPECT_EQ(r.Out, ReadFile(folder / "settings.txt")) << name;
    }
    TempDir work;
    const auto none = work / "none";
    CliRun r = RunCli({"--config-dir", none.string(), "settings"});
    EXPECT_EQ(Lines(r.Out).size(), 43u);
    EXPECT_NE(r.Out.find("Options\tFilePath\t" + none.string() + "/\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(none));
    // A settings file that is a folder cannot be read: a failure, not defaults.
    std::filesystem::create_directories(work / "bad" / "gorlin.ini");
    r = RunCli({"--config-dir", (work / "bad").string(), "settings"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("gorlin.ini"), std::string::npos);
    EXPECT_EQ(r.Out, "");
}

TEST(CliCheck, NamesInUtf8AndStatusZeroWhenEveryFileIsOk) {
    TempDir dir;
    League l = Small();
    l.Head.TableName = "Ligue \xE9t\xE9";
    const std::string good = Save(l, dir, "GOOD.DIV");
    const CliRun run = RunCliIn(dir, {"check", good, good});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(Lines(run.Out).back(), good + "\tok\t46\tLigue \xC3\xA9t\xC3\xA9");
}

TEST(CliDump, ADamagedFileFailsWithTheReason) {
    TempDir dir;
    const std::string bytes = ReadFile(Save(Small(), dir));
    WriteFile(dir / "CUT.DIV", bytes.substr(0, bytes.size() - 3));
    const CliRun cut = RunCliIn(dir, {"dump", (dir / "CUT.DIV").string()});
    EXPECT_EQ(cut.Exit, 1);
    EXPECT_TRUE(cut.Out.empty());
    EXPECT_NE(cut.Err.find("CUT.DIV: The league file is damaged: it ends inside the team selections"),
              std::string::npos)
        << cut.Err;
}

TEST(CliSave, BringsOldFilesToTheCurrentLayoutWithABackup) {
    TempDir dir;
    const std::string old = ReadFile(DataDir() / "eras" / "v19.DIV");
    WriteFile(dir / "OLD.DIV", old);
    const auto path = (dir / "OLD.DIV").string();
    const CliRun r = RunCliIn(dir, {"save", path});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, path + "\tsaved\t45\n");
    EXPECT_EQ(ReadFile(dir / "OLD.bak"), old);
    const std::string saved = ReadFile(path);
    EXPECT_EQ(+LoadLeague(path)->Games[1].Date, 36526) << "dates are converted once";

    // A second save of an unchanged league writes the same bytes.
    EXPECT_EQ(RunCliIn(dir, {"save", path}).Exit, 0);
    EXPECT_EQ(ReadFile(path), saved);
    EXPECT_EQ(ReadFile(dir / "OLD.bak"), saved);
}

TEST(CliSave, HonoursTakeBackupOfTheSettingsAndReportsFailures) {
    TempDir dir;
    const std::string good = Save(Small(), dir, "A.DIV");
    WriteFile(dir / "config" / "gorlin.ini", "[Options]\nTakeBackup=0\n");
    const std::string damaged = {5, 'D', 'I', 'V', 'H', 'D', 46, 0, 0};
    WriteFile(dir / "B.DIV", damaged);
    const CliRun r = RunCliIn(dir, {"save", good, (dir / "B.DIV").string(), (dir / "C.DIV").string()});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, good + "\tsaved\t46\n") << "the good file is still saved";
    EXPECT_FALSE(std::filesystem::exists(dir / "A.bak"));
    EXPECT_NE(r.Err.find("B.DIV: The league file is damaged"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("C.DIV: Could not open"), std::string::npos) << r.Err;
    EXPECT_EQ(ReadFile(dir / "B.DIV"), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir / "C.DIV"));
}

TEST(CliTableSeason, PremierLeague2018MatchesTheOfficialTable) {
    CheckSeason("eng1_2018-19_results.csv", "eng1_2018-19_table.csv");
}

TEST(CliTableSeason, AustrianBundesliga2015MatchesTheOfficialTable) {
    CheckSeason("aut1_2015-16_results.csv", "aut1_2015-16_table.csv");
}

TEST(CliTableSeason, DateOptionsAndCurrentFormFromTheSettings) {
    TempDir dir;
    const std::string file = Save(BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Season"), dir);
    // 13 August is no match day: the to end takes 12 August, the end of the first round.
    CliRun run = Table(dir, file, {"--format", "csv", "--columns", "BC", "--to", "2018-08-13"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    auto rows = CsvRows(run.Out, dir);
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][1], "1") << rows[r][0];
    run = Table(dir, file, {"--format=csv", "--columns=C", "--from", "2019-05-12"});
    for (const auto& row : CsvRows(run.Out, dir))
        EXPECT_NE(row[0], "0") << "the last match day";

    WriteFile(dir / "config" / "gorlin.ini", "[Options]\nFormGames=5\n");
    run = Table(dir, file, {"--format", "csv", "--columns", "BCU", "--content", "form"});
    rows = CsvRows(run.Out, dir);
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][1], "5") << rows[r][0];
    // Both title rivals won their last five; Liverpool's goal difference (14-2) beats City's (9-1).
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Liverpool FC", "5", "15"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Manchester City", "5", "15"}));
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

TEST(CliTable, StatusMarksPossiblePointsAndSide) {
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
    WriteFile(dir / "config" / "gorlin.ini", "[Options]\nTableLong=ABV\nShowStatus=0\n");
    const CliRun run = Table(dir, file, {"--format", "csv", "--selection", "0", "--to", "2024-08-17"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    // Against the table of 10 August: Beta's win took it from 4th to 2nd, Gamma from 2nd to 4th.
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{"Pos,Team,Chg", "1,Alpha,0", "2,\"Beta, City\",+2",
                                                        "3,Delta,0", "4,Gamma,-2"}));
    const CliRun missing = Table(dir, (dir / "none.div").string(), {});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_FALSE(missing.Err.empty());
}
