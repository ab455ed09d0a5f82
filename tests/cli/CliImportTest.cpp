#include "support/EngineCli.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

/// A new league of the teams of a results file, meeting twice, made by "gorlin-cli new".
std::string NewLeague(const TempDir& dir, const std::filesystem::path& results) {
    const std::string file = (dir / "PREMIER.DIV").string();
    const CliRun made = RunCliIn(dir, {"new", file, "--name", "Premier League 2018-19", "--teams-from",
                                       results.string(), "--times", "2"});
    EXPECT_EQ(made.Exit, 0) << made.Err;
    return file;
}

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(CliImport, ASeasonOfResultsGivesTheOfficialTable) {
    TempDir dir;
    const auto results = DataDir() / "eng1_2018-19_results.csv";
    const std::string file = NewLeague(dir, results);
    const std::vector<std::string> import = {"import",        file,         "--what",        "results",
                                             "--date-format", "yyyy-mm-dd", results.string()};
    const CliRun run = RunCliIn(dir, import);
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, "Records Read: 381\nSuccessful: 380\nErrors: 1\n");
    EXPECT_EQ(run.Err, "gorlin-cli import: line 1: a heading line\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "PREMIER.bak")); // TakeBackup is on by default

    const CliRun table = RunCliIn(dir, {"table", file, "--format", "csv", "--columns", "ABCNOPQRSU"});
    ASSERT_EQ(table.Exit, 0) << table.Err;
    std::ofstream(dir / "table.csv", std::ios::binary) << table.Out;
    const auto got = ReadCsv(dir / "table.csv");
    const auto official = ReadCsv(DataDir() / "eng1_2018-19_table.csv");
    ASSERT_EQ(got.size(), official.size());
    for (std::size_t r = 1; r < official.size(); ++r)
        EXPECT_EQ(got[r], official[r]) << "position " << r;

    // Again, as a dry run: every line is a duplicate now, and the file stays as it is.
    const std::string saved = Bytes(file);
    std::vector<std::string> again = import;
    again.push_back("--dry-run");
    const CliRun second = RunCliIn(dir, again);
    ASSERT_EQ(second.Exit, 0) << second.Err;
    EXPECT_EQ(second.Out, "Records Read: 381\nSuccessful: 0\nErrors: 381\n");
    EXPECT_EQ(Bytes(file), saved);
}

TEST(CliImport, RefusalsWriteNothing) {
    TempDir dir;
    const std::string data = (DataDir() / "eng1_2018-19_results.csv").string();
    const std::string file = NewLeague(dir, data);
    const std::string before = Bytes(file);
    const std::vector<std::string> cases[] = {
        {"import", file, data},                                                     // no --what
        {"import", file, "--what", "results", "--date-format", "ddmmyyyy", data},   // no separator
        {"import", file, "--what", "results", "--date-format", "ddd/mm/yyy", data}, // no such tokens
        {"import", file, "--what", "results", (dir / "missing.csv").string()},      // exit 1
    };
    for (const auto& args : cases) {
        const CliRun run = RunCliIn(dir, args);
        EXPECT_EQ(run.Exit, &args == &cases[3] ? 1 : 2) << run.Err;
        EXPECT_EQ(run.Out, "");
        EXPECT_FALSE(run.Err.empty());
    }
    EXPECT_EQ(Bytes(file), before);
}
