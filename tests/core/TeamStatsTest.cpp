#include "core/engine/TeamStats.h"

#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "support/LeagueBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

using Texts = std::vector<std::string>;
using Labels = std::vector<std::pair<std::string, std::string>>;

constexpr int kToday = 46000;

Locale TestLocale() {
    Locale l;
    l.Today = kToday;
    return l;
}

/// Rovers, Albion and City in the league, Athletic outside it, one cup.
LeagueBuilder Base() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"}).OtherTeams({"Athletic"}).Comp("FA Cup", "FAC").Points(3, 1, 0);
    return b;
}

TeamStatsData Stats(const League& l, int team, const std::string& columns = "ABCDEFGHI") {
    Settings s;
    s.PlayerCols = columns;
    return TeamStats(l, team, s, TestLocale());
}

std::string Label(const TeamStatsData& d, const std::string& name) {
    for (const auto& [key, text] : TeamStatsLabels(d))
        if (key == name)
            return text;
    ADD_FAILURE() << "no label " << name;
    return {};
}

/// A squad entry: off at `timeOff` (0 = not set), both yellows and a red when `cards`, a rating.
SquadEntry Entry(int player, int timeOff, int cards = 0, int rating = 0) {
    SquadEntry e{};
    e.Player = static_cast<u16>(player);
    e.TimeOff = static_cast<u8>(timeOff);
    e.Yellow1 = e.Yellow2 = e.Red = static_cast<u8>(cards);
    e.Rating = static_cast<u8>(rating);
    return e;
}

Texts Shapes(const TeamStatsData& d, int width, int height) {
    Texts out;
    for (const Shape& s : PointsGraph(d.Chart, width, height))
        out.push_back(DescribeShape(s));
    return out;
}

} // namespace

TEST(TeamStats, TeamWithNoGames) {
    LeagueBuilder b = Base();
    b.Played(2, 3, 1, 0, 45000);
    const TeamStatsData d = Stats(b.Build(), 1);
    EXPECT_EQ(
        TeamStatsLabels(d),
        (Labels{{"lblPlayed", "0"},   {"lblGoals", "0"},      {"lblWon", "0"},       {"lblDrawn", "0"},
                {"lblLost", "0"},     {"lblPoints", "0"},     {"lbDeducted", "0"},   {"hfHome", ""},
                {"hfHomeTeam", ""},   {"hfAway", ""},         {"hfAwayTeam", ""},    {"haHome", ""},
                {"haHomeTeam", ""},   {"haAway", ""},         {"haAwayTeam", ""},    {"labAttHigh", "0"},
                {"labAtHiTm", ""},    {"labAttLow", "0"},     {"labAtLoTm", ""},     {"labAttAve", "0"},
                {"labAttTotal", "0"}, {"labTotClean", "n/a"}, {"labHmClean", "n/a"}, {"labAwClean", "n/a"},
                {"btnGraph", "0"}}));
    EXPECT_TRUE(d.HomeForm.empty() && d.AwayForm.empty() && d.FormPhrases.empty() && d.Results.empty());
    EXPECT_EQ(Shapes(d, 100, 50), (Texts{"line 0 0 0 49 black", "line 0 49 100 49 black"}));
}

TEST(TeamStats, StrictRecordsAttendancesAndCleanSheets) {
    LeagueBuilder b = Base();
    const auto attend = [&b](int g, u32 crowd) {
        b.Get().Games[static_cast<std::size_t>(g)].Attendance = crowd;
    };
    attend(b.Played(1, 2, 3, 0, 45000), 1000);  // the first 3 keeps the home record
    attend(b.Played(1, 3, 3, 1, 45001), 0);     // a home game without a crowd
    attend(b.Played(3, 1, 0, 0, 45002), 50000); // away crowds never count; 0 is never a record
    attend(b.Played(1, 3, 1, 2, 45003), 3000);
    attend(b.Played(2, 1, 4, 2, 45004), 70000);
    const TeamStatsData d = Stats(b.Build(), 1);
    const Labels expected = {{"lblPlayed", "5"},        {"lblGoals", "9"},
                             {"lblWon", "2"},           {"lblDrawn", "1"},
                             {"lblLost", "2"},          {"hfHome", "3"},
                             {"hfHomeTeam", "Albion"},  {"hfAway", "2"},
                             {"hfAwayTeam", "Albion"},  {"haHome", "2"},
                             {"haHomeTeam", "City"},    {"haAway", "4"},
                             {"haAwayTeam", "Albion"},  {"labAttHigh", "3,000"},
                             {"labAtHiTm", "City"},     {"labAttLow", "1,000"},
                             {"labAtLoTm", "Albion"},   {"labAttAve", "2,000"},
                             {"labAttTotal", "4,000"},  {"labTotClean", "2 (40%)"},
                             {"labHmClean", "1 (33%)"}, {"labAwClean", "1 (50%)"}};
    for (const auto& [name, text] : expected)
        EXPECT_EQ(Label(d, name), text) << name;
    EXPECT_EQ(d.TeamGames, (std::vector<int>{5, 4, 3, 2, 1}));

    // A single crowd above 999,999 is both the highest and the lowest.
    LeagueBuilder big = Base();
    const int only = big.Played(1, 2, 1, 0, 45000);
    big.Get().Games[static_cast<std::size_t>(only)].Attendance = 1200000;
    const TeamStatsData one = Stats(big.Build(), 1);
    EXPECT_EQ(one.labAttLow, "1,200,000");
    EXPECT_EQ(one.labAtLoTm, "Albion");
    EXPECT_EQ(one.labAttHigh, "1,200,000");
}

TEST(TeamStats, PointsDeductionsAndTheSingleCompetitionFilter) {
    const struct {
        const char* Name;
        int Adjust;
        int GameType;
        int WinDay; // a Rovers win on this day (0: no game)
        const char *Points, *Deducted;
        bool Graph;
    } cases[] = {
        {"a bonus shows its sign", 2, 0, 45000, "5", "+2", true},
        {"a deduction before any game", -3, 0, 0, "-3", "-3", false},
        {"a deduction larger than the points", -10, 1, 45000, "-7", "-10", true},
        {"a win after today is not in the standings", 0, 0, kToday + 1, "3", "0", false},
        {"a single competition blanks points", 2, 2, 45000, "", "", false},
    };
    for (const auto& c : cases) {
        LeagueBuilder b = Base();
        if (c.WinDay)
            b.Played(1, 2, 2, 0, c.WinDay);
        b.CupGame(1, 4, 1, 0, 45001);
        b.Get().Teams[1].PointsAdjust = static_cast<i16>(c.Adjust);
        b.Get().Head.GameType = static_cast<u8>(c.GameType);
        const League l = b.Build();
        const TeamStatsData d = Stats(l, 1);
        EXPECT_EQ(d.lblPoints, c.Points) << c.Name;
        EXPECT_EQ(d.lbDeducted, c.Deducted) << c.Name;
        EXPECT_EQ(d.btnGraph, c.Graph) << c.Name;
        EXPECT_EQ(d.btnTSPrint, c.Graph) << c.Name;
        EXPECT_EQ(CalcTeamData(l).LeaguePoints[1], (c.WinDay ? 3 : 0) + c.Adjust) << c.Name;
    }
}

TEST(TeamStats, FilterPicksTheGames) {
    LeagueBuilder b = Base();
    b.Played(1, 2, 1, 0, 45000);
    b.Fixture(3, 1, 45100);
    b.CupGame(1, 4, 2, 0, 45001);
    b.CupGame(4, 1, 0, 0, 45200, 1);
    b.Get().Games[4].Played = 0; // a cup fixture
    League l = b.Build();
    const struct {
        int GameType;
        std::vector<int> Games, Fixtures;
    } cases[] = {{0, {1}, {2}}, {1, {3, 1}, {2, 4}}, {2, {3}, {4}}, {3, {}, {}}};
    for (const auto& c : cases) {
        l.Head.GameType = static_cast<u8>(c.GameType);
        const TeamStatsData d = Stats(l, 1);
        EXPECT_EQ(d.TeamGames, c.Games) << c.GameType;
        EXPECT_EQ(d.Fixtures, c.Fixtures) << c.GameType;
    }
}

TEST(TeamStats, PointsChartGeometry) {
    // Rovers: league win, draw and loss with a cup win among them; Albion the mirror.
    LeagueBuilder b = Base();
    b.Played(1, 2, 1, 0, 45000);
    b.Played(2, 1, 1, 1, 45001);
    b.Played(1, 2, 0, 1, 45002);
    b.CupGame(1, 2, 5, 0, 45001);
    b.Get().Head.GameType = kLeagueAndCup;
    const League l = b.Build();
    EXPECT_EQ(Shapes(Stats(l, 1), 101, 60),
              (Texts{"line 1 0 1 59 black", "line 1 59 100 59 black", "rect 1 15 34 60 blue",
                     "rect 34 0 67 60 white", "rect 67 0 100 60 red"}));
    EXPECT_TRUE(Shapes(Stats(l, 4), 100, 60).empty()); // not a league team

    // Bars only while the running total is above 0; x moves on regardless.
    LeagueBuilder adjusted = Base();
    adjusted.Played(1, 2, 1, 0, 45000);
    adjusted.Played(2, 1, 0, 1, 45001);
    adjusted.Get().Teams[1].PointsAdjust = -4;
    EXPECT_EQ(Shapes(Stats(adjusted.Build(), 1), 100, 60),
              (Texts{"line 0 0 0 59 black", "line 0 59 100 59 black", "rect 50 0 100 60 blue"}));

    // A bonus before any game: points without games draws the axes only.
    LeagueBuilder bonus = Base();
    bonus.Played(2, 3, 1, 0, 45000);
    bonus.Get().Teams[1].PointsAdjust = 2;
    const TeamStatsData d = Stats(bonus.Build(), 1);
    EXPECT_EQ(d.Chart.Points, 2);
    EXPECT_EQ(d.Chart.Played, 0);
    EXPECT_EQ(Shapes(d, 100, 60), (Texts{"line 0 0 0 59 black", "line 0 59 100 59 black"}));
}

TEST(TeamStats, FormBoxes) {
    Texts shapes;
    for (const Shape& s : DrawCurrentForm("LWW", "WD"))
        if (s.Kind == ShapeKind::Rect)
            shapes.push_back(DescribeShape(s));
        else
            shapes.back() += " " + s.Text;
    EXPECT_EQ(shapes, (Texts{"rect 0 2 16 18 red L", "rect 15 2 31 18 blue W", "rect 30 2 46 18 blue W",
                             "rect 0 20 16 36 blue W", "rect 15 20 31 36 white D"}));
}

TEST(TeamStats, PlayersOfTheTeamAndTheirGoals) {
    LeagueBuilder b = Base();
    const int smith = b.Player("Smith", 1); // joined from Albion
    const int jones = b.Player("Jones", 2); // left for Albion
    const int brown = b.Player("Brown", 3); // City's, scored an own goal for Rovers
    const int white = b.Player("White", 0); // played for Rovers, since left
    const int green = b.Player("Green", 1);
    b.Player("Black", 2);
    const int g1 = b.Played(1, 3, 3, 0, 45000);
    const int g2 = b.Played(2, 3, 1, 0, 45001);
    const int g3 = b.Played(1, 3, 1, 1, 45002);
    const int cup = b.CupGame(2, 4, 1, 0, 45003);
    b.Goal(g1, 1, smith);
    b.Goal(g1, 1, smith, 0, false, true);
    b.Goal(g1, 1, jones);
    b.Goal(g2, 2, smith);
    b.Goal(cup, 2, smith);
    b.Goal(g3, 1, brown, 0, true);
    b.Goal(g3, 3, green, 0, true);
    b.Squad(g1, 1, {Entry(white, 90, 1, 75), Entry(smith, 0)});
    League l = b.Build();

    const TeamStatsData d = Stats(l, 1, "BDEFGHIN");
    Texts rows;
    for (const TeamPlayerRow& r : d.Players) {
        std::string line;
        for (const std::string& cell : r.Cells)
            line += cell + "|";
        rows.push_back(line);
    }
    EXPECT_EQ(rows, (Texts{"Green||0|0|1|0|0||", "Jones||1|0|0|0|0||", "Smith| (1)|2 (3)|1|0|0|0||",
                           "White|1|0|0|0|2|1|7.50|"}));
    l.Head.GameType = kLeagueAndCup;
    const std::vector<TeamPlayerRow> withCups = Stats(l, 1, "BE").Players;
    const auto row = std::find_if(withCups.begin(), withCups.end(),
                                  [smith](const TeamPlayerRow& r) { return r.Stat.Player == smith; });
    ASSERT_NE(row, withCups.end());
    EXPECT_EQ(row->Cells[1], "2 (4)");

    for (int team = 0; team <= 4; ++team) {
        const std::vector<bool> all = IncludedPlayers(l, team);
        for (int p = 1; p <= l.Head.PlayerCount; ++p)
            EXPECT_EQ(IncludePlayer(l, p, team), all[static_cast<std::size_t>(p)]) << p << " for " << team;
    }
    EXPECT_TRUE(IncludePlayer(l, brown, 3));
    EXPECT_FALSE(IncludePlayer(l, brown, 1));
}

TEST(TeamStats, DamagedLinksStayInBounds) {
    LeagueBuilder b = Base();
    const int p = b.Player("Smith", 1);
    const int g = b.Played(1, 2, 1, 0, 45000);
    b.Goal(g, 1, p);
    b.Squad(g, 1, {Entry(p, 90)});
    League l = b.Build();
    l.Goals[1].Game = 9999;
    l.Goals[1].Scorer = 9999;
    l.Games[static_cast<std::size_t>(g)].HomeSquad = 500;
    l.Head.GoalCount = 400;
    l.Head.PlayerCount = 6000;
    l.Head.CupGameCount = 300;
    const TeamStatsData d = Stats(l, 1);
    EXPECT_EQ(d.lblPlayed, "1");
    EXPECT_TRUE(Stats(l, 77).TeamGames.empty());
}

TEST(TeamStats, FilterChangeRefillsTheTeamList) {
    LeagueBuilder b = Base();
    b.Get().Head.OwnTeam = 1;
    League l = b.Build();
    const StatsTeamList opening = OpeningTeamList(l);
    EXPECT_EQ(opening.Teams, (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(opening.Selected, 2);

    StatsTeamList list = ChangeTeamGames(l, 1, "Rovers");
    EXPECT_EQ(list.Teams, (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(list.Selected, 3);
    EXPECT_EQ(l.Head.GameType, 1);
    list = ChangeTeamGames(l, 0, "Athletic");
    EXPECT_EQ(list.Teams, (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(list.Selected, 0);
    list = ChangeTeamGames(l, 3, "City"); // past the list: the filter stays
    EXPECT_EQ(l.Head.GameType, 0);
    EXPECT_EQ(list.Selected, 1);
    EXPECT_FALSE(l.DataChanged);

    EXPECT_EQ(GameTypeByName(l, "league"), 0);
    EXPECT_EQ(GameTypeByName(l, "all"), 1);
    EXPECT_EQ(GameTypeByName(l, "FAC"), 2);
    EXPECT_EQ(GameTypeByName(l, "XYZ"), -1);
}
