#include "support/EngineCli.h"
#include "support/SeasonCsv.h"
#include "support/SeasonOnDisk.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <set>

using namespace gorlin;
using namespace gorlin::test;

namespace {

std::vector<std::string> CrLfLines(std::string text) {
    std::erase(text, '\r');
    return Lines(text);
}

} // namespace

TEST(CliExportLists, ResultsListReadsBackWithEveryGameOnce) {
    const SeasonOnDisk s;
    const auto out = s.Dir / "results.csv";
    const CliRun run =
        s.Run({"export", s.File, "--what", "list:results", "--format", "csv", "--out", out.string()});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const std::string bytes = ReadFile(out);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    WriteFile(s.Dir / "plain.csv", bytes.substr(3));
    const auto rows = ReadCsv(s.Dir / "plain.csv");
    ASSERT_EQ(rows.size(), 381u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Com", "Date", "Attend", "Home Team", "Away Team", "F", "A"}));
    std::set<std::pair<std::string, std::string>> games;
    int goals = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), 7u);
        games.emplace(rows[r][3], rows[r][4]);
        goals += std::stoi(rows[r][5]) + std::stoi(rows[r][6]);
    }
    EXPECT_EQ(games.size(), 380u);
    EXPECT_EQ(goals, 1072); // the season's goals
}

TEST(CliExportLists, QueryAndRefusals) {
    const SeasonOnDisk s;
    const CliRun text =
        s.Run({"export", s.File, "--what", "query", "--saved", "Best Attack", "--format", "text"});
    ASSERT_EQ(text.Exit, 0) << text.Err;
    const auto lines = CrLfLines(text.Out);
    ASSERT_EQ(lines.size(), 21u);
    // Team (widest "Wolverhampton Wanderers"), Played, For, Attack: numbers right-aligned.
    EXPECT_EQ(lines[0].substr(0, 6), "Team  ");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 6), "  2.50") << lines[1];
    EXPECT_EQ(lines[0].size(), lines[1].size());

    const struct {
        std::vector<std::string> Args;
        int Exit;
    } refusals[] = {
        {{"--what", "list:tables"}, 2},
        {{"--what", "list:team-games"}, 2},
        {{"--what", "list:by-team", "--team", "Liverpool FC"}, 2},
        {{"--what", "list:player-matches", "--player", "Nobody"}, 1},
        {{"--what", "results", "--player", "Nobody"}, 2},
        {{"--what", "query"}, 2},
        {{"--what", "query", "--design", "1,N,N,,,,"}, 1},
    };
    for (const auto& r : refusals) {
        std::vector<std::string> args = {"export", s.File};
        args.insert(args.end(), r.Args.begin(), r.Args.end());
        const CliRun run = s.Run(args);
        EXPECT_EQ(run.Exit, r.Exit) << r.Args[1] << ": " << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}
