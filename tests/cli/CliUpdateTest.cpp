#include "support/EngineCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace gorlin::test;

namespace {

std::filesystem::path Example(const char* name) {
    return DataDir().parent_path().parent_path() / "examples" / name;
}

/// The table lines after the title (the title is the league's own name).
std::string TableBody(const std::string& config, const std::filesystem::path& league) {
    const std::string text = RunCli({"--config-dir", config, "table", league.string()}).Out;
    return text.substr(text.find('\n'));
}

} // namespace

TEST(CliUpdate, UploadOfASeasonBringsItsFirstHalfToTheFinalTable) {
    TempDir dir;
    const std::string config = (dir / "config").string();
    std::filesystem::create_directories(config);
    std::filesystem::copy_file(Example("PREMIERXMAS.DIV"), dir / "half.DIV");
    const CliRun upload =
        RunCli({"--config-dir", config, "upload", Example("PREMIER1819.DIV").string(), "--out",
                dir.Path().string(), "--since", "2018-01-01", "--today", "2019-06-01"});
    ASSERT_EQ(upload.Exit, 0) << upload.Err;
    EXPECT_EQ(upload.Out, (dir / "gnup0000.txt").string() + "\n");

    const std::vector<std::string> update = {"--config-dir", config,
                                             "update",       (dir / "half.DIV").string(),
                                             "--file",       (dir / "gnup0000.txt").string()};
    std::vector<std::string> dry = update;
    dry.push_back("--dry-run");
    const std::string before = ReadFile(dir / "half.DIV");
    EXPECT_EQ(Lines(RunCli(dry).Out).at(1), "status\tUpdate Complete");
    EXPECT_EQ(ReadFile(dir / "half.DIV"), before);

    const CliRun first = RunCli(update);
    EXPECT_EQ(first.Exit, 0);
    const std::vector<std::string> lines = Lines(first.Out);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], "fixtures-completed\t191");
    EXPECT_EQ(lines[13], "records-skipped\t0");
    EXPECT_EQ(TableBody(config, dir / "half.DIV"), TableBody(config, Example("PREMIER1819.DIV")));

    const std::string after = ReadFile(dir / "half.DIV");
    EXPECT_EQ(Lines(RunCli(update).Out).at(1), "status\tUpdate Complete - No changes made");
    EXPECT_EQ(ReadFile(dir / "half.DIV"), after);
}

TEST(CliUpdate, RefusalsExitOne) {
    TempDir dir;
    const std::string config = (dir / "config").string();
    std::filesystem::create_directories(config);
    std::filesystem::copy_file(Example("PREMIERXMAS.DIV"), dir / "half.DIV");
    WriteFile(dir / "bad.txt", "Gorlin Update:100 Date:1\r\nLeague Version:0042\r\n");
    const CliRun refused = RunCli({"--config-dir", config, "update", (dir / "half.DIV").string(), "--file",
                                   (dir / "bad.txt").string()});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_EQ(refused.Out, "status\tUpdate in progress\n"
                           "error\tUpdate file not compatible with this version of Gorlin\n"
                           "status\tUpdate processing cancelled.\n");

    RunCli({"--config-dir", config, "new", (dir / "empty.DIV").string(), "--name", "E", "--team", "A",
            "--team", "B", "--team", "C", "--team", "D"});
    const CliRun none = RunCli(
        {"--config-dir", config, "upload", (dir / "empty.DIV").string(), "--out", (dir / "u.txt").string()});
    EXPECT_EQ(none.Exit, 1);
    EXPECT_EQ(none.Err, "gorlin-cli upload: No games played during the selected period\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "u.txt"));
}
