#include "core/model/LeagueFile.h"
#include "support/FileBytes.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

using namespace gorlin;
using gorlin::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct CliRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

Bytes ReadBytes(const std::filesystem::path& path) {
    const std::string s = Slurp(path);
    return Bytes(s.begin(), s.end());
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

/// Runs gorlin-cli with the arguments (no blanks in them), capturing both outputs.
CliRun RunCli(const TempDir& dir, const std::string& args) {
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    const std::string command =
        gorlin::test::CliPath().string() + " " + args + " >" + out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    CliRun r;
    r.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = Slurp(out);
    r.Err = Slurp(err);
    return r;
}

League SmallLeague() {
    gorlin::test::LeagueBuilder b;
    b.Teams({"Premi\xE8re", "Second", "Third"}).TimesToPlay(2).Comp("Cup", "CUP");
    b.Played(1, 2, 3, 1, 43831); // 1 January 2020
    b.Fixture(2, 3, 43838, true, 1, 1);
    b.CupGame(3, 1, 0, 0, 43840);
    b.Selection(1, "Top", {1, 3});
    League l = b.Build();
    l.Head.TableName = "Ligue \xE9t\xE9";
    l.Games[1].Awarded = 2;
    UpdateGameEx(l, 0);
    AddGoal(l, 1, 1, 0, 17, false, true);
    l.Head.SquadCount = 1;
    l.Squads[1].Game = 1;
    l.Squads[1].Team = 1;
    l.Squads[1].Entries[0].Rating = 60;
    return l;
}

} // namespace

TEST(CliCheck, OneLinePerFileAndTheExitStatus) {
    TempDir dir;
    League l = SmallLeague();
    ASSERT_TRUE(SaveLeague(l, dir / "GOOD.DIV"));
    Bytes v47 = ReadBytes(dir / "GOOD.DIV");
    v47[6] = 47;
    WriteBytes(dir / "NEW.DIV", v47);

    const auto good = (dir / "GOOD.DIV").string();
    CliRun all =
        RunCli(dir, "check " + good + " " + (dir / "NEW.DIV").string() + " " + (dir / "NONE.DIV").string());
    EXPECT_EQ(all.Exit, 1);
    EXPECT_EQ(all.Out, good + "\tok\t45\tLigue \xC3\xA9t\xC3\xA9\n" + (dir / "NEW.DIV").string() +
                           "\tnot compatible\n" + (dir / "NONE.DIV").string() + "\tcould not be opened\n");

    CliRun ok = RunCli(dir, "check " + good + " " + good);
    EXPECT_EQ(ok.Exit, 0);

    CliRun none = RunCli(dir, "check");
    EXPECT_EQ(none.Exit, 2);
    EXPECT_NE(none.Err.find("Usage: gorlin-cli check FILE..."), std::string::npos);
    EXPECT_TRUE(none.Out.empty());
}

TEST(CliDump, PrintsTheLoadedLeagueAsJson) {
    TempDir dir;
    League l = SmallLeague();
    ASSERT_TRUE(SaveLeague(l, dir / "L.DIV"));
    CliRun r = RunCli(dir, "dump " + (dir / "L.DIV").string());
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const auto j = nlohmann::json::parse(r.Out);
    EXPECT_EQ(j["DivHead"]["TableName"], "Ligue \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(j["DivHead"]["Version"], 46);
    EXPECT_EQ(j["DivHead"]["TimesToPlay"], 2);
    EXPECT_EQ(j["DivHead"]["SortRules"], "1234");
    EXPECT_EQ(j["LoadedVersion"], 45);
    ASSERT_EQ(j["Teams"].size(), 3u);
    EXPECT_EQ(j["Teams"][0]["Name"], "Premi\xC3\xA8re");
    ASSERT_EQ(j["Games"].size(), 3u);
    EXPECT_EQ(j["Games"][0]["Date"], 43831);
    EXPECT_EQ(j["Games"][0]["Awarded"], 2);
    EXPECT_EQ(j["Games"][0]["Outcome"], 2);
    EXPECT_EQ(j["Games"][1]["Predicted"], 1);
    EXPECT_EQ(j["Games"][2]["Comp"], 1);
    EXPECT_EQ(j["Goals"][0]["Minute"], 17);
    EXPECT_EQ(j["Goals"][0]["Penalty"], 1);
    ASSERT_EQ(j["Squads"].size(), 1u);
    ASSERT_EQ(j["Squads"][0]["Entries"].size(), 18u);
    EXPECT_EQ(j["Squads"][0]["Entries"][0]["Rating"], 60);
    EXPECT_EQ(j["Comps"][0]["ShortName"], "CUP");
    ASSERT_EQ(j["TeamSels"].size(), 1u);
    EXPECT_EQ(j["TeamSels"][0]["Members"], nlohmann::json::array({1, 3}));
    EXPECT_TRUE(j["Players"].empty());
    EXPECT_TRUE(j["Referees"].empty());
    EXPECT_TRUE(j["MissedPens"].empty());
}

TEST(CliDump, ShowsAnOldFileAfterItsConversions) {
    TempDir dir;
    League l = SmallLeague();
    l.Games[1].Date = 43831 + 693594;
    l.Games[2].Date = 0;
    l.Teams[1].PointsAdjust = 2;
    WriteBytes(dir / "OLD.DIV", gorlin::test::EncodeAs(l, 19));
    CliRun r = RunCli(dir, "dump " + (dir / "OLD.DIV").string());
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const auto j = nlohmann::json::parse(r.Out);
    EXPECT_EQ(j["LoadedVersion"], 19);
    EXPECT_EQ(j["DivHead"]["Version"], 46);
    EXPECT_EQ(j["Games"][0]["Date"], 43831);
    EXPECT_EQ(j["Teams"][0]["PointsAdjust"], -2);
    EXPECT_EQ(j["Games"].size(), 2u) << "no other games before version 30";
}

TEST(CliDump, DamagedOrForeignFilesFailWithTheReason) {
    TempDir dir;
    League l = SmallLeague();
    ASSERT_TRUE(SaveLeague(l, dir / "L.DIV"));
    Bytes bytes = ReadBytes(dir / "L.DIV");
    bytes.resize(bytes.size() - 3);
    WriteBytes(dir / "CUT.DIV", bytes);
    CliRun cut = RunCli(dir, "dump " + (dir / "CUT.DIV").string());
    EXPECT_EQ(cut.Exit, 1);
    EXPECT_TRUE(cut.Out.empty());
    EXPECT_NE(cut.Err.find("The league file is damaged: it ends inside the team selections"),
              std::string::npos)
        << cut.Err;

    WriteBytes(dir / "TEXT.DIV", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'l', 'e', 'a', 'g', 'u', 'e'});
    CliRun text = RunCli(dir, "dump " + (dir / "TEXT.DIV").string());
    EXPECT_EQ(text.Exit, 1);
    EXPECT_NE(text.Err.find("This is not a league file."), std::string::npos);

    EXPECT_EQ(RunCli(dir, "dump").Exit, 2);
}

TEST(CliSave, BringsOldFilesToTheCurrentLayoutWithABackup) {
    TempDir dir;
    League l = SmallLeague();
    l.Games[1].Date = 43831 + 693594;
    const Bytes old = gorlin::test::EncodeAs(l, 19);
    WriteBytes(dir / "OLD.DIV", old);
    const auto path = (dir / "OLD.DIV").string();

    CliRun r = RunCli(dir, "save " + path);
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, path + "\tsaved\t46\n") << "two games of three teams: no fixed schedule";
    EXPECT_EQ(ReadBytes(dir / "OLD.bak"), old);
    const Bytes saved = ReadBytes(dir / "OLD.DIV");
    EXPECT_EQ(saved[6], 46);
    auto loaded = LoadLeague(dir / "OLD.DIV");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(+loaded->Games[1].Date, 43831) << "dates are converted once";

    // A second save of an unchanged league writes the same bytes.
    EXPECT_EQ(RunCli(dir, "save " + path).Exit, 0);
    EXPECT_EQ(ReadBytes(dir / "OLD.DIV"), saved);
    EXPECT_EQ(ReadBytes(dir / "OLD.bak"), saved);
}

TEST(CliSave, HonoursTakeBackupOfTheSettingsAndReportsFailures) {
    TempDir dir;
    std::filesystem::create_directory(dir / "cfg");
    std::ofstream(dir / "cfg" / "gorlin.ini") << "[Options]\nTakeBackup=0\n";
    League l = SmallLeague();
    WriteBytes(dir / "A.DIV", gorlin::test::EncodeAs(l, 44));
    CliRun r = RunCli(dir, "--config-dir " + (dir / "cfg").string() + " save " + (dir / "A.DIV").string());
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_FALSE(std::filesystem::exists(dir / "A.bak"));

    const Bytes damaged = {5, 'D', 'I', 'V', 'H', 'D', 46, 0, 0};
    WriteBytes(dir / "B.DIV", damaged);
    CliRun bad = RunCli(dir, "save " + (dir / "A.DIV").string() + " " + (dir / "B.DIV").string() + " " +
                                 (dir / "C.DIV").string());
    EXPECT_EQ(bad.Exit, 1);
    EXPECT_NE(bad.Err.find("B.DIV: The league file is damaged"), std::string::npos) << bad.Err;
    EXPECT_NE(bad.Err.find("C.DIV: Could not open"), std::string::npos) << bad.Err;
    EXPECT_EQ(ReadBytes(dir / "B.DIV"), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir / "C.DIV"));
    EXPECT_EQ(bad.Out, (dir / "A.DIV").string() + "\tsaved\t46\n") << "the good file is still saved";

    EXPECT_EQ(RunCli(dir, "save").Exit, 2);
}
