#include "core/io/CsvImport.h"

#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>
#include <tuple>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

const int kAug10 = ToDayNumber(2018, 8, 10);

/// Dates dd/mm/yyyy, two-digit years from 1956.
ImportResult Import(League& league, ImportWhat what, std::string_view bytes, int yearBase = 1956) {
    ImportOptions options;
    options.What = what;
    options.PositionNames = {"Goal Keeper", "Defender", "Midfield", "Forward"};
    options.Dates.TwoDigitYearBase = yearBase;
    const std::string text = ImportText(bytes);
    return ImportLines(league, ImportTextLines(text), options);
}

/// Successful, errors and the lines that failed.
struct Counts {
    int Successful;
    int Errors;
    std::vector<int> Failed;
    friend bool operator==(const Counts&, const Counts&) = default;
};
Counts CountsOf(const ImportResult& r) {
    Counts c{r.Counters.Successful, r.Counters.Errors, {}};
    for (const ImportProblem& p : r.Problems)
        c.Failed.push_back(p.Line);
    return c;
}

League Teams(const std::vector<std::string>& names, int timesToPlay = 0) {
    return LeagueBuilder().Teams(names).TimesToPlay(timesToPlay).Build();
}

} // namespace

TEST(CsvImportResults, HeadingIsOneErrorAndTheSameFileTwiceImportsNothingMore) {
    League l = Teams({"Alpha", "Bravo", "Charlie"});
    const std::string file = "Date,HomeTeam,AwayTeam,HomeGoals,AwayGoals\n"
                             "10/08/2018,Alpha,Bravo,2,1\n"
                             "11/08/2018,Bravo,Charlie,0,0,12345,,,Quiet,A Referee With A Long Name,2\n"
                             "12/08/2018,Charlie,Alpha,1,1,,,LGE\n";
    EXPECT_EQ(CountsOf(Import(l, ImportWhat::MatchResults, file)), (Counts{3, 1, {1}}));
    ASSERT_EQ(l.GameCount(), 3);
    EXPECT_EQ(l.Head.GoalCount, 5);
    const GameRec& quiet = l.Games[2];
    EXPECT_EQ(+quiet.Attendance, 12345u);
    EXPECT_EQ(quiet.Comment.str(), "Quiet");
    EXPECT_EQ(quiet.Outcome, 2); // awarded to the away team
    EXPECT_EQ(l.Referees[quiet.Referee].Name.str(), "A Referee With A Lon");

    // Every line is a heading or a duplicate now; the long referee name finds its referee.
    EXPECT_EQ(CountsOf(Import(l, ImportWhat::MatchResults, file)), (Counts{0, 4, {1, 2, 3, 4}}));
    EXPECT_EQ(l.GameCount(), 3);
    EXPECT_EQ(l.Head.RefereeCount, 1);
}

TEST(CsvImportResults, CupResultsAddOtherTeamsAndTheCompetitionOnce) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"}).TimesToPlay(2);
    const int fixture = b.Fixture(1, 2, kAug10);
    League l = b.Build();
    const ImportResult r = Import(l, ImportWhat::MatchResults,
                                  "10/08/2018,Alpha,Zeta Town,3,2,500,Cup of Nations,CN\n"
                                  "10/08/2018,Yankee FC,Xray City,1,0,0,Cup of Nations,CN\n"
                                  "11/08/2018,Alpha,Bravo,1,1\n"                     // after cup games
                                  "12/08/2018,Zeta Town,Alpha,1,0\n"                 // not a league team
                                  "12/08/2018,Alpha,Bravo,1,0,0,Cup of Nations,XX\n" // another pair
                                  "12/08/2018,Alpha,Alpha,1,0,0,Cup of Nations,CN\n");
    EXPECT_EQ(CountsOf(r), (Counts{4, 2, {4, 6}}));
    EXPECT_EQ(l.Head.OtherTeamCount, 3);
    EXPECT_EQ(l.Head.CompCount, 2);
    EXPECT_EQ(l.Comps[2].Name.str() + l.Comps[2].ShortName.str(), "Cup of NationsXX");
    EXPECT_EQ(l.Games[static_cast<std::size_t>(fixture)].Played, 1);
    ASSERT_EQ(l.Head.CupGameCount, 3);
    EXPECT_EQ(l.Teams[l.Games[2].AwayTeam].Name.str(), "Zeta Town");
    EXPECT_EQ(+l.Goals[1].Game, 2); // the first cup game's goals moved with it
}

TEST(CsvImportResults, LeagueResultWithoutFixtureIsAnErrorUnderAFixedSchedule) {
    for (const int times : {2, 0}) {
        LeagueBuilder b;
        b.Teams({"Alpha", "Bravo", "Charlie"}).TimesToPlay(times);
        b.Played(1, 2, 1, 0, kAug10);
        b.Fixture(2, 3, kAug10);
        League l = b.Build();
        const bool open = times == 0;
        EXPECT_EQ(CountsOf(Import(l, ImportWhat::MatchResults, "11/08/2018,Alpha,Bravo,2,2\n")),
                  (Counts{open ? 1 : 0, open ? 0 : 1, open ? std::vector<int>{} : std::vector<int>{1}}));
        EXPECT_EQ(l.GameCount(), open ? 3 : 2);
    }
}

TEST(CsvImportResults, DivLayoutReadsItsYearInTheTwoDigitYearWindow) {
    const struct {
        const char* Digits;
        int Base;
        int Day; // 0 = an error
    } cases[] = {
        {"180811", 1956, ToDayNumber(2018, 8, 11)},
        {"550101", 1956, ToDayNumber(2055, 1, 1)},
        {"560101", 1956, ToDayNumber(1956, 1, 1)},
        {"991231", 1920, ToDayNumber(1999, 12, 31)},
        {"181311", 1956, 0},
        {"18081", 1956, 0},
    };
    for (const auto& c : cases) {
        League l = Teams({"Alpha", "Bravo"});
        const ImportResult r = Import(l, ImportWhat::MatchResults,
                                      std::string("div,h,hg,a,ag,d\nE0,Alpha,3,Bravo,1,") + c.Digits, c.Base);
        EXPECT_EQ(r.Counters.Successful, c.Day != 0 ? 1 : 0) << c.Digits;
        EXPECT_EQ(l.GameCount() == 1 ? GameDay(l.Games[1]) : 0, c.Day) << c.Digits;
    }
    League l = Teams({"Alpha", "Bravo"}); // without the heading it is a standard line
    EXPECT_EQ(Import(l, ImportWhat::MatchResults, "E0,Alpha,3,Bravo,1,180811\n").Counters.Errors, 1);
}

TEST(CsvImportScorers, GoalsGetScorersUntilEveryGoalOfTheTeamHasOne) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).Comp("Cup", "CN");
    const int game = b.Played(1, 2, 2, 1, kAug10);
    b.Goal(game, 1);
    b.Goal(game, 1);
    b.Goal(game, 2);
    b.Goal(b.CupGame(1, 2, 1, 0, kAug10), 1);
    League l = b.Build();
    const ImportResult r = Import(l, ImportWhat::GoalScorers,
                                  "Scorer,Team,HomeTeam,AwayTeam,Date,Minute,Penalty,OwnGoal\n"
                                  "Ann,Alpha,Alpha,Bravo,10/08/2018,12,1,0\n"
                                  "Bob,Alpha,Alpha,Bravo,10/08/2018,30,0,1\n" // own goal: a Bravo player
                                  "Cid,Bravo,Alpha,Bravo,10/08/2018,80,0,0\n"
                                  "Dan,Bravo,Alpha,Bravo,10/08/2018,85,0,0\n" // every Bravo goal has one
                                  "Eve,Charlie,Alpha,Bravo,10/08/2018,5,0,0\n"
                                  "Ann,Alpha,Alpha,Bravo,11/08/2018,5,0,0\n" // no game that day
                                  "Ann,Alpha,Alpha,Bravo,10/08/2018,50,0,0,CN\n");
    EXPECT_EQ(CountsOf(r), (Counts{4, 4, {1, 5, 6, 7}}));
    const auto& goals = l.Goals;
    EXPECT_EQ(goals[1].Penalty, 1);
    EXPECT_EQ(l.Players[goals[2].Scorer].Team, 2);
    EXPECT_EQ(+goals[4].Scorer, +goals[1].Scorer); // the cup goal
    EXPECT_EQ(+goals[4].Minute, 50);
    EXPECT_EQ(l.Head.PlayerCount, 4); // Dan was added before his line failed
}

TEST(CsvImportFixtures, LineDatesTheFirstUnplayedFixtureOfThePair) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"}).TimesToPlay(4);
    b.Played(1, 2, 1, 0, kAug10);
    const int first = b.Fixture(1, 2, 0);
    const int second = b.Fixture(1, 2, 0);
    League l = b.Build();
    EXPECT_EQ(CountsOf(Import(l, ImportWhat::Fixtures,
                              "20/09/2018,Alpha,Bravo\n20/09/2018,Alpha,Alpha\n20/09/2018,Bravo,Alpha\n")),
              (Counts{1, 2, {2, 3}}));
    EXPECT_EQ(GameDay(l.Games[static_cast<std::size_t>(first)]), ToDayNumber(2018, 9, 20));
    EXPECT_EQ(GameDay(l.Games[static_cast<std::size_t>(second)]), 0);
}

TEST(CsvImportPlayers, KnownPlayersGetOnlyWhatTheyLack) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Bravo"});
    PlayerRec ann{};
    ann.Name = "Ann";
    ann.Team = 1;
    ann.SquadNo = 9;
    b.Player(ann);
    League l = b.Build();
    const ImportResult r = Import(l, ImportWhat::Players,
                                  "Ann,Alpha,10,Forward,01/02/1950,N,500000\n"
                                  "Cal,Nowhere,1\n"           // an unknown team is skipped, no error
                                  "Fay,Alpha,9\n"             // Ann's squad number: a player all the same
                                  "ANN,Alpha\n"               // names are told apart exactly
                                  "Joe,Transferred-Out,5\n"); // a player who left
    EXPECT_EQ(CountsOf(r), (Counts{4, 0, {}}));
    const PlayerRec& a = l.Players[1];
    const int count = l.Head.PlayerCount, birth = a.BirthDate;
    EXPECT_EQ(std::tuple(count, int{a.SquadNo}, int{a.Position}, birth, int{a.Foreign}),
              std::tuple(4, 9, 4, ToDayNumber(1950, 2, 1), 1)); // the squad number was known
    EXPECT_EQ(l.Players[2].SquadNo * 10 + l.Players[4].Team, 90);
}

TEST(CsvImportText, Utf8AndWindows1252FilesWithEitherLineEnd) {
    const std::string utf8 = "10/08/2018,FC K\xC3\xB6ln,Rapid Wien,2,1\r\n"
                             "12/08/2018,FC K\xC3\xB6ln,M\xC3\xA1laga,1,0,0,Copa,C\xC3\xA9"; // no line end
    const std::string cp1252 = "10/08/2018,FC K\xF6ln,Rapid Wien,2,1\n"
                               "12/08/2018,FC K\xF6ln,M\xE1laga,1,0,0,Copa,C\xE9\n";
    for (const std::string& file : {"\xEF\xBB\xBF" + utf8, utf8, cp1252}) {
        League l = Teams({"Rapid Wien", "FC K\xF6ln"});
        EXPECT_EQ(CountsOf(Import(l, ImportWhat::MatchResults, file)), (Counts{2, 0, {}}));
        EXPECT_EQ(l.Teams[3].Name.str(), "M\xE1laga");
        EXPECT_EQ(l.Comps[1].ShortName.str(), "C\xE9");
    }
}

TEST(CsvImportFile, TrackGoalsIsOffWhileImportingAndUnreadableFilesChangeNothing) {
    test::TempDir dir;
    std::ofstream(dir / "results.csv", std::ios::binary) << "10/08/2018,Alpha,Bravo,1,0\nbad line\n";
    League l = Teams({"Alpha", "Bravo"});
    l.Head.TrackGoals = 1;
    std::vector<std::pair<int, int>> seen; // TrackGoals and errors after each line
    ImportOptions o;
    o.Progress = [&](const ImportCounters& c) { seen.push_back({l.Head.TrackGoals, c.Errors}); };
    ASSERT_TRUE(ImportFile(l, dir / "results.csv", o).ok());
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}}));
    EXPECT_EQ(l.Head.TrackGoals, 1);
    for (const char* name : {"missing.csv", "."}) {
        const Expected<ImportResult> refused = ImportFile(l, dir / name, o);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.error().Message.rfind(
                      "The import file " + (dir / name).string() + " could not be opened", 0),
                  0u);
    }
    EXPECT_EQ(l.GameCount(), 1);
}
