#include "core/app/ResultsTeamNames.h"

#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace gorlin;
using Names = std::vector<std::string>;

TEST(ResultsTeamNames, SeasonFileGivesEveryTeamOnce) {
    auto names = ReadResultsTeamNames(gorlin::test::DataDir() / "eng1_2018-19_results.csv");
    ASSERT_TRUE(names) << names.error().Message;
    EXPECT_EQ(names->size(), 20u);
    EXPECT_EQ(names->front(), "Manchester United");
    EXPECT_FALSE(ReadResultsTeamNames(gorlin::test::DataDir() / "missing.csv"));
}

TEST(ResultsTeamNames, OnlyRegularFilesAreRead) {
    // A pipe with no writer would block a plain open for ever.
    gorlin::test::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe.csv").c_str(), 0600), 0);
    for (const auto& path : {dir / "pipe.csv", dir.Path()}) {
        auto names = ReadResultsTeamNames(path);
        ASSERT_FALSE(names);
        EXPECT_EQ(
            names.error().Message.rfind("The results file " + path.string() + " could not be opened", 0), 0u)
            << names.error().Message;
    }
}

TEST(ResultsTeamNames, LayoutsAndDamage) {
    const std::pair<std::string, Names> good[] = {
        {"\xEF\xBB\xBF"
         "AwayTeam,Date,HomeTeam\r\nB,1,A\r\n\r\nA,2,C\r\n",
         {"A", "B", "C"}},
        {"HomeTeam,AwayTeam\n\"Brighton, Hove\",\"The \"\"Saints\"\"\"\n \"D\xC3\xBCsseldorf\" "
         ",\"Two\nLines\"",
         {"Brighton, Hove", "The \"Saints\"", "D\xFCsseldorf", "Two\nLines"}},
        {"Date,HomeTeam,AwayTeam\n", {}},
    };
    for (const auto& [text, names] : good) {
        auto got = TeamNamesFromResultsCsv(text);
        ASSERT_TRUE(got) << got.error().Message;
        EXPECT_EQ(*got, names);
    }
    const std::pair<std::string, std::string> bad[] = {
        {"", "The results file has no HomeTeam and AwayTeam columns"},
        {"Date,Home,AwayTeam\nx,A,B\n", "The results file has no HomeTeam and AwayTeam columns"},
        {"HomeTeam,AwayTeam\nA,B\n\nC\n", "Row 3 of the results file lacks a team name"},
        {"HomeTeam,AwayTeam\nA, \n", "Row 2 of the results file lacks a team name"},
    };
    for (const auto& [text, message] : bad)
        EXPECT_EQ(TeamNamesFromResultsCsv(text).error().Message, message);
}
