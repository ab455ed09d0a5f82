#include "core/io/CsvImport.h"

#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

const int kAug10 = ToDayNumber(2018, 8, 10);
const int kAug11 = ToDayNumber(2018, 8, 11);

ImportOptions Options(ImportWhat what) {
    ImportOptions options;
    options.What = what;
    options.PositionNames = {"Goal Keeper", "Defender", "Midfield", "Forward"};
    return options; // dates dd/mm/yyyy, two-digit years from 1956
}

ImportResult Import(League& league, ImportWhat what, std::string_view bytes) {
    const std::string text = ImportText(bytes);
    return ImportLines(league, ImportTextLines(text), Options(what));
}

std::vector<int> ProblemLines(const ImportResult& r) {
    std::vector<int> lines;
    for (const ImportProblem& p : r.Problems)
        lines.push_back(p.Line);
    return lines;
}

void ExpectCounts(const ImportResult& r, int read, int successful, int errors) {
    EXPECT_EQ(r.Counters.RecordsRead, read);
    EXPECT_EQ(r.Counters.Successful, successful);
    EXPECT_EQ(r.Counters.Errors, errors);
}

const GameRec& Game(const League& l, int g) {
    return l.Games[static_cast<std::size_t>(g)];
}

} // namespace

TEST(CsvImportResults, HeadingIsOneErrorAndTheSameFileTwiceImportsNothingMore) {
    League l = LeagueBuilder().Teams({"Alpha", "Bravo", "Charlie"}).TimesToPlay(0).Build();
    const std::string file = "Date,HomeTeam,AwayTeam,HomeGoals,AwayGoals\n"
                             "10/08/2018,Alpha,Bravo,2,1\n"
                             "11/08/2018,Bravo,Charlie,0,0,12345,,,Quiet day,A Referee With A Long Name,2\n"
                             "12/08/2018,Charlie,Alpha,1,1,,,LGE\n";
    const ImportResult first = Import(l, ImportWhat::MatchResults, file);
    ExpectCounts(first, 4, 3, 1);
    EXPECT_EQ(ProblemLines(first), std::vector<int>{1});
    EXPECT_TRUE(l.DataChanged);
    ASSERT_EQ(l.GameCount(), 3);
    EXPECT_EQ(l.Head.GoalCount, 5);
    const GameRec& quiet = Game(l, 2);
    EXPECT_EQ(GameDay(quiet), kAug11);
    EXPECT_EQ(quiet.Attendance, 12345u);
    EXPECT_EQ(quiet.Comment.str(), "Quiet day");
    EXPECT_EQ(quiet.Awarded, 2);
    EXPECT_EQ(quiet.Outcome, 2); // awarded to the away team
    ASSERT_EQ(l.Head.RefereeCount, 1);
    EXPECT_EQ(quiet.Referee, 1);
    EXPECT_EQ(l.Referees[1].Name.str(), "A Referee With A Lon");

    // Every line is now a heading or a duplicate; the long referee name finds its referee.
    const ImportResult second = Import(l, ImportWhat::MatchResults, file);
    ExpectCounts(second, 4, 0, 4);
    EXPECT_EQ(l.GameCount(), 3);
    EXPECT_EQ(l.Head.GoalCount, 5);
    EXPECT_EQ(l.Head.RefereeCount, 1);
}

TEST(CsvImportResults, CupResultsAddOtherTeamsAndTheCompetitionOnce) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"}).TimesToPlay(2);
    const int fixture = b.Fixture(1, 2, kAug11);
    b.Fixture(2, 1, kAug11);
    League l = b.Build();
    const ImportResult r = Import(l, ImportWhat::MatchResults,
                                  "10/08/2018,Alpha,Zeta Town,3,2,500,Cup of Nations,CN\n"
                                  "10/08/2018,Yankee FC,Xray City,1,0,0,Cup of Nations,CN\n"
                                  "11/08/2018,Alpha,Bravo,1,1\n"     // a league result while cup games exist
                                  "12/08/2018,Zeta Town,Alpha,1,0\n" // a league game needs league teams
                                  "12/08/2018,Alpha,Bravo,1,0,0,Cup of Nations,XX\n" // name taken: no cup
                                  "12/08/2018,Alpha,Alpha,1,0,0,Cup of Nations,CN\n");
    ExpectCounts(r, 6, 3, 3);
    EXPECT_EQ(ProblemLines(r), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(l.Head.OtherTeamCount, 3);
    EXPECT_EQ(l.Teams[3].Name.str(), "Zeta Town");
    EXPECT_EQ(l.Head.CompCount, 1);
    EXPECT_EQ(l.Comps[1].Name.str(), "Cup of Nations");
    EXPECT_EQ(l.Comps[1].ShortName.str(), "CN");
    ASSERT_EQ(l.GameCount(), 2);
    ASSERT_EQ(l.Head.CupGameCount, 2);
    EXPECT_EQ(Game(l, fixture).Played, 1); // the fixture took the league result
    EXPECT_EQ(Game(l, 3).Comp, 1);
    EXPECT_EQ(Game(l, 3).AwayTeam, 3);
    EXPECT_EQ(Game(l, 4).HomeTeam, 4);
    int cupGoals = 0;
    for (int i = 1; i <= l.Head.GoalCount; ++i)
        cupGoals += l.Goals[static_cast<std::size_t>(i)].Game == 3 ? 1 : 0;
    EXPECT_EQ(cupGoals, 5); // the goals of the first cup game moved with it
}

TEST(CsvImportResults, LeagueResultWithoutFixtureDependsOnTheSchedule) {
    for (const int times : {2, 0}) {
        LeagueBuilder b;
        b.Teams({"Alpha", "Bravo", "Charlie"}).TimesToPlay(times);
        b.Played(1, 2, 1, 0, kAug10); // Alpha v Bravo is no fixture any more
        b.Fixture(2, 3, kAug11);
        League l = b.Build();
        const ImportResult r = Import(l, ImportWhat::MatchResults, "11/08/2018,Alpha,Bravo,2,2\n");
        ExpectCounts(r, 1, times == 0 ? 1 : 0, times == 0 ? 0 : 1);
        EXPECT_EQ(l.GameCount(), times == 0 ? 3 : 2) << times;
    }
}

TEST(CsvImportResults, DivLayoutReadsItsDateInTheTwoDigitYearWindow) {
    const struct {
        const char* Digits;
        int Base;
        int Day; // 0 = an error
    } cases[] = {
        {"180811", 1956, kAug11},
        {"550101", 1956, ToDayNumber(2055, 1, 1)},
        {"560101", 1956, ToDayNumber(1956, 1, 1)},
        {"991231", 1920, ToDayNumber(1999, 12, 31)},
        {"180811", 1920, kAug11},
        {"181311", 1956, 0},
        {"18081", 1956, 0},
        {"18-8-1", 1956, 0},
    };
    for (const auto& c : cases) {
        League l = LeagueBuilder().Teams({"Alpha", "Bravo"}).TimesToPlay(0).Build();
        ImportOptions o = Options(ImportWhat::MatchResults);
        o.Dates.TwoDigitYearBase = c.Base;
        const std::string file =
            std::string("div,home,hg,away,ag,date\nE0,Alpha,3,Bravo,1,") + c.Digits + "\n";
        const std::string text = ImportText(file);
        const ImportResult r = ImportLines(l, ImportTextLines(text), o);
        ExpectCounts(r, 2, c.Day != 0 ? 1 : 0, c.Day != 0 ? 1 : 2);
        if (c.Day != 0) {
            EXPECT_EQ(GameDay(Game(l, 1)), c.Day) << c.Digits;
            EXPECT_EQ(Game(l, 1).HomeGoals, 3);
            EXPECT_EQ(Game(l, 1).AwayTeam, 2);
        }
    }
    // Without the heading the same line is a standard line: its first field is no date.
    League l = LeagueBuilder().Teams({"Alpha", "Bravo"}).TimesToPlay(0).Build();
    ExpectCounts(Import(l, ImportWhat::MatchResults, "E0,Alpha,3,Bravo,1,180811\n"), 1, 0, 1);
}

TEST(CsvImportScorers, GoalsGetTheirScorersUntilEveryGoalHasOne) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).Comp("Cup", "CN");
    const int game = b.Played(1, 2, 2, 1, kAug10);
    b.Goal(game, 1);
    b.Goal(game, 1);
    b.Goal(game, 2);
    const int cup = b.CupGame(1, 2, 1, 0, kAug10);
    b.Goal(cup, 1);
    League l = b.Build();
    l.Head.TrackGoals = 1;
    const ImportResult r = Import(l, ImportWhat::GoalScorers,
                                  "Scorer,Team,HomeTeam,AwayTeam,Date,Minute,Penalty,OwnGoal\n"
                                  "Ann Striker,Alpha,Alpha,Bravo,10/08/2018,12,1,0\n"
                                  "Bob Back,Alpha,Alpha,Bravo,10/08/2018,30,0,1\n" // own goal: a Bravo player
                                  "Cid,Bravo,Alpha,Bravo,10/08/2018,80,0,0\n"
                                  "Dan,Bravo,Alpha,Bravo,10/08/2018,85,0,0\n"  // Bravo's goal has its scorer
                                  "Eve,Charlie,Alpha,Bravo,10/08/2018,5,0,0\n" // for neither team
                                  "Ann Striker,Alpha,Alpha,Bravo,11/08/2018,5,0,0\n" // no game that day
                                  "Ann Striker,Alpha,Alpha,Bravo,10/08/2018,121,0,0\n"
                                  "Ann Striker,Alpha,Alpha,Bravo,10/08/2018,50,0,0,CN\n");
    ExpectCounts(r, 9, 4, 5);
    EXPECT_EQ(ProblemLines(r), (std::vector<int>{1, 5, 6, 7, 8}));
    EXPECT_EQ(l.Head.TrackGoals, 1);
    const auto& goals = l.Goals;
    EXPECT_EQ(l.Players[goals[1].Scorer].Name.str(), "Ann Striker");
    EXPECT_EQ(l.Players[goals[1].Scorer].Team, 1);
    EXPECT_EQ(goals[1].Minute, 12);
    EXPECT_EQ(goals[1].Penalty, 1);
    EXPECT_EQ(l.Players[goals[2].Scorer].Name.str(), "Bob Back");
    EXPECT_EQ(l.Players[goals[2].Scorer].Team, 2);
    EXPECT_EQ(goals[2].OwnGoal, 1);
    EXPECT_EQ(l.Players[goals[3].Scorer].Name.str(), "Cid");
    EXPECT_EQ(goals[4].Scorer, goals[1].Scorer); // the cup goal, by the same player
    EXPECT_EQ(goals[4].Minute, 50);
    EXPECT_EQ(l.Head.PlayerCount, 4); // Dan was added before his line failed
}

TEST(CsvImportFixtures, LineDatesTheFirstUnplayedFixtureOfThePair) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"}).TimesToPlay(4);
    const int played = b.Played(1, 2, 1, 0, kAug10);
    const int first = b.Fixture(1, 2, 0);
    const int second = b.Fixture(1, 2, 0);
    League l = b.Build();
    const ImportResult r = Import(l, ImportWhat::Fixtures,
                                  "20/09/2018,Alpha,Bravo\n"
                                  "20/09/2018,Alpha,Alpha\n"
                                  "20/09/2018,Alpha,Nobody\n"
                                  "Alpha,Bravo\n"
                                  "31/09/2018,Alpha,Bravo\n"
                                  "20/09/2018,Bravo,Alpha\n"); // no such fixture
    ExpectCounts(r, 6, 1, 5);
    EXPECT_EQ(GameDay(Game(l, played)), kAug10);
    EXPECT_EQ(GameDay(Game(l, first)), ToDayNumber(2018, 9, 20));
    EXPECT_EQ(GameDay(Game(l, second)), 0);
}

TEST(CsvImportPlayers, NewPlayersAndPlayersCompletedWhereStillUnknown) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    PlayerRec ann{};
    ann.Name = "Ann";
    ann.Team = 1;
    ann.SquadNo = 9;
    ann.Foreign = 2;
    b.Player(ann);
    League l = b.Build();
    const ImportResult r = Import(l, ImportWhat::Players,
                                  "Ann,Alpha,10,Forward,01/02/1950,N,500000\n"
                                  "Ben,Bravo,5,Keeper,,Y\n"
                                  "Cal,Nowhere,1\n" // unknown team: skipped, no error
                                  "Dee,Alpha,x\n"
                                  "Eve\n"
                                  "Fay,Alpha,9\n" // squad number 9 is Ann's
                                  "Gus,Alpha,,Defender,31/02/1990\n");
    ExpectCounts(r, 7, 2, 4);
    EXPECT_EQ(ProblemLines(r), (std::vector<int>{4, 5, 6, 7}));
    ASSERT_EQ(l.Head.PlayerCount, 2);
    const PlayerRec& a = l.Players[1];
    EXPECT_EQ(a.SquadNo, 9);  // kept
    EXPECT_EQ(a.Position, 4); // "Forward"
    EXPECT_EQ(a.BirthDate, ToDayNumber(1950, 2, 1));
    EXPECT_EQ(a.Foreign, 2); // kept
    EXPECT_EQ(a.Cost, 500000u);
    const PlayerRec& ben = l.Players[2];
    EXPECT_EQ(ben.Name.str(), "Ben");
    EXPECT_EQ(ben.Team, 2);
    EXPECT_EQ(ben.SquadNo, 5);
    EXPECT_EQ(ben.Position, 0); // no such position name
    EXPECT_EQ(ben.BirthDate, 0);
    EXPECT_EQ(ben.Foreign, 2);
}

TEST(CsvImportText, Utf8AndWindows1252FilesWithEitherLineEnd) {
    const std::string utf8 = "10/08/2018,SV Gr\xC3\xB6"
                             "dig,Rapid Wien,2,1\r\n"
                             "11/08/2018,Rapid Wien,SV Gr\xC3\xB6"
                             "dig,0,3,0,Copa,C\xC3\xA9\r\n"
                             "12/08/2018,SV Gr\xC3\xB6"
                             "dig,M\xC3\xA1laga,1,0,0,Copa,C\xC3\xA9"; // no line end
    const std::string cp1252 = "10/08/2018,SV Gr\xF6"
                               "dig,Rapid Wien,2,1\n"
                               "11/08/2018,Rapid Wien,SV Gr\xF6"
                               "dig,0,3,0,Copa,C\xE9\n"
                               "12/08/2018,SV Gr\xF6"
                               "dig,M\xE1laga,1,0,0,Copa,C\xE9\n";
    for (const std::string& file : {"\xEF\xBB\xBF" + utf8, utf8, cp1252}) {
        League l = LeagueBuilder()
                       .Teams({"Rapid Wien", "SV Gr\xF6"
                                             "dig"})
                       .TimesToPlay(0)
                       .Build();
        const ImportResult r = Import(l, ImportWhat::MatchResults, file);
        ExpectCounts(r, 3, 3, 0);
        EXPECT_EQ(Game(l, 1).HomeTeam, 2);
        EXPECT_EQ(l.Comps[1].ShortName.str(), "C\xE9");
        EXPECT_EQ(l.Teams[3].Name.str(), "M\xE1laga");
    }
    EXPECT_EQ(ImportTextLines("a\n\nb\r\n"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_TRUE(ImportTextLines("").empty());
}

TEST(CsvImportFile, TrackGoalsIsOffWhileImportingAndCountersFollowEachLine) {
    test::TempDir dir;
    std::ofstream(dir / "results.csv", std::ios::binary) << "10/08/2018,Alpha,Bravo,1,0\nbad line\n";
    League l = LeagueBuilder().Teams({"Alpha", "Bravo"}).TimesToPlay(0).Build();
    l.Head.TrackGoals = 1;
    std::vector<std::pair<int, int>> seen; // (TrackGoals, errors) after each line
    ImportOptions o = Options(ImportWhat::MatchResults);
    o.Progress = [&](const ImportCounters& c) { seen.push_back({l.Head.TrackGoals, c.Errors}); };
    const Expected<ImportResult> r = ImportFile(l, dir / "results.csv", o);
    ASSERT_TRUE(r.ok()) << r.error().Message;
    EXPECT_EQ(r->Lines, 2);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}}));
    EXPECT_EQ(l.Head.TrackGoals, 1);

    const League before = l;
    for (const char* name : {"missing.csv", "."}) {
        const Expected<ImportResult> refused = ImportFile(l, dir / name, o);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.error().Message.rfind(
                      "The import file " + (dir / name).string() + " could not be opened", 0),
                  0u)
            << refused.error().Message;
    }
    EXPECT_EQ(l.GameCount(), before.GameCount());
}
