#include "cli/Cli.h"
#include "core/app/IniFile.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace gorlin;
using namespace gorlin::test;

namespace {

using Texts = std::vector<std::string>;

/// A config folder and a league on disk: Rovers, Albion, City and Athletic (not in the league);
/// two league games and an FA Cup game, Müller's goals in both competitions.
struct QueryFiles {
    TempDir dir;
    std::string config = (dir / "config").string();
    std::string league = (dir / "small.div").string();

    QueryFiles() {
        LeagueBuilder b;
        b.Teams({"Rovers", "Albion", "City"}).OtherTeams({"Athletic"}).Comp("FA Cup", "FAC");
        const int g1 = b.Played(1, 2, 3, 1, ToDayNumber(2019, 1, 5));
        b.Played(2, 3, 4, 3, ToDayNumber(2019, 2, 10));
        const int cup = b.CupGame(1, 4, 2, 0, ToDayNumber(2019, 1, 20));
        PlayerRec muller{};
        muller.Name = "M\xFCller";
        muller.Team = 1;
        muller.Cost = 1234567;
        const int m = b.Player(muller);
        const int smith = b.Player("Smith", 2);
        b.Goal(g1, 1, m, 10);
        b.Goal(g1, 1, m, 20);
        b.Goal(g1, 2, smith, 30);
        b.Goal(cup, 1, m, 40);
        std::filesystem::create_directories(config);
        League built = b.Build();
        EXPECT_TRUE(SaveLeague(built, league, SaveOptions{false}).Ok);
    }

    /// gorlin-cli query run in this process.
    CliRun Query(const std::string& file, const Texts& options) const {
        Texts args = {"--config-dir", config, "query", file};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream out, err;
        CliRun run;
        run.Exit = cli::Main(args, out, err);
        run.Out = out.str();
        run.Err = err.str();
        return run;
    }
    CliRun Query(const Texts& options) const { return Query(league, options); }

    IniFile Settings() const {
        IniFile ini((dir / "config" / "gorlin.ini").string());
        EXPECT_TRUE(ini.Load().Ok);
        return ini;
    }
};

std::string Examples(const char* name) {
    return (DataDir().parent_path().parent_path() / "examples" / name).string();
}

TEST(CliQuery, TheNineDefaultsOnThePremierLeague) {
    QueryFiles f;
    struct Case {
        const char* Title;
        std::size_t Count;
        std::size_t Line;
        const char* Text;
    };
    const Case cases[] = {
        {"Table Summary", 21, 0, "Team,AveCrowd,Played,Won,Drawn,Lost,For,Against,GoalDiff,Points"},
        {"Table Summary", 21, 1, "Manchester City,0,38,32,2,4,95,23,72,98"},
        {"Table Summary", 21, 20, "Huddersfield Town,0,38,3,7,28,22,76,-54,16"},
        {"Crowd Summary", 21, 0, "Team,MinCrowd,MaxCrowd,AveCrowd,TotCrowd"},
        {"Best Attack", 21, 2, "Liverpool FC,38,89,2.34"},
        {"Best Defence", 21, 1, "Liverpool FC,38,22,0.58"},
        {"High scoring games", 24, 1, "23/12/2018,Everton FC,Tottenham Hotspur,2,6,8"},
        {"Penalty Goals", 1, 0, "Date,GoalFor,Against,Player,GoalTime"},
        {"Own Goals", 1, 0, "Date,GoalFor,Against,Player,GoalTime"},
        {"Top Scorers", 1, 0, "Player,Team,Position,LeagueGoals"},
        {"Red Card List", 1, 0, "Date,Player,Team,Opponent,TimeOff"},
    };
    for (const Case& c : cases) {
        const CliRun run =
            f.Query(Examples("PREMIER1819.DIV"), {"--saved", c.Title, "--today", "2019-06-01"});
        ASSERT_EQ(run.Exit, 0) << c.Title << ": " << run.Err;
        const Texts lines = test::Lines(run.Out);
        ASSERT_EQ(lines.size(), c.Count) << c.Title;
        EXPECT_EQ(lines[c.Line], c.Text) << c.Title;
    }
    // Reading the defaults writes nothing.
    EXPECT_FALSE(std::filesystem::exists(f.dir / "config" / "gorlin.ini"));
}

TEST(CliQuery, DesignsOverEveryFilterFormatAndDatePattern) {
    QueryFiles f;
    // Criteria in any case match accented capitals; the cost is grouped; UTF-8 out.
    const std::string scorers = "300,N,Y,\"m\xC3\xBCl*\",,,316,N,Y,,,,304,N,Y,,,,323,N,Y,,,,";
    CliRun run = f.Query({"--tab", "players", "--design", scorers, "--games", "all"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(test::Lines(run.Out),
              (Texts{"Player,CupGoals,LeagueGoals,Cost", "M\xC3\xBCller,1,2,\"1,234,567\""}));
    run = f.Query({"--tab", "players", "--design", scorers, "--format", "tsv"}); // the league's filter
    EXPECT_EQ(test::Lines(run.Out),
              (Texts{"Player\tCupGoals\tLeagueGoals\tCost", "M\xC3\xBCller\t0\t2\t1,234,567"}));

    // A date criterion read in the pattern of the output; the filter by name or short name.
    const Texts dated = {"--tab",         "games",
                         "--design",      "101,A,Y,\"<01-02-2019\",,,110,N,Y,,,,102,N,N,,,,",
                         "--date-format", "dd-mm-yyyy"};
    const auto games = [&](const char* filter) {
        Texts options = dated;
        options.insert(options.end(), {"--games", filter});
        const CliRun r = f.Query(options);
        EXPECT_EQ(r.Exit, 0) << r.Err;
        return test::Lines(r.Out);
    };
    EXPECT_EQ(games("all"), (Texts{"Date,Goals", "05-01-2019,4", "20-01-2019,2"}));
    EXPECT_EQ(games("league"), (Texts{"Date,Goals", "05-01-2019,4"}));
    EXPECT_EQ(games("FAC"), (Texts{"Date,Goals", "20-01-2019,2"}));
    EXPECT_EQ(games("FA Cup"), games("FAC"));
    // Without --games the league's own filter holds (league games only).
    EXPECT_EQ(test::Lines(f.Query(dated).Out), games("league"));

    // No row: the headings alone.
    run = f.Query({"--tab", "games", "--design", "110,N,Y,\">20\",,,"});
    EXPECT_EQ(run.Out, "Goals\n");
}

TEST(CliQuery, RefusedQueriesAndBadUsage) {
    QueryFiles f;
    struct Case {
        Texts Options;
        int Exit;
        const char* Message;
    };
    const Case cases[] = {
        {{"--tab", "games", "--design", "110,N,Y,abc,,,"},
         1,
         "Selection criteria for field Goals is not valid for the following reason: "},
        {{"--design", "1,N,N,,,,"}, 1, "No included Query fields. Add one or more included fields."},
        {{"--design", "200,N,Y,,,,"}, 1, "The query is not correct. It contains an empty column"},
        {{"--design", "1,N,Y,,,,2,"}, 1, "No included Query fields."}, // 7 items: an empty design
        {{}, 2, "give either --design or --saved"},
        {{"--saved", "Nothing like it"}, 2, "no saved query called Nothing like it"},
        {{"--saved", "Best Attack", "--tab", "games"}, 2, "no saved query called Best Attack"},
        {{"--design", "1,N,Y,,,,", "--games", "Trophy"}, 2, "no competition called Trophy"},
        {{"--design", "1,N,Y,,,,", "--date-format", "yyyy"}, 2, "--date-format needs a pattern"},
        {{"--design", "1,N,Y,,,,", "--save", "  "}, 1, "You must enter a title for the query"},
    };
    for (const Case& c : cases) {
        const CliRun run = f.Query(c.Options);
        EXPECT_EQ(run.Exit, c.Exit) << c.Message;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "") << c.Message;
    }
    EXPECT_FALSE(std::filesystem::exists(f.dir / "config" / "gorlin.ini")); // nothing saved
    EXPECT_EQ(f.Query(f.league + ".missing", {"--design", "1,N,Y,,,,"}).Exit, 1);
}

TEST(CliQuery, SaveWritesTheDefaultsFirstAndReplacesOnItsTab) {
    QueryFiles f;
    const std::string title = "M\xC3\xBCller goals";
    CliRun run = f.Query({"--tab", "players", "--design", "300,N,Y,,,,304,D,Y,,,,", "--save", title});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(test::Lines(run.Out).size(), 3u); // still prints the results
    IniFile ini = f.Settings();
    EXPECT_EQ(ini.ReadInt("Queries", "QryCount", 0), 10);
    EXPECT_EQ(ini.ReadString("Queries", "QryTitle1", ""), "Table Summary");
    EXPECT_EQ(ini.ReadString("Queries", "QryTitle10", ""), "M\xFC"
                                                           "ller goals");
    EXPECT_EQ(ini.ReadInt("Queries", "QryTab10", 0), 3);

    // The same title on the same tab replaces; on another tab it is a new query.
    ASSERT_EQ(f.Query({"--tab", "players", "--design", "300,A,Y,,,,", "--save", title}).Exit, 0);
    ASSERT_EQ(f.Query({"--tab", "teams", "--design", "1,N,Y,,,,", "--save", title}).Exit, 0);
    ini = f.Settings();
    EXPECT_EQ(ini.ReadInt("Queries", "QryCount", 0), 11);
    EXPECT_EQ(ini.ReadString("Queries", "QryQuery10", ""), "300,A,Y,,,,");

    // A saved query runs by its title: of --tab, else the first with that title.
    run = f.Query({"--saved", title});
    EXPECT_EQ(test::Lines(run.Out), (Texts{"Player", "M\xC3\xBCller", "Smith"}));
    run = f.Query({"--saved", title, "--tab", "teams"});
    EXPECT_EQ(test::Lines(run.Out).front(), "Team");
}

} // namespace
