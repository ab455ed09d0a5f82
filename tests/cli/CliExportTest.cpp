#include "cli/Cli.h"
#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/SeasonOnDisk.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <regex>

using namespace gorlin;
using namespace gorlin::test;

namespace {

const char* const kMark = "\xEF\xBB\xBF";

} // namespace

TEST(CliExport, SeasonTableReadsBackAsTheTableCommandPrintsIt) {
    const SeasonOnDisk s;
    const CliRun table = s.Run({"table", s.File, "--format", "csv"});
    ASSERT_EQ(table.Exit, 0) << table.Err;
    WriteFile(s.Dir / "table.csv", table.Out);

    const auto out = s.Dir / "export.csv";
    const CliRun run = s.Run({"export", s.File, "--what", "table", "--out", out.string()});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const std::string bytes = ReadFile(out);
    ASSERT_EQ(bytes.substr(0, 3), kMark);
    WriteFile(s.Dir / "plain.csv", bytes.substr(3));
    const auto rows = ReadCsv(s.Dir / "plain.csv");
    EXPECT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows, ReadCsv(s.Dir / "table.csv"));
}

TEST(CliExport, SeasonTableInHtmlParsesBackAsTheTableCommandPrintsIt) {
    const SeasonOnDisk s;
    const CliRun table = s.Run({"table", s.File, "--format", "csv"});
    ASSERT_EQ(table.Exit, 0) << table.Err;
    WriteFile(s.Dir / "table.csv", table.Out);
    const auto expected = ReadCsv(s.Dir / "table.csv");

    const CliRun html = s.Run({"export", s.File, "--what", "table", "--format", "html"});
    ASSERT_EQ(html.Exit, 0) << html.Err;
    // Rows of cells as a browser reads them: every <TR>'s <TH>/<TD> texts, entities decoded.
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<TR>([\\s\\S]*?)</TR>");
    const std::regex cell("<T[HD][^>]*>([^<]*)</T[HD]>");
    for (auto r = std::sregex_iterator(html.Out.begin(), html.Out.end(), row); r != std::sregex_iterator();
         ++r) {
        const std::string body = (*r)[1];
        std::vector<std::string> cells;
        for (auto c = std::sregex_iterator(body.begin(), body.end(), cell); c != std::sregex_iterator(); ++c)
            cells.push_back(std::regex_replace((*c)[1].str(), std::regex("&amp;"), "&"));
        rows.push_back(cells);
    }
    ASSERT_EQ(rows.size(), 22u); // title, heading, 20 teams
    EXPECT_EQ(rows[0], std::vector<std::string>{"Premier League 2018-19"});
    ASSERT_EQ(expected.size(), 21u);
    for (std::size_t r = 0; r < expected.size(); ++r) {
        const std::vector<std::string>& got = rows[r + 1];
        ASSERT_EQ(got.size(), expected[r].size()) << r;
        // The export numbers the rows in column "A" where the table shows its marks.
        EXPECT_EQ(got[0], r == 0 ? "Pos" : std::to_string(r));
        EXPECT_EQ(std::vector<std::string>(got.begin() + 1, got.end()),
                  std::vector<std::string>(expected[r].begin() + 1, expected[r].end()));
    }
}

TEST(CliExport, WritesToStandardOutputAndRefusesWhatCannotBeWritten) {
    const SeasonOnDisk s;
    const CliRun html =
        s.Run({"export", s.File, "--what", "full,grid", "--format", "html", "--from", "2019-05-12"});
    ASSERT_EQ(html.Exit, 0) << html.Err;
    EXPECT_EQ(html.Out.substr(0, 3), kMark);
    EXPECT_NE(html.Out.find("\xBF<H2>League Games</H2>\r\n"), std::string::npos);
    EXPECT_NE(html.Out.find("<TH align=middle colspan=5>May 12 2019</TH>"), std::string::npos);
    EXPECT_NE(html.Out.find("<TR><TH COLSPAN=21>Matches Grid</TH></TR>"), std::string::npos);

    const CliRun text = s.Run({"export", s.File, "--what", "results", "--format", "text", "--team",
                               "Liverpool FC", "--date-format", "yyyy-mm-dd"});
    ASSERT_EQ(text.Exit, 0) << text.Err;
    EXPECT_NE(text.Out.substr(0, 3), kMark);
    EXPECT_EQ(Lines(text.Out).size(), 39u); // heading and 38 games
    EXPECT_EQ(Lines(text.Out)[1].substr(0, 11), "2018-08-12 ");

    const struct {
        std::vector<std::string> Args;
        int Exit;
    } refusals[] = {
        {{"--what", "full", "--format", "csv"}, 2},
        {{"--what", "table,nothing"}, 2},
        {{"--what", "table", "--team", "Nobody"}, 2},
        {{}, 2},
    };
    for (const auto& r : refusals) {
        std::vector<std::string> args = {"export", s.File};
        args.insert(args.end(), r.Args.begin(), r.Args.end());
        const CliRun run = s.Run(args);
        EXPECT_EQ(run.Exit, r.Exit) << run.Err;
        EXPECT_EQ(run.Out, "");
    }

    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"});
    b.Played(1, 2, 1, 0, 43000);
    League odd = b.Build();
    const std::string oddFile = (s.Dir / "odd.div").string();
    ASSERT_TRUE(SaveLeague(odd, oddFile, SaveOptions{false}).Ok);
    const CliRun grid = s.Run({"export", oddFile, "--what", "table,grid"});
    EXPECT_EQ(grid.Exit, 1);
    EXPECT_EQ(grid.Out, "");
}
